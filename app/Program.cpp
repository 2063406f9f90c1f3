// The program's entry.
#include "app/Program.h"

#include "app/ProgramState.h"
#include "app/results/ResultsFeature.h"
#include "app/window/ResultWindows.h"
#include "app/script/ScriptRunner.h"
#include "app/prompts/ScriptedPrompts.h"
#include "app/window/TfrmAbout.h"
#include "app/window/TfrmMain.h"
#include "app/window/TfrmSaveAS.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QTimer>

#include <chrono>
#include <clocale>
#include <cstdio>
#include <optional>

namespace quadrilo::app {
namespace {

// A day: the timer counts milliseconds in an int.
constexpr int MaxAutosaveSeconds = 24 * 60 * 60;

struct ProgramOptions {
    QString home;   // --home DIR: every file of the data folder goes to DIR
    QString script; // --script FILE: run after start-up
    bool exitAfterScript = false;
    QString document; // opened at the end of start-up
    std::optional<std::chrono::seconds> autosave; // --autosave-seconds N
    QString error;    // what is wrong with the command line
};

ProgramOptions parseOptions(const QApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Quadrilo: pavimentos por analogia de grelha"));
    parser.addHelpOption();
    const QCommandLineOption home(QStringLiteral("home"),
                                  QStringLiteral("Keep the program's files in DIR."),
                                  QStringLiteral("DIR"));
    const QCommandLineOption script(QStringLiteral("script"),
                                    QStringLiteral("Run FILE after start-up."),
                                    QStringLiteral("FILE"));
    const QCommandLineOption exit(QStringLiteral("exit"),
                                  QStringLiteral("End after the script (status 1 at a failed "
                                                 "line), leaving unsaved changes unsaved."));
    const QCommandLineOption autosave(QStringLiteral("autosave-seconds"),
                                      QStringLiteral("Write the open drawing to the recovery "
                                                     "files every N seconds (300)."),
                                      QStringLiteral("N"));
    parser.addOptions({home, script, exit, autosave});
    parser.addPositionalArgument(QStringLiteral("DOCUMENT"), QStringLiteral("A drawing to open."));
    parser.process(app);
    const QStringList documents = parser.positionalArguments();
    // Names are taken where the program was started, not in the program's folder.
    const auto absolute = [](const QString& p) { return p.isEmpty() ? p : QDir(p).absolutePath(); };
    ProgramOptions options{parser.value(home), absolute(parser.value(script)), parser.isSet(exit),
                           documents.isEmpty() ? QString() : absolute(documents.front()),
                           std::nullopt, QString()};
    if (parser.isSet(autosave)) {
        bool number = false;
        const int seconds = parser.value(autosave).toInt(&number);
        if (number && seconds > 0 && seconds <= MaxAutosaveSeconds)
            options.autosave = std::chrono::seconds(seconds);
        else
            options.error = QStringLiteral("--autosave-seconds takes a whole number of seconds "
                                           "from 1 to %1, not \"%2\"")
                                .arg(MaxAutosaveSeconds)
                                .arg(parser.value(autosave));
    }
    return options;
}

} // namespace

int RunProgram(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quadrilo"));
    QApplication::setApplicationDisplayName(QStringLiteral("Quadrilo"));
    // Qt takes the user's locale at start; every conversion of ours uses ".".
    std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(QLocale::c());
    const ProgramOptions options = parseOptions(app);
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "quadrilo: %s\n", options.error.toUtf8().constData());
        return 1;
    }

    ProgramState state(AppFolders::forRun(QApplication::applicationDirPath(), options.home));
    if (options.autosave)
        state.autosaveInterval = *options.autosave;
    if (!state.folders.makeFolders())
        std::fprintf(stderr, "quadrilo: the data folder %s cannot be made\n",
                     state.folders.home.toUtf8().constData());
    DesktopPrompts desktop;
    ScriptedPrompts scripted;
    PromptRouter prompts(desktop, scripted);

    // The windows in their order; every one but the main window is shown modally from it.
    TfrmMain main(state, prompts, options.document);
    desktop.setOwner(&main);
    auto* savePrompt = new TfrmSaveAS(&main);
    auto* about = new TfrmAbout(&main);
    ResultWindows results = CreateResultWindows(main);
    main.attach(*savePrompt, *about);
    main.attachResults(std::make_unique<ResultsFeature>(main, results));

    int status = 0;
    if (!options.script.isEmpty()) {
        // A question of the start-up must not wait for a user who is not there, and the script's
        // first answers are its answers.
        prompts.setScripting(true);
        main.holdStartUpQuestions();
        scripted.setOnUnanswered([](const QString& what) {
            std::fprintf(stderr, "quadrilo: %s\n", what.toUtf8().constData());
        });
        QObject::connect(&main, &TfrmMain::startUpFinished, &main, [&] {
            // After the start-up's own events, so that every line meets a settled window.
            QTimer::singleShot(0, &main, [&] {
                ScriptRunner runner(main, scripted, prompts, options.script,
                                    options.exitAfterScript);
                const int failures = runner.run();
                if (options.exitAfterScript) {
                    status = failures > 0 ? 1 : 0;
                    main.skipCloseCheck();
                    QApplication::exit(status);
                }
            });
        });
    }
    main.show();
    const int loop = app.exec();
    return options.exitAfterScript ? status : loop;
}

} // namespace quadrilo::app

// quadrilo-results-demo: one of the results windows on a solved sample malha, for trying them
// out and for screenshots.
//
// Usage: quadrilo-results-demo --window editor|view3d|calc [--divisions N] [--screenshot FILE.png]
// The screenshot is taken from the screen (so the 3D surface's OpenGL picture is in it) once the
// window has drawn, and the program then quits.
#include "GeneratedMalha.h"
#include "Tfrm3DView.h"
#include "TfrmEditor.h"
#include "TfrmMathGrelha2.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <memory>

using namespace quadrilo::results;

namespace {

constexpr int SettleMilliseconds = 4000; // software OpenGL draws its first frame slowly

void ShootWhenSettled(QWidget* window, const QString& file) {
    QTimer::singleShot(SettleMilliseconds, window, [window, file] {
        const auto picture = window->screen()->grabWindow(window->winId());
        if (!picture.save(file))
            std::fprintf(stderr, "could not save %s\n", qPrintable(file));
        QApplication::quit();
    });
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCommandLineParser options;
    options.addHelpOption();
    const QCommandLineOption which("window", "editor, view3d or calc", "NAME", "view3d");
    const QCommandLineOption divisions("divisions", "divisions of the square malha", "N", "20");
    const QCommandLineOption shot("screenshot", "save the window to FILE and quit", "FILE");
    options.addOptions({which, divisions, shot});
    options.process(app);

    QTemporaryDir programDir;
    const int n = options.value(divisions).toInt();
    const auto malha = fixtures::SolvedMalha(n, n, 500.0 / n, programDir.path().toStdString());
    const auto name = options.value(which);

    std::unique_ptr<QDialog> window;
    quadrilo::engine::GrillageCalculation calculation;
    if (name == "editor") {
        auto editor = std::make_unique<TfrmEditor>(programDir.path());
        (void)editor->LoadListing(programDir.filePath("gOutput.txt"));
        window = std::move(editor);
    } else if (name == "calc") {
        auto dialog = std::make_unique<TfrmMathGrelha2>(calculation, programDir.path());
        auto* run = dialog->findChild<QPushButton*>("executar");
        QTimer::singleShot(0, run, [d = dialog.get(), run] {
            d->findChild<QLineEdit*>("Edit1")->setText("gInput.txt");
            d->findChild<QLineEdit*>("Edit2")->setText("laje-resultados.txt");
            run->click();
        });
        window = std::move(dialog);
    } else {
        auto view = std::make_unique<Tfrm3DView>();
        if (!view->BuildGrid(malha.Nodes))
            return 2;
        window = std::move(view);
    }
    window->show();
    if (options.isSet(shot))
        ShootWhenSettled(window.get(), options.value(shot));
    return app.exec();
}

// The program killed in the middle of its work: the next start gets the work back.
#include "RecoveryFixture.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace quadrilo::app::test {
namespace {

// Saved with one construction line, then a second one drawn and not saved; the script ends and
// the program keeps running.
constexpr char WorkScript[] = "SET pControl 1\n"
                              "SET edtHor 150\n"
                              "DO Criar H\n"
                              "SAVEAS pavimento.vec\n"
                              "SET edtVert 400\n"
                              "DO Criar V\n";
// The next start answers the question and saves.
constexpr char RecoverScript[] = "ANSWER Recuperar\n"
                                 "DO actSave\n";

void writeScript(const QString& path, const char* text) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

TEST(RecoveryAfterACrash, TheProgramKilledMidWorkGivesItsWorkBackAtTheNextStart) {
    QTemporaryDir temp;
    const QString home = temp.filePath(QStringLiteral("home"));
    const QString drawing = temp.filePath(QStringLiteral("pavimento.vec"));
    writeScript(temp.filePath(QStringLiteral("work.qscript")), WorkScript);
    writeScript(temp.filePath(QStringLiteral("recover.qscript")), RecoverScript);
    const QStringList common{QStringLiteral("--home"), home, QStringLiteral("--autosave-seconds"),
                             QStringLiteral("1"), QStringLiteral("--script")};

    QProcess working;
    working.setProcessChannelMode(QProcess::ForwardedChannels);
    working.start(QStringLiteral(QUADRILO_PROGRAM),
                  common + QStringList{temp.filePath(QStringLiteral("work.qscript"))});
    ASSERT_TRUE(working.waitForStarted(10000));
    // Until the recovery file holds both lines.
    const QString recovery = QDir(home).filePath(QStringLiteral("Recovery/session-1.vec"));
    const std::vector<cad::Point3> both{{0, 150, 0}, {400, 0, 0}};
    QElapsedTimer clock;
    clock.start();
    std::vector<cad::Point3> found;
    while (clock.elapsed() < 60000 && working.state() == QProcess::Running) {
        if (QFile::exists(QDir(home).filePath(QStringLiteral("Recovery/session-1.txt")))) {
            const cad::OpenResult opened = cad::openDrawing(recovery.toStdString());
            if (opened.drawing && (found = ConstructionLines(*opened.drawing)) == both)
                break;
        }
        QThread::msleep(100);
    }
    ASSERT_EQ(working.state(), QProcess::Running) << "the program ended by itself";
    ASSERT_EQ(found, both) << "the recovery file never held the work";
    working.kill(); // SIGKILL: no clean end
    ASSERT_TRUE(working.waitForFinished(10000));
    EXPECT_EQ(working.exitStatus(), QProcess::CrashExit);
    EXPECT_EQ(ConstructionLinesInFile(drawing), (std::vector<cad::Point3>{{0, 150, 0}}))
        << "the second line was never saved";

    QProcess recovering;
    recovering.setProcessChannelMode(QProcess::ForwardedChannels);
    recovering.start(QStringLiteral(QUADRILO_PROGRAM),
                     common + QStringList{temp.filePath(QStringLiteral("recover.qscript")),
                                          QStringLiteral("--exit")});
    ASSERT_TRUE(recovering.waitForFinished(60000));
    EXPECT_EQ(recovering.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(recovering.exitCode(), 0);
    EXPECT_EQ(ConstructionLinesInFile(drawing), both) << "\"Salvar\" wrote the recovered work";
    EXPECT_TRUE(QDir(QDir(home).filePath(QStringLiteral("Recovery"))).isEmpty())
        << "a clean end leaves no recovery files";
}

} // namespace
} // namespace quadrilo::app::test

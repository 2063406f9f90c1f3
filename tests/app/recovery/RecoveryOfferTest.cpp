// The start after a crash: the work of the program that died is offered, recovered as the user's
// drawing's unsaved work, discarded, kept for later, or kept aside when it does not open.
#include "../AppFixture.h"
#include "RecoveryFixture.h"

#include "app/documents/DocumentController.h"
#include "app/recovery/Autosave.h"
#include "app/recovery/CrashedSessions.h"

#include <QAction>

namespace quadrilo::app::test {
namespace {

const QString Recover = QStringLiteral("Recuperar");
const QString Discard = QStringLiteral("Descartar");

class Recovering : public AppFixture {
protected:
    void SetUp() override {} // each test leaves the dead program's files first

    QString recoveryDir() const { return QDir(home).filePath(QStringLiteral("Recovery")); }
    QString inDrawings(const char* name) const {
        return QDir(home).filePath(QStringLiteral("Drawings/") + QLatin1String(name));
    }
    // A program that died with a construction line at y in the drawing of `originalPath`.
    RecoverySlot crashedWithLine(double y, const QString& originalPath,
                                 const char* when = "2026-12-11T09:30:00Z") {
        cad::canvas::test::ensureApplication();
        CadSession dead;
        EXPECT_TRUE(dead.addConstructionLine({0, y, 0}, {1, 0, 0}));
        return LeaveCrashedSession(
            recoveryDir(), dead.document(),
            {originalPath, QDateTime::fromString(QString::fromLatin1(when), Qt::ISODate)});
    }
    std::vector<cad::Point3> lines() { return ConstructionLines(drawing()); }
};

TEST_F(Recovering, RecuperarOpensTheWorkAsTheOriginalDrawingsUnsavedChanges) {
    const QString original = inDrawings("pavimento.vec");
    const RecoverySlot dead = crashedWithLine(150, original);
    answer(Recover);
    start();

    ASSERT_EQ(prompts.asked().size(), 1);
    const QString question = prompts.asked().front();
    EXPECT_TRUE(question.contains(original)) << question.toStdString();
    EXPECT_TRUE(question.contains(QStringLiteral("não foi fechado normalmente")));
    EXPECT_EQ(lines(), (std::vector<cad::Point3>{{0, 150, 0}}));
    EXPECT_TRUE(cad().modified());
    EXPECT_EQ(window->windowTitle(), CaptionPrefix + QStringLiteral("pavimento.vec"));
    EXPECT_FALSE(drawing().canUndo()) << "the opening is no step of the user's";
    // The work passed to this program's own files before the dead program's went.
    EXPECT_FALSE(dead.hasFiles());
    EXPECT_FALSE(QFile::exists(dead.lockPath()));
    EXPECT_EQ(ConstructionLinesInFile(window->autosave()->session()->slot().drawingPath()),
              lines());

    trigger("actSave"); // no question: the original file
    EXPECT_EQ(prompts.pending(), 0u);
    EXPECT_EQ(ConstructionLinesInFile(original), (std::vector<cad::Point3>{{0, 150, 0}}));
    EXPECT_FALSE(cad().modified());
}

TEST_F(Recovering, AnUnnamedDrawingComesBackUnnamed) {
    (void)crashedWithLine(150, QString());
    answer(Recover);
    start();
    ASSERT_EQ(prompts.asked().size(), 1);
    EXPECT_TRUE(prompts.asked().front().contains(QStringLiteral("(sem nome)")));
    EXPECT_EQ(lines().size(), 1u);
    EXPECT_TRUE(cad().modified());
    EXPECT_EQ(window->documents().currentFileName(), QStringLiteral("New.vec"));
    EXPECT_TRUE(window->documents().documentPath().isEmpty());

    answer(QStringLiteral("Salvar"), QStringLiteral("novo"));
    trigger("actSave"); // asks for a name, as for any new drawing
    EXPECT_EQ(ConstructionLinesInFile(inDrawings("novo.vec")).size(), 1u);
}

TEST_F(Recovering, DescartarDeletesTheWorkAndTheProgramStartsAsUsual) {
    const RecoverySlot dead = crashedWithLine(150, inDrawings("pavimento.vec"));
    answer(Discard);
    start();
    EXPECT_TRUE(lines().empty());
    EXPECT_FALSE(cad().modified());
    EXPECT_FALSE(dead.hasFiles());
}

TEST_F(Recovering, ClosingTheQuestionKeepsTheWorkForTheNextStart) {
    const RecoverySlot dead = crashedWithLine(150, inDrawings("pavimento.vec"));
    start(); // no answer: as the close box
    ASSERT_EQ(unanswered.size(), 1);
    unanswered.clear();
    EXPECT_TRUE(lines().empty());
    EXPECT_TRUE(dead.hasFiles());

    stop();
    answer(Recover);
    start();
    EXPECT_EQ(lines().size(), 1u);
}

TEST_F(Recovering, TheNewestWorkIsOfferedFirstAndAfterARecoveryTheRestWaits) {
    const RecoverySlot older =
        crashedWithLine(100, inDrawings("antigo.vec"), "2026-12-10T09:00:00Z");
    const RecoverySlot newer =
        crashedWithLine(200, inDrawings("recente.vec"), "2026-12-11T09:00:00Z");
    answer(Recover);
    start();
    ASSERT_EQ(prompts.asked().size(), 1) << "one drawing at a time";
    EXPECT_TRUE(prompts.asked().front().contains(QStringLiteral("recente.vec")));
    EXPECT_EQ(lines(), (std::vector<cad::Point3>{{0, 200, 0}}));
    EXPECT_FALSE(newer.hasFiles());
    EXPECT_TRUE(older.hasFiles());
}

TEST_F(Recovering, WorkThatDoesNotOpenIsKeptAsideAndTheUserTold) {
    const RecoverySlot dead = crashedWithLine(150, inDrawings("pavimento.vec"));
    QByteArray damaged = FileBytes(dead.drawingPath());
    damaged.truncate(damaged.size() / 2);
    {
        QFile file(dead.drawingPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(damaged);
    }
    answer(Recover);
    answer(AnswerOk);
    start();

    ASSERT_EQ(prompts.asked().size(), 2);
    const QString told = prompts.asked().back();
    const QString aside = dead.drawingPath() + QStringLiteral(".damaged");
    EXPECT_TRUE(told.contains(inDrawings("pavimento.vec"))) << told.toStdString();
    EXPECT_TRUE(told.contains(aside)) << told.toStdString();
    EXPECT_EQ(FileBytes(aside), damaged) << "kept, not deleted";
    EXPECT_FALSE(dead.hasFiles());
    // The program started as usual, and the next start asks nothing.
    EXPECT_TRUE(lines().empty());
    EXPECT_FALSE(cad().modified());
    EXPECT_EQ(window->documents().currentFileName(), QStringLiteral("New.vec"));
    stop();
    start();
    EXPECT_EQ(prompts.asked().size(), 2);
}

} // namespace
} // namespace quadrilo::app::test

// The automatic save in the program: only unsaved changes are written, the document does not
// notice, failures are logged without a question, the calculation writes first, and a clean end
// leaves nothing behind.
#include "../AppFixture.h"
#include "RecoveryFixture.h"

#include "app/documents/DocumentController.h"
#include "app/recovery/Autosave.h"

#include "cad/Transaction.h"

#include <QAction>
#include <QFileInfo>

namespace quadrilo::app::test {
namespace {

using Outcome = Autosave::Outcome;

class Autosaving : public AppFixture {
protected:
    Autosave& autosave() { return *window->autosave(); }
    const RecoverySlot& slot() { return autosave().session()->slot(); }
    void addLine(double y) { ASSERT_TRUE(cad().addConstructionLine({0, y, 0}, {1, 0, 0})); }
    std::vector<cad::Point3> recovered() { return ConstructionLinesInFile(slot().drawingPath()); }
    QString savedPath(const char* name) {
        return QDir(drawingsDir()).filePath(QLatin1String(name));
    }
};

TEST_F(Autosaving, WritesOnlyWhatChangedSinceTheLastSaveOrAutomaticSave) {
    ASSERT_NE(autosave().session(), nullptr);
    EXPECT_EQ(autosave().writeIfModified(), Outcome::Unchanged) << "a fresh start has no work";
    EXPECT_FALSE(slot().hasFiles());

    addLine(100);
    EXPECT_EQ(autosave().writeIfModified(), Outcome::Written);
    EXPECT_EQ(recovered(), (std::vector<cad::Point3>{{0, 100, 0}}));
    const QByteArray first = FileBytes(slot().drawingPath());
    EXPECT_EQ(autosave().writeIfModified(), Outcome::Unchanged);
    EXPECT_EQ(FileBytes(slot().drawingPath()), first);

    addLine(200);
    EXPECT_EQ(autosave().writeIfModified(), Outcome::Written);
    EXPECT_EQ(recovered().size(), 2u);
    ASSERT_TRUE(cad().drawing().undo());
    EXPECT_EQ(autosave().writeIfModified(), Outcome::Written) << "an undo is a change too";
    EXPECT_EQ(recovered(), (std::vector<cad::Point3>{{0, 100, 0}}));

    // Saved: the user's file holds the work, and the recovery files go.
    ASSERT_TRUE(window->documents().saveAs(savedPath("planta.vec")));
    EXPECT_EQ(autosave().writeIfModified(), Outcome::Unchanged);
    EXPECT_FALSE(slot().hasFiles());
    EXPECT_FALSE(QFile::exists(slot().drawingPath() + QStringLiteral(".bak")));
}

TEST_F(Autosaving, TheDocumentKeepsItsNameModifiedFlagAndUndoAndTheFileReopensEqual) {
    ASSERT_TRUE(window->documents().saveAs(savedPath("planta.vec")));
    addLine(100);
    set("edtfck", QStringLiteral("30")); // the project record, stored in the drawing
    ASSERT_TRUE(window->storeProjectData());
    const QString name = cad().fileName();
    const std::uint64_t revision = drawing().revision();
    const std::size_t steps = drawing().undoSteps();

    ASSERT_EQ(autosave().writeIfModified(), Outcome::Written);
    EXPECT_EQ(cad().fileName(), name);
    EXPECT_EQ(window->documents().currentFileName(), QStringLiteral("planta.vec"));
    EXPECT_TRUE(cad().modified());
    EXPECT_EQ(drawing().revision(), revision);
    EXPECT_EQ(drawing().undoSteps(), steps);
    EXPECT_TRUE(drawing().canUndo());
    EXPECT_EQ(state->recent.files().value(0), name) << "an automatic save is no save of the user's";

    const cad::OpenResult reopened = cad::openDrawing(slot().drawingPath().toStdString());
    ASSERT_TRUE(reopened.drawing) << reopened.status.detail;
    EXPECT_EQ(cad::encodeDrawing(*reopened.drawing), cad::encodeDrawing(drawing()));
    const std::optional<RecoveryNote> note = ReadRecoveryNote(slot().notePath());
    ASSERT_TRUE(note);
    EXPECT_EQ(note->drawingPath, savedPath("planta.vec"));
    EXPECT_LE(std::abs(note->writtenAt.secsTo(QDateTime::currentDateTimeUtc())), 60);
}

TEST_F(Autosaving, ANewDrawingIsNotedAsUnnamed) {
    addLine(100);
    ASSERT_EQ(autosave().writeIfModified(), Outcome::Written);
    const std::optional<RecoveryNote> note = ReadRecoveryNote(slot().notePath());
    ASSERT_TRUE(note);
    EXPECT_TRUE(note->unnamed());
}

TEST_F(Autosaving, WaitsWhileLongWorkRunsOrAChangeIsOpen) {
    addLine(100);
    ++state->busyDepth;
    EXPECT_EQ(autosave().writeIfModified(), Outcome::Busy);
    --state->busyDepth;
    {
        cad::Transaction tx(drawing());
        (void)tx.add(cad::Entity{.shape = cad::XLineShape{{0, 300, 0}, {1, 0, 0}}});
        EXPECT_EQ(autosave().writeIfModified(), Outcome::Busy);
    }
    EXPECT_FALSE(slot().hasFiles());
    EXPECT_EQ(autosave().writeIfModified(), Outcome::Written);
    EXPECT_EQ(recovered().size(), 2u);
}

TEST_F(Autosaving, AFailureIsLoggedAndAsksNothingAndTheNextTryWrites) {
    addLine(100);
    // A folder where the drawing goes: the atomic writer cannot rename over it.
    ASSERT_TRUE(QDir().mkpath(slot().drawingPath()));
    EXPECT_EQ(autosave().writeIfModified(), Outcome::Failed);
    EXPECT_TRUE(log().last().startsWith(QStringLiteral("Atenção: A gravação automática falhou: ")))
        << log().last().toStdString();
    EXPECT_TRUE(log().last().contains(slot().drawingPath())) << log().last().toStdString();
    EXPECT_TRUE(prompts.asked().isEmpty());
    EXPECT_TRUE(cad().modified());
    EXPECT_EQ(QDir(slot().folder).entryList({QStringLiteral("*.vec.*")}, QDir::Files).size(), 0)
        << "no temporary file left";

    ASSERT_TRUE(QDir(slot().drawingPath()).removeRecursively());
    EXPECT_EQ(autosave().writeIfModified(), Outcome::Written);
}

TEST_F(Autosaving, CalcularWritesTheDrawingBeforeItStarts) {
    addLine(100);
    trigger("actCalculate"); // no slabs: the calculation itself goes nowhere
    EXPECT_EQ(recovered(), (std::vector<cad::Point3>{{0, 100, 0}}));
}

TEST_F(Autosaving, ACleanEndRemovesTheRecoveryFilesAlsoWhenSavingWasDeclined) {
    addLine(100);
    ASSERT_EQ(autosave().writeIfModified(), Outcome::Written);
    addLine(200);
    ASSERT_EQ(autosave().writeIfModified(), Outcome::Written); // the writer's ".bak" as well
    const QString folder = slot().folder;
    ASSERT_FALSE(QDir(folder).isEmpty());

    answer(AnswerNo);
    window->close();
    ASSERT_FALSE(window->isVisible());
    window.reset();
    EXPECT_TRUE(QDir(folder).isEmpty()) << QDir(folder).entryList().join(' ').toStdString();
}

} // namespace
} // namespace quadrilo::app::test

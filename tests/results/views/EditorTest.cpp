// The listing editor: a results file shown as text, the caret read-out, saving through a
// temporary file and the refusal of a place that cannot be written.
#include "TfrmEditor.h"

#include "../GeneratedMalha.h"
#include "../TempFolder.h"
#include "ListingEdit.h"
#include "QtApplication.h"
#include "engine/GrillageCalculation.h"

#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace quadrilo::results {
namespace {

using fixtures::ReadBytes;
using fixtures::WriteBytes;

ino_t Inode(const std::string& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_ino;
}

class EditorTest : public fixtures::WidgetTest {
protected:
    void SetUp() override {
        const auto malha = fixtures::GenerateMalha(2, 1, 100, 100);
        WriteBytes(folder.Path() / "gInput.txt", fixtures::CalculationDataOf(malha));
        engine::GrillageCalculation calculation;
        ASSERT_TRUE(
            calculation.RunGrillageCalculation(folder.File("gInput.txt"), results).Succeeded);
    }

    QString Caret() { return editor.findChild<QLabel*>("Panel1")->text(); }
    ListingEdit* Memo() { return editor.findChild<ListingEdit*>("synMemo"); }

    fixtures::TempFolder folder;
    std::string results = folder.File("gOutput.txt");
    TfrmEditor editor{QString::fromStdString(folder.Path().string())};
};

TEST_F(EditorTest, AResultsFileIsShownAsTextInAFixedPitchFont) {
    ASSERT_TRUE(editor.LoadListing(QString::fromStdString(results)));
    EXPECT_EQ(editor.windowTitle(), "Editor: gOutput.txt");
    EXPECT_EQ(editor.FileName().toStdString(), results);
    auto text = ReadBytes(results);
    for (auto at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at))
        text.erase(at, 1);
    EXPECT_EQ(Memo()->toPlainText().toStdString(), text);
    EXPECT_TRUE(QFontInfo(Memo()->font()).fixedPitch());
    EXPECT_EQ(Memo()->font().pixelSize(), 13);
}

TEST_F(EditorTest, TheReadOutFollowsTheCaret) {
    ASSERT_TRUE(editor.LoadListing(QString::fromStdString(results)));
    editor.show();
    EXPECT_EQ(Caret(), "Linha: 1 / Col: 1");
    auto cursor = Memo()->textCursor();
    cursor.movePosition(QTextCursor::Down, QTextCursor::MoveAnchor, 2);
    cursor.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, 4);
    Memo()->setTextCursor(cursor);
    EXPECT_EQ(Caret(), "Linha: 3 / Col: 5");
    QTest::keyClicks(Memo(), "ab");
    EXPECT_EQ(Caret(), "Linha: 3 / Col: 7");
}

TEST_F(EditorTest, SalvarReplacesTheFileThroughATemporaryFile) {
    ASSERT_TRUE(editor.LoadListing(QString::fromStdString(results)));
    const auto before = ReadBytes(results);
    const auto inode = Inode(results);

    editor.ToolButton2Click(); // unchanged text: the same bytes, CR LF kept
    EXPECT_EQ(ReadBytes(results), before);
    EXPECT_NE(Inode(results), inode); // renamed into place, not written over

    Memo()->moveCursor(QTextCursor::Start);
    Memo()->insertPlainText("Obra 12\n");
    editor.ToolButton2Click();
    EXPECT_EQ(ReadBytes(results), "Obra 12\r\n" + before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 2)
        << "no temporary file is left behind";
}

TEST_F(EditorTest, SalvarComoWritesTheChosenFileAndKeepsTheCaption) {
    ASSERT_TRUE(editor.LoadListing(QString::fromStdString(results)));
    editor.show();
    editor.ToolButton3Click();
    auto* dialog = editor.findChild<QFileDialog*>("dlgSave");
    ASSERT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->nameFilters(), (QStringList{"Arq. Texto (*.txt)", "Todos (*.*)"}));
    const auto copy = folder.File("copia.txt");
    dialog->selectFile(QString::fromStdString(copy));
    QMetaObject::invokeMethod(dialog, "accept");

    EXPECT_EQ(ReadBytes(copy), ReadBytes(results));
    EXPECT_EQ(editor.FileName().toStdString(), copy);
    EXPECT_EQ(editor.windowTitle(), "Editor: gOutput.txt");
}

TEST_F(EditorTest, APlaceThatCannotBeWrittenIsReportedAndNothingChanges) {
    ASSERT_TRUE(editor.LoadListing(QString::fromStdString(results)));
    editor.show();
    editor.ToolButton3Click();
    auto* dialog = editor.findChild<QFileDialog*>("dlgSave");
    emit dialog->fileSelected(QString::fromStdString(folder.File("sem/pasta.txt")));

    auto* box = editor.findChild<QMessageBox*>();
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->text().contains("pasta.txt")) << box->text().toStdString();
    EXPECT_EQ(editor.FileName().toStdString(), results);
}

TEST_F(EditorTest, AFileThatCannotBeReadIsReportedAndTheEditorKeepsItsText) {
    ASSERT_TRUE(editor.LoadListing(QString::fromStdString(results)));
    EXPECT_FALSE(editor.LoadListing(QString::fromStdString(folder.File("absent.txt"))));
    ASSERT_NE(editor.findChild<QMessageBox*>(), nullptr);
    EXPECT_EQ(editor.windowTitle(), "Editor: gOutput.txt");
    EXPECT_FALSE(Memo()->toPlainText().isEmpty());
}

} // namespace
} // namespace quadrilo::results

// The calculation tool dialog: a file solved off the user-interface thread with its progress,
// the names of the last run, errors shown in the dialog, the same file refused as input and
// output, and the hook for the program's own files.
#include "TfrmMathGrelha2.h"

#include "../GeneratedMalha.h"
#include "../TempFolder.h"
#include "QtApplication.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace quadrilo::results {
namespace {

using fixtures::ReadBytes;
using fixtures::WriteBytes;

class CalculationDialogTest : public fixtures::WidgetTest {
protected:
    void SetUp() override {
        WriteBytes(folder.Path() / "laje.txt",
                   fixtures::CalculationDataOf(fixtures::GenerateMalha(40, 30, 25, 25)));
        dialog.show();
    }

    QLineEdit* Edit(const char* name) { return dialog.findChild<QLineEdit*>(name); }
    QString Status() { return dialog.findChild<QLabel*>("lblStatus")->text(); }
    QPushButton* Run() { return dialog.findChild<QPushButton*>("executar"); }

    // Presses "Processar" and waits for the run to end; false if none started.
    bool Process(const QString& input, const QString& output) {
        Edit("Edit1")->setText(input);
        Edit("Edit2")->setText(output);
        QSignalSpy finished(&dialog, &TfrmMathGrelha2::calculationFinished);
        QTest::mouseClick(Run(), Qt::LeftButton);
        if (!dialog.Running())
            return false;
        return finished.wait(60000);
    }

    fixtures::TempFolder folder;
    QString programDir = QString::fromStdString(folder.Path().string());
    engine::GrillageCalculation calculation;
    TfrmMathGrelha2 dialog{calculation, programDir};
};

TEST_F(CalculationDialogTest, OpensOnTheProgramFolderWithTheFixedTexts) {
    EXPECT_EQ(dialog.windowTitle(), "Ferramenta de Cálculo de Grelhas:");
    EXPECT_EQ(dialog.ShownFolder(), programDir);
    EXPECT_EQ(Edit("Edit1")->text(), "*.txt");
    EXPECT_EQ(Edit("Edit2")->text(), "");
    EXPECT_EQ(Run()->text(), "Processar");
    EXPECT_EQ(dialog.findChild<QProgressBar*>("progress")->maximum(), 90);
    EXPECT_EQ(dialog.findChild<QPushButton*>("BitBtn1")->text(), "Fechar");
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize()); // not resizable
}

TEST_F(CalculationDialogTest, SolvesOffTheInterfaceThreadWithOneRunAtATime) {
    QSignalSpy messages(&dialog, &TfrmMathGrelha2::solverMessage);
    QSignalSpy positions(dialog.findChild<QProgressBar*>("progress"), &QProgressBar::valueChanged);
    QSignalSpy finished(&dialog, &TfrmMathGrelha2::calculationFinished);
    Edit("Edit1")->setText("laje.txt"); // a bare name is taken in the folder shown
    Edit("Edit2")->setText("laje-resultados.txt");
    QTest::mouseClick(Run(), Qt::LeftButton);
    ASSERT_TRUE(dialog.Running());
    EXPECT_FALSE(Run()->isEnabled());
    dialog.executarClick(); // a second press while the first run goes on starts nothing
    dialog.close();         // and the dialog stays open until the run has ended
    EXPECT_TRUE(dialog.isVisible());

    ASSERT_TRUE(finished.wait(60000));
    EXPECT_TRUE(finished.at(0).at(0).toBool()) << Status().toStdString();
    EXPECT_TRUE(Run()->isEnabled());
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages.at(0).at(0).toString(),
              "Tamanho da Matriz de Rigidez Global: [3814 x 3814]");
    const auto results = ReadBytes(folder.Path() / "laje-resultados.txt");
    EXPECT_NE(results.find("Deslocamento nodal"), std::string::npos);

    // The bar moved on the interface thread: full from the step at 90 on, then back to 0.
    QList<int> seen;
    for (const auto& call : positions)
        seen << call.at(0).toInt();
    EXPECT_TRUE(seen.contains(90));
    EXPECT_EQ(seen.last(), 0);

    dialog.hide();
    Edit("Edit1")->clear();
    dialog.show(); // shows the names of the last run
    EXPECT_EQ(Edit("Edit1")->text(), programDir + "/laje.txt");
    EXPECT_EQ(Edit("Edit2")->text(), programDir + "/laje-resultados.txt");
}

TEST_F(CalculationDialogTest, TheSameFileForInputAndOutputIsRefused) {
    const auto data = ReadBytes(folder.Path() / "laje.txt");
    for (const auto& output : {programDir + "/laje.txt", QString("laje.txt"), QString("LAJE.TXT"),
                               programDir + "/./laje.txt"}) {
        EXPECT_FALSE(Process("laje.txt", output)) << output.toStdString();
        EXPECT_EQ(Status().toStdString(),
                  "Erro: O arquivo de resultados não pode ser o próprio arquivo de dados de "
                  "cálculo");
    }
    EXPECT_EQ(ReadBytes(folder.Path() / "laje.txt"), data);
    EXPECT_TRUE(calculation.LastInputFile().empty()) << "no run started";
}

TEST_F(CalculationDialogTest, ErrorsAreShownInTheDialog) {
    ASSERT_TRUE(Process("*.txt", "saida.txt"));
    EXPECT_TRUE(Status().startsWith("Erro: ")) << Status().toStdString();
    EXPECT_TRUE(Status().contains("*.txt")) << Status().toStdString();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "saida.txt"));
}

TEST_F(CalculationDialogTest, WritingTheProgramsOwnFilesIsAnnounced) {
    QSignalSpy written(&dialog, &TfrmMathGrelha2::programFilesWritten);
    ASSERT_TRUE(Process("laje.txt", "outra.txt"));
    EXPECT_EQ(written.size(), 0);
    ASSERT_TRUE(Process("laje.txt", "gOutput.txt"));
    EXPECT_EQ(written.size(), 1);
    ASSERT_TRUE(Process("laje.txt", programDir + "/GINPUT.TXT"));
    EXPECT_EQ(written.size(), 2);
}

} // namespace
} // namespace quadrilo::results

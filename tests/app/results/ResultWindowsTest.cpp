// The listings, the editor, the 3D view and the calculation tool as the main window opens them.
#include "ResultsFixture.h"

#include "app/results/ResultsFeature.h"

#include "results/CalculationFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace quadrilo::app::test {
namespace {

class ResultWindowsTest : public ResultsFixture {
protected:
    const ResultWindows& windows() { return window->results()->windows().windows(); }
    QString editorText() {
        return windows().editor->findChild<QPlainTextEdit*>()->toPlainText();
    }
};

TEST_F(ResultWindowsTest, ListingsRefuseFilesThatAreMissingOrNoLongerCurrent) {
    trigger("actlistInput");
    EXPECT_EQ(log().back(), QStringLiteral("Erro: Não há listagem de dados ainda!"));
    trigger("ActListResult");
    EXPECT_EQ(log().back(), QStringLiteral("Erro: Não há listagem de resultados ainda"));
    EXPECT_FALSE(windows().editor->isVisible());

    calculate();
    trigger("ActListResult");
    results::TfrmEditor& editor = *windows().editor;
    EXPECT_TRUE(editor.isVisible());
    EXPECT_EQ(editor.FileName(), state->folders.calculationOutputPath());
    EXPECT_EQ(editor.windowTitle(), QStringLiteral("Editor: gOutput.txt"));
    EXPECT_TRUE(editorText().contains(QStringLiteral("Deslocamento nodal")));
    editor.close();

    // A change of the elements: the results file stays, but is no longer the model's.
    state->flags.ResultsCurrent = false;
    trigger("ActListResult");
    EXPECT_EQ(log().back(), QStringLiteral("Erro: Não há listagem de resultados ainda"));
    EXPECT_FALSE(editor.isVisible());
    trigger("actlistInput");
    EXPECT_EQ(editor.FileName(), state->folders.calculationInputPath());
    editor.close();

    // "Editor" shows the last listing again.
    trigger("mnuEditor");
    EXPECT_TRUE(editor.isVisible());
    EXPECT_EQ(editor.windowTitle(), QStringLiteral("Editor: gInput.txt"));
    editor.close();
}

TEST_F(ResultWindowsTest, TheViewOpensOnTheGeneratedMalhaAndLeavesTheDrawingAlone) {
    calculate();
    trigger("actDeformada");
    set("edtdX", QStringLiteral("3")); // the divisions edited since the malha was generated
    const std::size_t steps = drawing().undoSteps();
    cad().setModified(false);
    const QString before = log().join(QLatin1Char('\n'));
    trigger("actViewrender");
    EXPECT_TRUE(windows().view3D->isVisible());
    EXPECT_EQ(log().join(QLatin1Char('\n')), before); // no refusal
    EXPECT_EQ(drawing().undoSteps(), steps);
    EXPECT_FALSE(cad().modified());
    windows().view3D->close();
}

class CalculationTool : public ResultWindowsTest {
protected:
    results::TfrmMathGrelha2& dialog() { return *windows().calculationTool; }
    QLineEdit& edit(const char* name) { return *dialog().findChild<QLineEdit*>(name); }
    QString status() { return dialog().findChild<QLabel*>("lblStatus")->text(); }
    // Presses "Processar"; false when no run started or it did not end.
    bool process(const QString& input, const QString& output) {
        edit("Edit1").setText(input);
        edit("Edit2").setText(output);
        QSignalSpy finished(&dialog(), &results::TfrmMathGrelha2::calculationFinished);
        QTest::mouseClick(dialog().findChild<QPushButton*>("executar"), Qt::LeftButton);
        return dialog().Running() && finished.wait(60000);
    }
};

TEST_F(CalculationTool, SolvesAFileFromTheMenuAndRefusesOneNameForBoth) {
    calculate();
    trigger("actShowcalcDlg");
    ASSERT_TRUE(dialog().isVisible());
    // The names of the last run, the program's own calculation.
    EXPECT_EQ(edit("Edit1").text(), state->folders.calculationInputPath());
    EXPECT_EQ(edit("Edit2").text(), state->folders.calculationOutputPath());

    const QString input = state->folders.calculationInputPath();
    const QString other = state->folders.inHome(QStringLiteral("outro.txt"));
    ASSERT_TRUE(process(input, other));
    EXPECT_TRUE(QFileInfo(other).size() > 0);
    EXPECT_TRUE(state->flags.ResultsCurrent); // "gOutput.txt" untouched

    const QByteArray data = [&] {
        QFile f(input);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return f.readAll();
    }();
    EXPECT_FALSE(process(input, input));
    EXPECT_EQ(status(), QString::fromUtf8(results::SameFileMessage));
    QFile again(input);
    ASSERT_TRUE(again.open(QIODevice::ReadOnly));
    EXPECT_EQ(again.readAll(), data);

    // A run into the program's own results file: they are no longer the drawing's.
    ASSERT_TRUE(process(input, state->folders.calculationOutputPath()));
    EXPECT_FALSE(state->flags.ResultsCurrent);
    dialog().close();
}

} // namespace
} // namespace quadrilo::app::test

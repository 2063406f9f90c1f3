// The project record between its editors, memory and the drawing.
#include "AppFixture.h"

#include "app/window/NumberCheck.h"
#include "app/projectdata/ProjectDataEditor.h"

#include "cad/DrawingFile.h"
#include "cad/Transaction.h"

#include <QPlainTextEdit>
#include <QSpinBox>

#include <cmath>

namespace quadrilo::app::test {
namespace {

using ProjectData = AppFixture;

TEST_F(ProjectData, StoreSaveAndReopenGiveEveryFieldBackBitForBit) {
    set("edtfck", QStringLiteral("255"));
    set("edtdX", QStringLiteral("20"));
    set("edtdY", QStringLiteral("15"));
    set("edtEc", QString::number(4760.0 * std::sqrt(21.0) * 1000.0, 'g', 17));
    set("edtPEParede", QStringLiteral("14.5"));
    set("edtVigaIt", QStringLiteral("(b^3*h)/3.1"));
    set("memo", QStringLiteral("Pavimento tipo\\nLaje L1"));
    control<QSpinBox>("spnDiagDef").setValue(25);
    // The box and the spacings have no editor: the grillage generation writes them.
    state->project.XMax = 812.5;
    state->project.YMin = -3.25;
    state->project.StepX = 40.625;
    ASSERT_TRUE(window->storeProjectData());
    const std::vector<std::uint8_t> stored = state->project.Encode();
    EXPECT_EQ(cad().drawingData(), stored);
    EXPECT_EQ(state->project.Memo, "Pavimento tipo\r\nLaje L1\r\n");

    const QString path = QDir(drawingsDir()).filePath(QStringLiteral("rec.vec"));
    ASSERT_TRUE(window->documents().saveAs(path));
    stop();
    start(path);
    EXPECT_EQ(state->project.Encode(), stored);
    EXPECT_EQ(control("edtfck").text(), QStringLiteral("255"));
    EXPECT_EQ(control("edtVigaIt").text(), QStringLiteral("(b^3*h)/3.1"));
    EXPECT_EQ(control<QPlainTextEdit>("memo").toPlainText(),
              QStringLiteral("Pavimento tipo\nLaje L1"));
    EXPECT_EQ(control<QSpinBox>("spnDiagDef").value(), 25);
    EXPECT_FALSE(cad().modified()) << "the tab change of the start stored the same record";
}

TEST_F(ProjectData, AScaleReachesTheDrawingAtTheNextStore) {
    const std::vector<std::uint8_t> before = cad().drawingData();
    control<QSpinBox>("spndeffact").setValue(21000);
    EXPECT_EQ(state->project.DefFact, 21000);
    EXPECT_EQ(cad().drawingData(), before);
    window->tabs().setCurrentIndex(1);
    EXPECT_EQ(TProjectData::Decode(cad().drawingData()).DefFact, 21000);
}

TEST_F(ProjectData, ARefusedFieldKeepsTheRecordTheDrawingAndTheTab) {
    set("edtPELaje", QStringLiteral("22"));
    set("edtfck", QStringLiteral("300"));
    const std::vector<std::uint8_t> before = cad().drawingData();
    window->tabs().setCurrentIndex(5);
    EXPECT_EQ(log().last(),
              QStringLiteral("Erro: fck de 300 MPa recusado: o valor deve ficar entre 0 e 255; "
                             "mantido 20."));
    EXPECT_TRUE(ShowsInvalid(control("edtfck")));
    EXPECT_EQ(state->project.fck, 20);
    EXPECT_EQ(state->project.PELaje, 25.0) << "all or nothing";
    EXPECT_EQ(cad().drawingData(), before);
    EXPECT_NE(window->CurrentLayerName(), QStringLiteral("Quadrilo"));

    set("edtfck", QStringLiteral("20"));
    set("edtEc", QStringLiteral("abc"));
    answer(AnswerOk);
    EXPECT_FALSE(window->storeProjectData());
    EXPECT_EQ(prompts.asked().last(), QStringLiteral("\"abc\" não é um número válido em Ec."));
    EXPECT_EQ(state->project.PELaje, 25.0);
}

TEST_F(ProjectData, ADrawingWithoutA1400ByteRecordStartsFromTheDefaults) {
    for (const std::size_t size : {std::size_t(0), std::size_t(1399), std::size_t(1401)}) {
        auto other = cad::openDrawing(state->folders.builtStartDrawing().toStdString());
        ASSERT_TRUE(other.drawing);
        cad::Transaction(*other.drawing).setDrawingData(std::vector<std::uint8_t>(size, 7));
        const QString path = temp.filePath(QStringLiteral("sem-registro-%1.vec").arg(size));
        ASSERT_TRUE(cad::saveDrawing(*other.drawing, path.toStdString()));
        // The previous project's values, in memory and in the editors.
        state->project.fck = 35;
        control("edtfck").setText(QStringLiteral("35"));
        control("edtEc").setText(QStringLiteral("30000000"));
        ASSERT_TRUE(window->documents().open(path));
        EXPECT_EQ(log().last(), QStringLiteral("Atenção: O desenho não tem dados de projeto; "
                                               "foram adotados os valores padrão."))
            << size;
        EXPECT_EQ(state->project.fck, 20);
        EXPECT_EQ(control("edtfck").text(), QStringLiteral("20"));
        EXPECT_EQ(control("edtEc").text(), QStringLiteral("32000000"));
    }
}

} // namespace
} // namespace quadrilo::app::test

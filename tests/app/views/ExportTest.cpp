// "Exportar": a bitmap of the visible area, a DXF that ezdxf audits clean, a ".vec" copy; the
// document keeps its name, caption and modified flag; failures are logged as errors.
#include "app/AppFixture.h"

#include "app/drawing/DrawingWindow.h"
#include "app/views/ViewTools.h"

#include "cad/DrawingFile.h"
#include "cad/canvas/CadCanvas.h"
#include "cad/dxf/DwgSupport.h"
#include "cad/dxf/DxfFixture.h"
#include "cad/dxf/Ezdxf.h"

#include <QFile>
#include <QImage>

namespace quadrilo::app::test {
namespace {

class Export : public AppFixture {
protected:
    cad::canvas::CadCanvas& canvas() { return window->drawingWindow()->canvas(); }
    app::ViewTools& views() { return window->views(); }
    // A saved document with a change since: what export must leave as it is.
    QString savedAndChanged() {
        const QString path = temp.filePath(QStringLiteral("planta.vec"));
        EXPECT_TRUE(window->documents().saveAs(path));
        EXPECT_TRUE(cad().addConstructionLine({0, 75, 0}, {1, 0, 0}));
        set("edtfck", QStringLiteral("35"));
        return path;
    }
    struct DocumentState {
        QString caption, name, engineName;
        bool modified;
        bool operator==(const DocumentState&) const = default;
    };
    DocumentState documentState() {
        return {window->windowTitle(), window->documents().currentFileName(), cad().fileName(),
                cad().modified()};
    }
};

TEST_F(Export, ABitmapIs5000PixelsWideFromTheVisibleAreaWhateverTheZoom) {
    // A horizontal line across the middle of a window 250 units wide: 20 pixels per unit.
    cad::canvas::ViewTransform& view = canvas().view();
    view.setCentre({125, 50, 0});
    view.setPixelsPerUnit(view.viewport().width() / 250.0);
    canvas().commitView();
    {
        cad::Transaction tx(drawing());
        (void)tx.add(cad::Entity{.color = 1, .shape = cad::LineShape{{0, 50, 0}, {250, 50, 0}}});
    }
    const double visibleHeight = view.viewport().height() / view.pixelsPerUnit();

    ASSERT_TRUE(views().exportDrawing(temp.filePath(QStringLiteral("planta")), ExportType::Bitmap));
    const QString path = temp.filePath(QStringLiteral("planta.bmp"));
    EXPECT_EQ(log().last(), QStringLiteral("Arquivo: %1 exportado para: .bmp.").arg(path));
    const QImage image(path);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), 5000);
    EXPECT_EQ(image.height(), qRound(visibleHeight * 20.0));
    // The red line lies on the middle row, from end to end.
    const int middle = image.height() / 2;
    int red = 0;
    for (int x = 0; x < image.width(); ++x)
        for (int y = middle - 1; y <= middle + 1; ++y)
            if (image.pixelColor(x, y) == QColor(Qt::red)) {
                ++red;
                break;
            }
    EXPECT_GT(red, 4900);
}

TEST_F(Export, ACopyLeavesTheDocumentsNameCaptionAndModifiedFlagAndCarriesTheRecord) {
    const QString document = savedAndChanged();
    const DocumentState before = documentState();
    ASSERT_TRUE(before.modified);
    for (const char* name : {"copia.vec", "copia.dxf", "copia.bmp"}) {
        const QString path = temp.filePath(QLatin1String(name));
        ASSERT_TRUE(views().exportDrawing(path, ExportTypeOfName(path))) << name;
        EXPECT_TRUE(QFile::exists(path)) << name;
        EXPECT_EQ(documentState(), before) << name;
    }
    const auto copy = cad::openDrawing(temp.filePath(QStringLiteral("copia.vec")).toStdString());
    ASSERT_TRUE(copy.drawing);
    EXPECT_EQ(TProjectData::Decode(copy.drawing->data().exData).fck, 35)
        << "the project record is stored before the copy";

    // "Salvar" still writes the document, not an export.
    trigger("actSave");
    EXPECT_FALSE(cad().modified());
    const auto saved = cad::openDrawing(document.toStdString());
    EXPECT_EQ(TProjectData::Decode(saved.drawing->data().exData).fck, 35);
}

TEST_F(Export, AFailedExportLogsItsErrorAndNoSuccess) {
    savedAndChanged();
    const DocumentState before = documentState();
    const QString missing = temp.filePath(QStringLiteral("nao-existe/planta"));
    const struct {
        QString chosen;
        ExportType type;
    } cases[] = {{temp.filePath(QStringLiteral("planta.dwg")), ExportType::Dwg},
                 {missing, ExportType::Bitmap},
                 {missing, ExportType::Dxf},
                 {missing, ExportType::Drawing}};
    for (const auto& c : cases) {
        const qsizetype lines = log().size();
        EXPECT_FALSE(views().exportDrawing(c.chosen, c.type));
        ASSERT_EQ(log().size(), lines + 1);
        EXPECT_TRUE(log().last().startsWith(QStringLiteral("Erro: ")))
            << log().last().toStdString();
        EXPECT_FALSE(QFile::exists(ExportFileName(c.chosen, c.type)));
        EXPECT_EQ(documentState(), before);
    }
    EXPECT_EQ(log().at(log().size() - 4),
              QStringLiteral("Erro: ") + QString::fromUtf8(dxf::DwgExportRefusal))
        << "the DWG refusal names DXF as the way out";
}

TEST_F(Export, TheDialogsTypeGivesTheExtensionAndCancelWritesNothing) {
    answer(AnswerOk, QStringLiteral("desenho.txt"));
    trigger("actSaveExport");
    EXPECT_TRUE(QFile::exists(QDir(cad().defaultDir()).filePath(QStringLiteral("desenho.bmp"))))
        << "a name of another kind becomes a bitmap, the dialog's first type";
    const qsizetype lines = log().size();
    answer(AnswerCancel);
    trigger("actSaveExport");
    EXPECT_EQ(log().size(), lines);
}

TEST_F(Export, ADxfOfEveryEntityKindPassesTheAuditWithItsCountsPerLayer) {
    if (const std::string missing = dxf::test::EzdxfMissing(); !missing.empty())
        GTEST_SKIP() << missing;
    dxf::test::DrawEveryKind(drawing());
    const QString path = temp.filePath(QStringLiteral("planta.dxf"));
    ASSERT_TRUE(views().exportDrawing(path, ExportType::Dxf));
    const dxf::test::EzdxfView read = dxf::test::ReadWithEzdxf(path.toStdString());
    EXPECT_TRUE(read.errors.empty()) << read.raw;
    EXPECT_TRUE(read.fixes.empty()) << read.raw;
    // A multiline is one polyline per line of its style (two here); the axes are layer 0's.
    const std::map<std::string, std::map<std::string, int>> expected{
        {"0", {{"XLINE", 2}}},
        {"Anotações",
         {{"POINT", 1},
          {"LINE", 1},
          {"CIRCLE", 1},
          {"TEXT", 1},
          {"MTEXT", 1},
          {"DIMENSION", 2},
          {"LWPOLYLINE", 2}}},
        {"Linhas de Construção", {{"XLINE", 1}, {"RAY", 1}}},
        {"Vigas", {{"LWPOLYLINE", 2}, {"INSERT", 1}}},
        {"Lajes", {{"LWPOLYLINE", 1}}},
    };
    EXPECT_EQ(read.modelCounts, expected) << read.raw;
}

TEST_F(Export, SalvarOfADxfDocumentSavesANewDrawingAndLeavesTheDxf) {
    const QString dxf = temp.filePath(QStringLiteral("planta.dxf"));
    ASSERT_TRUE(views().exportDrawing(dxf, ExportType::Dxf));
    ASSERT_TRUE(window->documents().open(dxf));
    QFile file(dxf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    file.close();
    ASSERT_TRUE(cad().addConstructionLine({0, 75, 0}, {1, 0, 0}));

    answer(AnswerOk, QStringLiteral("planta"));
    trigger("actSave");
    EXPECT_EQ(window->windowTitle(), CaptionPrefix + QStringLiteral("planta.vec"));
    EXPECT_TRUE(QFile::exists(QDir(cad().defaultDir()).filePath(QStringLiteral("planta.vec"))));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), bytes) << "the user's DXF is not overwritten";
}

} // namespace
} // namespace quadrilo::app::test

// Program scripts run in the program.
#include "ScriptFixture.h"

#include "cad/DrawingFile.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>

#include <cstdio>

namespace quadrilo::app::test {
namespace {

using Scripts = ScriptFixture;

TEST_F(Scripts, BuildsAFloorSavesReopensAndFindsItUnchanged) {
    ASSERT_EQ(run(QStringLiteral("# pavimento de duas lajes\n"
                                 "SET edtfck 25\n"
                                 "DO fck->Ec\n"
                                 "SET pControl 1\n"
                                 "SET edtHor 0\n"
                                 "DO Criar H\n"
                                 "SET edtHor 500\n"
                                 "DO Criar H\n"
                                 "SET edtVert 400\n"
                                 "DO Criar V\n"
                                 "XLINE\n"
                                 "800,0\n"
                                 "800,100\n"
                                 "\n"
                                 "SAVEAS piso.vec\n"
                                 "PRINT TfrmMain\n"
                                 "OPEN piso.vec\n"
                                 "SAVEAS copia.vec\n"
                                 "PRINT edtEc\n")),
              0)
        << err.toStdString();
    EXPECT_TRUE(err.isEmpty()) << err.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("TfrmMain = Tessimo - Orvani/Teluma-> piso.vec\n")));
    EXPECT_TRUE(out.contains(QStringLiteral("edtEc = 23800000\n")));
    EXPECT_TRUE(out.contains(QStringLiteral("Abrindo arquivo: ") + temp.filePath("piso.vec")))
        << "the log goes to standard output";

    const auto saved = cad::openDrawing(temp.filePath(QStringLiteral("piso.vec")).toStdString());
    const auto again = cad::openDrawing(temp.filePath(QStringLiteral("copia.vec")).toStdString());
    ASSERT_TRUE(saved.drawing && again.drawing);
    const auto content = [](const cad::Drawing& d) {
        std::vector<cad::Entity> entities;
        std::vector<cad::Layer> layers;
        for (const cad::LayerId id : d.layerOrder()) {
            layers.push_back(*d.layer(id));
            for (cad::EntityId e = d.firstInLayer(id); e; e = d.nextEntity(e))
                entities.push_back(*d.entity(e));
        }
        return std::tuple{entities, layers, d.data()};
    };
    EXPECT_EQ(content(*saved.drawing), content(*again.drawing));
    EXPECT_EQ(std::get<0>(content(*saved.drawing)).size(), 6u) << "two axes and four lines";
    EXPECT_EQ(TProjectData::Decode(saved.drawing->data().exData).Ec, 23800000.0);
}

TEST_F(Scripts, UndoStopsAtTheOpenedOrNewDocumentWithTheProgramsSetUp) {
    const auto entities = [this] {
        std::size_t n = 0;
        for (const cad::LayerId layer : drawing().layerOrder())
            n += drawing().layerCount(layer);
        return n;
    };
    ASSERT_EQ(run(QStringLiteral("XLINE\n0,0\n100,100\n\nSAVEAS undo.vec\n")), 0)
        << err.toStdString();
    // Each way a document comes up: opened, new; undo then has nothing to take back, not the
    // layers, styles, axes and project record the program set up.
    for (const QString& opening : {QStringLiteral("OPEN undo.vec"), QStringLiteral("DO actNew")}) {
        ASSERT_EQ(run(opening + QStringLiteral("\n")), 0) << err.toStdString();
        const std::size_t before = entities();
        const auto layers = drawing().layerOrder();
        EXPECT_FALSE(drawing().canUndo()) << opening.toStdString();
        ASSERT_EQ(run(QStringLiteral("U\nU\n")), 0) << err.toStdString();
        EXPECT_EQ(entities(), before) << opening.toStdString();
        EXPECT_EQ(drawing().layerOrder(), layers) << opening.toStdString();
    }
}

TEST_F(Scripts, ABadLineFailsWithItsLineNumber) {
    EXPECT_EQ(run(QStringLiteral("SET edtfck 25\n\n# comentário\nSET edtNada 3\nSET edtfck 30\n")),
              1);
    EXPECT_EQ(err, temp.filePath(QStringLiteral("teste.qscript")) +
                       QStringLiteral(":4: no control named edtNada\n"));
    EXPECT_EQ(control("edtfck").text(), QStringLiteral("25")) << "--exit stops at the bad line";
}

TEST_F(Scripts, EveryFailingKindOfLineIsReported) {
    const std::pair<const char*, const char*> lines[] = {
        {"DO Nada", "no action or button named Nada"},
        {"SET chkMalhaVis 2", "chkMalhaVis takes 0 or 1"},
        {"SET spnDiagDef 1.5", "spnDiagDef takes a whole number, not \"1.5\""},
        {"SET spndeffact 2000", "spndeffact is disabled"},
        {"PICK 10;20", "\"10;20\" is not a point x,y"},
        {"EXPORT planta.dwg", "planta.dwg was not exported"},
        {"NAOEXISTE", "the engine's command line did not take \"NAOEXISTE\""},
        {"DO actWeightDeleteAll",
         "no ANSWER for the message box \"Deseja mesmo apagar todas as cargas localizadas?\""},
        {"OPEN nenhum.vec", "nenhum.vec was not opened"},
    };
    for (const auto& [line, message] : lines) {
        EXPECT_EQ(run(QString::fromUtf8(line)), 1) << line;
        EXPECT_TRUE(err.endsWith(QStringLiteral(":1: ") + QString::fromUtf8(message) + '\n'))
            << err.toStdString();
    }
}

TEST_F(Scripts, ExportWritesACopyThatOpensForViewing) {
    ASSERT_EQ(run(QStringLiteral("LINE\n0,0\n100,0\n\n"
                                 "EXPORT planta.dxf\n"
                                 "EXPORT planta\n"
                                 "PRINT TfrmMain\n"
                                 "ANSWER Não\n"
                                 "OPEN planta.dxf\n"
                                 "PRINT TfrmMain\n")),
              0)
        << err.toStdString();
    const QString dxf = temp.filePath(QStringLiteral("planta.dxf"));
    EXPECT_TRUE(out.contains(QStringLiteral("Arquivo: %1 exportado para: .dxf.\n").arg(dxf)));
    EXPECT_TRUE(QFile::exists(temp.filePath(QStringLiteral("planta.bmp"))));
    EXPECT_TRUE(out.contains(QStringLiteral("TfrmMain = Tessimo - Orvani/Teluma-> New.vec\n")))
        << "the export leaves the document's name";
    EXPECT_TRUE(out.contains(QStringLiteral("Arquivos não dwg ou dxf não só podem ser mostrados, "
                                            "mas não podem ser calculados.\n")));
    EXPECT_TRUE(out.contains(QStringLiteral("TfrmMain = Tessimo - Orvani/Teluma-> planta.dxf\n")));
    EXPECT_FALSE(window->findChild<QWidget*>(QStringLiteral("pnlProp"))->isVisible());
    EXPECT_EQ(shapes<cad::LineShape>().size(), 1u) << "the line came back through the DXF";
}

TEST_F(Scripts, AnswersPicksAndTheWindowOnTop) {
    ASSERT_EQ(run(QStringLiteral("SET pControl 2\n"
                                 "ANSWER Sim\n"
                                 "DO actWeightDeleteAll\n"
                                 "DO actAbout\n"
                                 "PRINT Label3\n"
                                 "SCREENSHOT sobre.png\n"
                                 "CLOSE\n"
                                 "LINE\n0,0\n100,0\n\n"
                                 "LINE\n300,300\n400,300\n\n"
                                 "PICK 50,1\n"
                                 "PRINT Label14\n"),
                  false),
              0)
        << err.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("Erro Apagar Cargas: Não há cargas para apagar!\n")));
    EXPECT_TRUE(out.contains(QStringLiteral("Label3 = Versão: 1.5.0\n\rCompilação: 26/06/2016\n")));
    QImage shot(temp.filePath(QStringLiteral("sobre.png")));
    EXPECT_EQ(shot.size(), QSize(421, 301)) << "the about box, the window on top";
    EXPECT_FALSE(window->findChild<TfrmAbout*>()->isVisible());
    EXPECT_EQ(cad().selectionCount(), 1u) << "the click took the line, not the locked axis";
    EXPECT_TRUE(out.contains(QStringLiteral("Label14 = X:_(50.00) ; Y:_(1.00)\n")));
    ASSERT_EQ(run(QStringLiteral("WINDOW 290,290 410,310\nWINDOW -5,-5 5,5\n")), 0);
    EXPECT_EQ(cad().selectionCount(), 2u) << "the second line is inside the first window only";
}

} // namespace
} // namespace quadrilo::app::test

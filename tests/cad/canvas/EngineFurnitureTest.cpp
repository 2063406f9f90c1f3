// The engine's furniture: layer dialog, text tables, context menus, accelerators, profile and
// recent files, file-dialog filter.
#include "CanvasFixture.h"

#include "CanvasDialogs.h"
#include "CanvasTexts.h"
#include "EngineUi.h"

#include <QComboBox>
#include <QListWidget>
#include <QMenu>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>

#include <fstream>

using namespace cad::canvas;

namespace {

class EngineFurniture : public CanvasFixture {
protected:
    EngineUi ui{engine};
    CadUiScope uiScope{ui};
    CadHandle window = ui.addWindow(canvas.get());
    QTemporaryDir dir;

    std::string path(const char* name) const { return (dir.path() + "/" + name).toStdString(); }
    LayerDialog* openLayerDialog() {
        canvas->execute(CmdLayerDialog);
        return canvas->findChild<LayerDialog*>();
    }
};

TEST_F(EngineFurniture, LayerDialogChangesColourVisibilityAndCurrentAsOneUndoStep) {
    CadAddLayer(dwg, "Quadrilo Deformada", 6, 0, -1);
    QSignalSpy applied(canvas.get(), &CadCanvas::dialogApplied);
    LayerDialog* dialog = openLayerDialog();
    ASSERT_NE(dialog, nullptr);
    QTableWidget* t = dialog->table();
    ASSERT_EQ(t->rowCount(), 2);
    static_cast<QSpinBox*>(t->cellWidget(1, 1))->setValue(3);
    t->item(1, 2)->setCheckState(Qt::Unchecked);
    t->item(1, 3)->setCheckState(Qt::Checked); // unchecks layer "0"
    EXPECT_EQ(t->item(0, 3)->checkState(), Qt::Unchecked);
    dialog->addLayerRow();
    t->item(2, 0)->setText("Cargas");
    dialog->accept();
    ASSERT_EQ(applied.count(), 1);
    EXPECT_EQ(applied.at(0).at(0).toInt(), CmdLayerDialog);
    const CadHandle deformed = CadGetLayerByName(dwg, "Quadrilo Deformada");
    EXPECT_EQ(CadLayerGetColor(deformed), 3);
    EXPECT_EQ(CadLayerGetVisible(deformed), 0);
    EXPECT_EQ(CadGetCurLayer(dwg), deformed);
    EXPECT_NE(CadGetLayerByName(dwg, "Cargas"), 0);
    ASSERT_TRUE(doc.undo());
    EXPECT_EQ(CadLayerGetColor(deformed), 6);
    EXPECT_EQ(CadGetLayerByName(dwg, "Cargas"), 0);
}

TEST_F(EngineFurniture, LayerDialogRefusesDuplicateNamesWithoutChangingAnything) {
    CadAddLayer(dwg, "Vigas", 3, 0, -1);
    LayerDialog* dialog = openLayerDialog();
    ASSERT_NE(dialog, nullptr);
    dialog->table()->item(1, 0)->setText("0");
    static_cast<QSpinBox*>(dialog->table()->cellWidget(1, 1))->setValue(9);
    EXPECT_FALSE(dialog->apply());
    EXPECT_EQ(CadLayerGetColor(CadGetLayerByName(dwg, "Vigas")), 3);
    dialog->reject();
}

TEST_F(EngineFurniture, LayerOrderAndPropertiesDialogsApplyAsOneUndoStep) {
    CadAddLayer(dwg, "A", 1, 0, -1);
    CadAddLayer(dwg, "B", 2, 0, -1);
    canvas->execute(CmdLayerOrder);
    auto* order = canvas->findChild<QDialog*>();
    ASSERT_NE(order, nullptr);
    auto* list = order->findChild<QListWidget*>();
    list->setCurrentRow(2); // "B" to the top
    list->insertItem(0, list->takeItem(2));
    order->accept();
    const auto names = [&] {
        std::vector<std::string> out;
        for (CadHandle l = CadGetFirstLayer(dwg); l; l = CadGetNextLayer(dwg, l))
            out.push_back(CadLayerGetName(l));
        return out;
    };
    EXPECT_EQ(names(), (std::vector<std::string>{"B", "0", "A"}));
    ASSERT_TRUE(doc.undo());
    EXPECT_EQ(names(), (std::vector<std::string>{"0", "A", "B"}));

    const CadHandle line = CadAddLine(dwg, 0, 0, 0, 100, 0, 0);
    CadSelectEntity(dwg, line, 1);
    canvas->execute(CmdProperties);
    QDialog* properties = nullptr;
    for (auto* d : canvas->findChildren<QDialog*>())
        if (d->isVisible())
            properties = d;
    ASSERT_NE(properties, nullptr);
    properties->findChild<QComboBox*>()->setCurrentIndex(2); // layer "B"
    properties->findChildren<QSpinBox*>().at(0)->setValue(5);
    properties->accept();
    EXPECT_EQ(CadEntityGetLayer(line), CadGetLayerByName(dwg, "B"));
    EXPECT_EQ(CadEntityGetColor(line), 5);
    ASSERT_TRUE(doc.undo());
    EXPECT_EQ(CadEntityGetColor(line), 256);
}

TEST_F(EngineFurniture, TextTablesSwitchEveryPrompt) {
    installCanvasTexts(engine, TextLanguage::Portuguese);
    type("LINE");
    EXPECT_EQ(doc.promptText(), "Especifique um ponto:");
    doc.cancelCommand();
    installCanvasTexts(engine, TextLanguage::English);
    type("LINE");
    EXPECT_EQ(doc.promptText(), "Specify a point:");
    doc.cancelCommand();
    installCanvasTexts(engine, TextLanguage::Portuguese);
    EXPECT_EQ(canvasText(engine, CanvasText::FileFilter), "Desenho CadBox (*.vec)|*.vec|");
    EXPECT_EQ(qtFileFilter(canvasText(engine, CanvasText::FileFilter)).toStdString(),
              "Desenho CadBox (*.vec)");
    EXPECT_EQ(qtFileFilter("A (*.a)|*.a|B|*.b;*.c").toStdString(), "A (*.a);;B (*.b *.c)");
}

TEST_F(EngineFurniture, ContextMenusFollowTheSelection) {
    // As the application installs them: emptied, then filled; "-" with 0 is a separator.
    for (const int menu : {2, 4, 6, 3, 5, 1})
        CadMenuClear(menu);
    CadMenuAdd(1, "Zoom exteção", 102);
    CadMenuAdd(1, "-", 0);
    CadMenuAdd(1, "Pan tempo real", 111);
    CadMenuAdd(3, "Desfazer", 301);
    CadMenuAdd(7, "Inserir vértice", 331);
    const auto menus = canvas->findChildren<QMenu*>();
    ASSERT_EQ(menus.size(), 3);
    EXPECT_EQ(canvas->contextMenuNumber(px(10, 10)), 1);
    // A polyline selected, the pointer on one of its vertices: the vertex menu.
    CadClearVertices(dwg);
    CadAddVertex(dwg, 100, 100, 0);
    CadAddVertex(dwg, 200, 100, 0);
    CadAddPolyline(dwg, 0, 0);
    CadAddLine(dwg, 0, 300, 0, 50, 300, 0);
    click(150, 100);
    click(20, 300);
    EXPECT_EQ(canvas->contextMenuNumber(px(200, 100)), 7);
    EXPECT_EQ(canvas->contextMenuNumber(px(400, 400)), 3);
    // A window created later gets the same menus.
    CadCanvas later(doc);
    ui.addWindow(&later);
    EXPECT_EQ(later.findChildren<QMenu*>().size(), 3);
}

TEST_F(EngineFurniture, RecentFilesAreUniqueNewestFirstAndSurviveSaveAndLoad) {
    for (int i = 0; i < 12; ++i)
        CadRecentAdd("/d/p" + std::to_string(i) + ".vec");
    CadRecentAdd("/D/P5.VEC"); // the same file in other letters moves to the top
    ASSERT_EQ(ui.recentFiles.size(), EngineUi::maxRecentFiles);
    EXPECT_EQ(ui.recentFiles.front().toStdString(), "/D/P5.VEC");
    EXPECT_EQ(ui.recentFiles.filter(QStringLiteral("/d/p5.vec"), Qt::CaseInsensitive).size(), 1);
    ASSERT_EQ(CadRecentSave(path("Recent.txt")), 1);
    const QStringList saved = ui.recentFiles;
    ui.recentFiles.clear();
    ASSERT_EQ(CadRecentLoad(path("Recent.txt")), 1);
    EXPECT_EQ(ui.recentFiles, saved);
    EXPECT_EQ(CadRecentLoad(path("missing.txt")), 0);
    EXPECT_EQ(ui.recentFiles, saved); // a failed load keeps the list
    EXPECT_EQ(CadRecentSave(path("no/such/dir/Recent.txt")), 0);
}

TEST_F(EngineFurniture, ProfileKeepsTheDraftingSettings) {
    canvas->snapSettings().modes = SnapEndpoint | SnapGrid;
    canvas->snapSettings().gridSpacingX = canvas->snapSettings().gridSpacingY = 12.5;
    canvas->setOrtho(true);
    CadGridPutShow(window, 1);
    CadSetShowCross(0);
    ASSERT_EQ(CadProfileSave(path("User.prf")), 1);
    canvas->snapSettings() = SnapSettings{};
    canvas->setOrtho(false);
    CadGridPutShow(window, 0);
    CadSetShowCross(1);
    ASSERT_EQ(CadProfileLoad(path("User.prf")), 1);
    EXPECT_EQ(canvas->snapSettings().modes, SnapEndpoint | SnapGrid);
    EXPECT_DOUBLE_EQ(canvas->snapSettings().gridSpacingX, 12.5);
    EXPECT_TRUE(canvas->ortho());
    EXPECT_TRUE(canvas->renderStyle().showGrid);
    EXPECT_FALSE(canvas->showCross());
    // A damaged line is ignored, the rest still read.
    std::ofstream(path("bad.prf")) << "gridSpacingX=abc\northo=0\n";
    ASSERT_EQ(CadProfileLoad(path("bad.prf")), 1);
    EXPECT_DOUBLE_EQ(canvas->snapSettings().gridSpacingX, 12.5);
    EXPECT_FALSE(canvas->ortho());
}

TEST_F(EngineFurniture, WindowCallsAndAccelerators) {
    EXPECT_EQ(CadWndResize(window, 0, 0, 640, 480), 1);
    EXPECT_EQ(canvas->size(), QSize(640, 480));
    EXPECT_EQ(CadWndResize(window + 1, 0, 0, 640, 480), 0);
    EXPECT_DOUBLE_EQ(CadGetWinRight(window) - CadGetWinLeft(window), 640.0);
    CadAccelSetDefault();
    CadAddLine(dwg, 0, 0, 0, 10, 10, 0);
    canvas->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(canvas.get()));
    QTest::keyClick(canvas.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(entityCount(), 0u);
    QTest::keyClick(canvas.get(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(entityCount(), 1u);
}

TEST_F(EngineFurniture, RasterizeWritesTheAreaAtTheScaleOrNothing) {
    CadAddLine(dwg, 0, 0, 0, 250, 100, 0);
    // 250 units at 5000 / 250 = 20 pixels per unit: 5000 pixels wide.
    ASSERT_EQ(CadRasterize(dwg, path("plan.bmp"), 0, 0, 250, 100, 5000.0 / 250), 1);
    const QImage image(QString::fromStdString(path("plan.bmp")));
    EXPECT_EQ(image.size(), QSize(5000, 2000));
    EXPECT_NE(image.pixel(2500, 1000), image.pixel(10, 1990)); // the diagonal is drawn
    std::ofstream(path("old.bmp")) << "previous";
    EXPECT_EQ(CadRasterize(dwg, path("old.bmp"), 0, 0, 250, 100, 1e6), 0); // far too large
    EXPECT_EQ(CadRasterize(dwg, path("old.bmp"), 10, 0, 0, 100, 1), 0);    // empty area
    EXPECT_EQ(CadRasterize(dwg, path("old.bmp"), 0, 0, 250, 100, std::nan("")), 0);
    std::ifstream old(path("old.bmp"));
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(old), {}), "previous");
}

TEST_F(EngineFurniture, DeletingTheDrawingLeavesItsWindowHarmless) {
    CadAddLine(dwg, 0, 0, 0, 100, 100, 0);
    canvas->execute(205);
    click(50, 50); // a command waits for its second point
    ASSERT_EQ(CadDelete(dwg), 1);
    EXPECT_FALSE(canvas->hasDocument());
    click(60, 60);
    click(60, 60, Qt::RightButton);
    QTest::keyClick(canvas.get(), Qt::Key_Escape);
    EXPECT_FALSE(canvas->execute(102));
    EXPECT_EQ(CadWndRedraw(window), 1);
    EXPECT_EQ(canvas->grab().size(), canvas->size());
    canvas.reset();
}

} // namespace

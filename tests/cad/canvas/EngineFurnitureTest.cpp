// The engine's furniture: layer dialogs, text tables, context menus, accelerators, bitmaps, the
// file-dialog filter.
#include "CanvasFixture.h"

#include "cad/canvas/CanvasDialogs.h"
#include "cad/canvas/EngineUi.h"
#include "cad/canvas/PropertyWidgets.h"
#include "cad/canvas/Renderer.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>

#include <fstream>

namespace quadrilo::cad::canvas::test {
namespace {

class EngineFurniture : public CanvasFixture {
protected:
    EngineUi ui{engine};
    QTemporaryDir dir;

    EngineFurniture() { ui.addWindow(*canvas); }
    std::string path(const char* name) const { return (dir.path() + "/" + name).toStdString(); }
    LayerId addLayer(const std::string& name, int color) {
        return Transaction(drawing()).addLayer(Layer{name, color});
    }
    const Layer& layer(const std::string& name) {
        return *drawing().layer(drawing().layerByName(name));
    }
    LayerDialog* openLayerDialog() {
        canvas->execute(CmdLayerDialog);
        return canvas->findChild<LayerDialog*>();
    }
    QDialog* shownDialog() {
        for (auto* d : canvas->findChildren<QDialog*>())
            if (d->isVisible())
                return d;
        return nullptr;
    }
    QStringList menuTexts(CadCanvas& c, int entries) {
        QStringList texts;
        for (QMenu* menu : c.findChildren<QMenu*>())
            if (menu->actions().size() == entries)
                for (QAction* a : menu->actions())
                    texts << a->text();
        return texts;
    }
};

TEST_F(EngineFurniture, LayerDialogChangesColourVisibilityAndCurrentAsOneUndoStep) {
    addLayer("Quadrilo Deformada", 6);
    QSignalSpy applied(canvas.get(), &CadCanvas::dialogApplied);
    LayerDialog* dialog = openLayerDialog();
    ASSERT_NE(dialog, nullptr);
    QTableWidget* t = dialog->table();
    ASSERT_EQ(t->rowCount(), 2);
    auto* swatches = static_cast<ColorCombo*>(t->cellWidget(1, 1));
    EXPECT_EQ(swatches->colorIndex(), 6);
    EXPECT_EQ(swatches->count(), 255) << "a layer's colour is one of the palette, none by layer";
    EXPECT_EQ(swatches->itemIcon(swatches->findData(3)).pixmap(14, 14).toImage().pixelColor(7, 7),
              paletteColor(drawing(), 3))
        << "each colour shows as its swatch";
    swatches->setColorIndex(3);
    t->item(1, 2)->setCheckState(Qt::Unchecked);
    t->item(1, 3)->setCheckState(Qt::Checked); // unchecks layer "0"
    EXPECT_EQ(t->item(0, 3)->checkState(), Qt::Unchecked);
    dialog->addLayerRow();
    t->item(2, 0)->setText("Cargas");
    dialog->accept();
    ASSERT_EQ(applied.count(), 1);
    EXPECT_EQ(applied.at(0).at(0).toInt(), CmdLayerDialog);
    EXPECT_EQ(layer("Quadrilo Deformada").color, 3);
    EXPECT_FALSE(layer("Quadrilo Deformada").visible);
    EXPECT_EQ(drawing().settings().currentLayer, drawing().layerByName("Quadrilo Deformada"));
    EXPECT_TRUE(drawing().layerByName("Cargas"));
    ASSERT_TRUE(doc.undo());
    EXPECT_EQ(layer("Quadrilo Deformada").color, 6);
    EXPECT_FALSE(drawing().layerByName("Cargas"));
}

TEST_F(EngineFurniture, LayerDialogRefusesDuplicateNamesWithoutChangingAnything) {
    addLayer("Vigas", 3);
    LayerDialog* dialog = openLayerDialog();
    ASSERT_NE(dialog, nullptr);
    dialog->table()->item(1, 0)->setText("0");
    static_cast<ColorCombo*>(dialog->table()->cellWidget(1, 1))->setColorIndex(9);
    EXPECT_FALSE(dialog->apply());
    EXPECT_EQ(layer("Vigas").color, 3);
    // OK keeps the dialog open with the user's changes and says what is wrong.
    dialog->accept();
    ASSERT_EQ(canvas->findChild<LayerDialog*>(), dialog);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->errorShown().toStdString(), doc.texts().text(TextId::LayerNameInvalid));
    EXPECT_EQ(static_cast<ColorCombo*>(dialog->table()->cellWidget(1, 1))->colorIndex(), 9);
    dialog->table()->item(1, 0)->setText("Vigas T");
    dialog->accept();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(layer("Vigas T").color, 9);
}

TEST_F(EngineFurniture, LayerDialogDeletesEmptyLayersAndSaysWhyItKeepsTheOthers) {
    ui.setMessageTitle("CadBox:");
    addLayer("Vazia", 3);
    const LayerId full = addLayer("Cheia", 4);
    add(PointShape{}, full);
    LayerDialog* dialog = openLayerDialog();
    ASSERT_NE(dialog, nullptr);
    dialog->deleteRow(0); // layer "0"
    auto* refusal = dialog->findChild<QMessageBox*>();
    ASSERT_NE(refusal, nullptr);
    EXPECT_EQ(refusal->text().toStdString(), "Can't delete layer 0");
    EXPECT_EQ(refusal->windowTitle().toStdString(), "CadBox:");
    refusal->close();
    dialog->deleteRow(2); // holds a point
    EXPECT_EQ(dialog->table()->rowCount(), 3);
    dialog->deleteRow(1);
    EXPECT_EQ(dialog->table()->rowCount(), 2);
    dialog->accept();
    EXPECT_FALSE(drawing().layerByName("Vazia"));
    EXPECT_TRUE(drawing().layerByName("Cheia"));
    ASSERT_TRUE(doc.undo());
    EXPECT_TRUE(drawing().layerByName("Vazia"));
}

TEST_F(EngineFurniture, LayerOrderAndPropertiesDialogsApplyAsOneUndoStep) {
    addLayer("A", 1);
    const LayerId b = addLayer("B", 2);
    canvas->execute(CmdLayerOrder);
    auto* order = canvas->findChild<QDialog*>();
    ASSERT_NE(order, nullptr);
    auto* list = order->findChild<QListWidget*>();
    list->insertItem(0, list->takeItem(2)); // "B" to the top
    order->accept();
    const auto names = [&] {
        std::vector<std::string> out;
        for (const LayerId l : drawing().layerOrder())
            out.push_back(drawing().layer(l)->name);
        return out;
    };
    EXPECT_EQ(names(), (std::vector<std::string>{"B", "0", "A"}));
    ASSERT_TRUE(doc.undo());
    EXPECT_EQ(names(), (std::vector<std::string>{"0", "A", "B"}));

    const EntityId line = add(LineShape{{0, 0, 0}, {100, 0, 0}});
    doc.select(line, true);
    canvas->execute(CmdProperties);
    QDialog* properties = shownDialog();
    ASSERT_NE(properties, nullptr);
    properties->findChild<QComboBox*>(QStringLiteral("propertyLayer"))->setCurrentIndex(2); // "B"
    properties->findChild<ColorCombo*>(QStringLiteral("propertyColor"))->setColorIndex(5);
    properties->accept();
    EXPECT_EQ(drawing().entity(line)->layer, b);
    EXPECT_EQ(drawing().entity(line)->color, 5);
    ASSERT_TRUE(doc.undo());
    EXPECT_EQ(drawing().entity(line)->color, ByLayerColor);

    // A text's content is edited with its properties.
    doc.clearSelection();
    const EntityId note = add(TextShape{{0, 0, 0}, "V1", {5, 0.0, 0}});
    doc.select(note, true);
    canvas->execute(CmdProperties);
    properties = shownDialog();
    ASSERT_NE(properties, nullptr);
    auto* content = properties->findChild<QLineEdit*>(QStringLiteral("propertyText"));
    ASSERT_NE(content, nullptr);
    EXPECT_EQ(content->text(), "V1");
    content->setText("V1 20x50");
    properties->accept();
    EXPECT_EQ(std::get<TextShape>(drawing().entity(note)->shape).text, "V1 20x50");
}

TEST_F(EngineFurniture, InstalledTextsSwitchEveryPromptAndTheFileFilter) {
    doc.typeText("LINE");
    EXPECT_EQ(doc.promptText(), "Specify a point:");
    doc.cancelCommand();
    EXPECT_EQ(qtFileFilter(engine.texts().text(TextId::FileFilter)).toStdString(),
              "CadBox drawing (*.vec)");
    engine.texts().set(int(TextId::SpecifyPoint), "Especifique um ponto:");
    engine.texts().set(int(TextId::FileFilter), "Desenho CadBox (*.vec)|*.vec|");
    doc.typeText("LINE");
    EXPECT_EQ(doc.promptText(), "Especifique um ponto:");
    doc.cancelCommand();
    EXPECT_EQ(qtFileFilter(engine.texts().text(TextId::FileFilter)).toStdString(),
              "Desenho CadBox (*.vec)");
    EXPECT_EQ(qtFileFilter("A (*.a)|*.a|B|*.b;*.c").toStdString(), "A (*.a);;B (*.b *.c)");
}

TEST_F(EngineFurniture, TheEngineHasItsOwnMenusUntilTheApplicationFillsThem) {
    EXPECT_TRUE(menuTexts(*canvas, 10).contains("Zoom Extents"));
    engine.texts().set(int(TextId::MenuZoomExtents), "Zoom Extensão");
    CadCanvas portuguese(doc);
    EXPECT_TRUE(menuTexts(portuguese, 10).contains(QStringLiteral("Zoom Extensão")));

    // As the application installs them: emptied, then filled; "-" with 0 is a separator.
    for (const int menu : {2, 4, 6, 3, 5, 1})
        ui.menuClear(menu);
    ui.menuAdd(1, "Zoom exteção", 102);
    ui.menuAdd(1, "-", 0);
    ui.menuAdd(1, "Pan tempo real", 111);
    ui.menuAdd(3, "Desfazer", 301);
    EXPECT_EQ(menuTexts(*canvas, 3), QStringList({"Zoom exteção", "", "Pan tempo real"}));
    EXPECT_EQ(canvas->contextMenuNumber(px(10, 10)), 1);
    // A polyline selected, the pointer on one of its vertices: the vertex menu, the engine's own.
    add(PolylineShape{{{100, 100, 0}, {200, 100, 0}}, false, 0});
    add(LineShape{{0, 300, 0}, {50, 300, 0}});
    click(150, 100);
    click(20, 300);
    EXPECT_EQ(canvas->contextMenuNumber(px(200, 100)), 7);
    EXPECT_TRUE(menuTexts(*canvas, 4).contains("Insert Vertex"));
    EXPECT_EQ(canvas->contextMenuNumber(px(400, 400)), 3);
    // A window created later gets the application's menus.
    CadCanvas later(doc);
    ui.addWindow(later);
    EXPECT_EQ(menuTexts(later, 3), QStringList({"Zoom exteção", "", "Pan tempo real"}));
}

TEST_F(EngineFurniture, DefaultAcceleratorsRunUndoAndRedo) {
    ui.setDefaultAccelerators();
    add(LineShape{{0, 0, 0}, {10, 10, 0}});
    canvas->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(canvas.get()));
    QTest::keyClick(canvas.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(entityCount(), 0u);
    QTest::keyClick(canvas.get(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(entityCount(), 1u);
}

TEST_F(EngineFurniture, RasterizeWritesTheAreaAtTheScaleOrNothing) {
    add(LineShape{{0, 0, 0}, {250, 100, 0}});
    const RenderStyle style;
    // 250 units at 5000 / 250 = 20 pixels per unit: 5000 pixels wide.
    ASSERT_EQ(rasterize(drawing(), path("plan.bmp"), {0, 0, 250, 100}, 5000.0 / 250, style),
              RasterizeResult::Written);
    const QImage image(QString::fromStdString(path("plan.bmp")));
    EXPECT_EQ(image.size(), QSize(5000, 2000));
    EXPECT_NE(image.pixel(2500, 1000), image.pixel(10, 1990)); // the diagonal is drawn
    std::ofstream(path("old.bmp")) << "previous";
    EXPECT_EQ(rasterize(drawing(), path("old.bmp"), {0, 0, 250, 100}, 1e6, style),
              RasterizeResult::TooLarge);
    EXPECT_EQ(rasterize(drawing(), path("old.bmp"), {10, 0, 0, 100}, 1, style),
              RasterizeResult::BadArea);
    EXPECT_EQ(rasterize(drawing(), path("old.bmp"), {0, 0, 250, 100}, std::nan(""), style),
              RasterizeResult::BadArea);
    EXPECT_EQ(rasterize(drawing(), path("none/plan.bmp"), {0, 0, 250, 100}, 1, style),
              RasterizeResult::CannotWrite);
    std::ifstream old(path("old.bmp"));
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(old), {}), "previous");
}

} // namespace
} // namespace quadrilo::cad::canvas::test

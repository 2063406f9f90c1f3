// The drawing tools, the standard views with the view tool bar, the context menus, copy, paste,
// erase and the layer dialog's follow-up, as the main window's actions give them.
#include "app/AppFixture.h"

#include "app/drawing/DrawingLayers.h"
#include "app/drawing/DrawingWindow.h"
#include "app/window/FormParts.h"

#include "cad/canvas/CadCanvas.h"
#include "cad/canvas/CanvasDialogs.h"
#include "cad/canvas/PropertyWidgets.h"

#include <QAction>
#include <QMenu>
#include <QTableWidget>
#include <QToolBar>

#include <map>

namespace quadrilo::app::test {
namespace {

class ViewTools : public AppFixture {
protected:
    // The engine commands started, each with the layer current when it started.
    std::vector<std::pair<int, QString>> started;
    cad::Subscription watch;

    void SetUp() override {
        AppFixture::SetUp();
        watch = cad().document().events().executing.subscribe([this](int command) {
            started.emplace_back(command, cad().currentLayerName());
            return cad::Verdict::Proceed;
        });
    }
    cad::canvas::CadCanvas& canvas() { return window->drawingWindow()->canvas(); }
    // Ends what an action left open: the waiting command and the engine's dialogs.
    void settle() {
        QCoreApplication::processEvents();
        cad().document().cancelCommand();
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* dialog = qobject_cast<QDialog*>(top); dialog && dialog->isVisible())
                dialog->reject();
        QCoreApplication::processEvents();
    }
    bool toolBar2Shown() { return control<QToolBar>("ToolBar2").isVisible(); }
};

TEST_F(ViewTools, EachToolMakesItsLayerCurrentThenStartsItsEngineCommand) {
    const QString notes = QString::fromUtf8(LayerAnnotations);
    const QString construction = QString::fromUtf8(LayerConstructionLines);
    const struct {
        const char* action;
        QString layer; // empty: the action leaves the current layer alone
        int command;
    } cases[] = {
        {"actLinha", notes, 205},
        {"actCircle", notes, 220},
        {"actRectangle", notes, 212},
        {"actPoint", notes, 201},
        {"actConstructionLine", construction, 207},
        {"actRay", construction, 206},
        {"actDrawText", notes, 245},
        {"actDrawMText", notes, 249},
        {"actDim_LIN", notes, 290},
        {"actDim_ALIGNED", notes, 291},
        {"actStyle_DIM", {}, 807},
        {"acAddBlock", {}, 252},
        {"mnuInserirBloco", {}, 252},
        {"actMove", {}, 313},
        {"actProperties", {}, 306},
        {"actUndo", {}, 301},
        {"actRedo", {}, 302},
        {"actLayerShow", {}, 801},
        {"actLayerOrder", {}, 802},
        {"actRealTPan", {}, 111},
        {"actZoomWind", {}, 106},
        {"actPrint", {}, 901},
        {"actPrintPreview", {}, 903},
    };
    for (const auto& c : cases) {
        window->SetCurrentLayer(QStringLiteral("Vigas"));
        started.clear();
        QAction* action = window->actions()[c.action];
        ASSERT_TRUE(action->isEnabled()) << c.action;
        action->trigger();
        ASSERT_FALSE(started.empty()) << c.action;
        EXPECT_EQ(started.front().first, c.command) << c.action;
        EXPECT_EQ(started.front().second, c.layer.isEmpty() ? QStringLiteral("Vigas") : c.layer)
            << c.action;
        settle();
    }
}

TEST_F(ViewTools, TheViewToolBarShowsInEveryStandardViewButTopAndBottomAndAfterReopening) {
    const struct {
        const char* action;
        int command;
        bool shown;
    } views[] = {
        {"actView_SW", 137, true},      {"actView_TOP", 131, false},  {"ActView_LEFT", 133, true},
        {"actView_BOTTOM", 132, false}, {"actView_RIGHT", 134, true}, {"actView_FRONT", 135, true},
        {"actView_BACK", 136, true},    {"actView_SE", 138, true},    {"actView_NE", 139, true},
        {"actView_NW", 130, true},
    };
    for (const auto& v : views) {
        started.clear();
        trigger(v.action);
        ASSERT_FALSE(started.empty()) << v.action;
        EXPECT_EQ(started.front().first, v.command) << v.action;
        EXPECT_EQ(toolBar2Shown(), v.shown) << v.action;
        // Saved in that view, the document opens with the bar as the view left it.
        const QString path = temp.filePath(QStringLiteral("vista.vec"));
        ASSERT_TRUE(window->documents().saveAs(path));
        trigger("actNew");
        EXPECT_FALSE(toolBar2Shown()) << "a new document is in the plan";
        ASSERT_TRUE(window->documents().open(path));
        EXPECT_EQ(toolBar2Shown(), v.shown) << v.action << " reopened";
    }
}

TEST_F(ViewTools, TheContextMenusAreTheProgramsExactly) {
    const QStringList edit{"*REPETIR COMANDO*",  "Desfazer", "Refazer", "",
                           "Auxílio ao desenho", "Opções",   "",        "Propriedades do objeto"};
    const QStringList nothingSelected{"Sair",         "Imprimir",        "",
                                      "Zoom exteção", "Zoom tempo real", "Pan tempo real"};
    const QStringList vertex{"Inserir vértice", "Apagar vértice", "", "Editar vértice..."};
    std::multiset<QStringList> filled;
    for (QMenu* menu : canvas().findChildren<QMenu*>()) {
        QStringList entries;
        for (QAction* action : menu->actions())
            entries << action->text();
        if (!entries.isEmpty())
            filled.insert(entries);
    }
    // Menus 2 and 3 (one and several selected) alike, 1, 7; 4, 5 and 6 empty.
    EXPECT_EQ(filled, (std::multiset<QStringList>{edit, edit, nothingSelected, vertex}));

    // "Imprimir" of menu 1 starts the printing command.
    for (QMenu* menu : canvas().findChildren<QMenu*>())
        for (QAction* action : menu->actions())
            if (action->text() == QStringLiteral("Imprimir"))
                action->trigger();
    ASSERT_FALSE(started.empty());
    EXPECT_EQ(started.front().first, 902);
    settle();
}

TEST_F(ViewTools, CopiarAsksForASelectionFirstAndApagarErasesIt) {
    ASSERT_TRUE(cad().addConstructionLine({0, 40, 0}, {1, 0, 0}));
    trigger("mnuCopiar");
    EXPECT_EQ(log().last(), QStringLiteral("Selecione as entidades a serem copiadas...."));
    EXPECT_TRUE(started.empty()) << "nothing is copied";
    // Colar reaches the program's paste (which answers the engine's 305 itself).
    trigger("mnuColar");
    EXPECT_EQ(log().last(), QStringLiteral("Nenhuma entidade no clipboard!"));

    const std::size_t lines = shapes<cad::XLineShape>().size();
    (void)cad().document().select(shapes<cad::XLineShape>().back().first->id, true);
    trigger("mnuCopiar");
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started.front().first, 304);
    EXPECT_TRUE(cad().clipboardHoldsEntities());

    trigger("mnuApagar");
    EXPECT_EQ(shapes<cad::XLineShape>().size(), lines - 1);
    EXPECT_EQ(cad().selectionCount(), 0u);
}

TEST_F(ViewTools, ANewColourOfTheDeformedGrillagesLayerReachesTheSwatchAndTheRecord) {
    trigger("actLayerShow");
    auto* dialog = canvas().findChild<cad::canvas::LayerDialog*>();
    ASSERT_NE(dialog, nullptr);
    QTableWidget& table = *dialog->table();
    for (int row = 0; row < table.rowCount(); ++row)
        if (table.item(row, 0)->text() == QString::fromUtf8(LayerDeformed))
            qobject_cast<cad::canvas::ColorCombo*>(table.cellWidget(row, 1))->setColorIndex(3);
    ASSERT_TRUE(dialog->apply());
    settle();

    const std::uint32_t green = cad().paletteColor(3); // 0x00BBGGRR
    EXPECT_EQ(state->project.DefColor, green);
    EXPECT_EQ(TProjectData::Decode(cad().drawingData()).DefColor, green)
        << "the record is stored into the drawing";
    const QColor shown = control<ColorSwatch>("ShpColor").color();
    EXPECT_EQ(shown, QColor(green & 0xFF, (green >> 8) & 0xFF, (green >> 16) & 0xFF));
}

} // namespace
} // namespace quadrilo::app::test

// The main window after start-up and the tools of tabs 1, 2 and 6.
#include "AppFixture.h"

#include "app/window/BusyGuard.h"
#include "app/drawing/DrawingLayers.h"
#include "app/drawing/DrawingWindow.h"
#include "app/window/NumberCheck.h"

#include "cad/Transaction.h"
#include "cad/canvas/CadCanvas.h"
#include "cad/canvas/CommandLine.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>

namespace quadrilo::app::test {
namespace {

using MainWindow = AppFixture;

TEST_F(MainWindow, StartsOnTheNewDocumentWithTheProgramsLayersAndTwoAxes) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Tessimo - Orvani/Teluma-> New.vec"));
    QTabWidget& tabs = window->tabs();
    const QStringList captions{
        "1) Dados Iniciais",   "2) Linhas de Construçao", "3) Pilares", "4) Vigas", "5) Lajes",
        "6) Cálculos e Malha", "7) Edição dos Elementos"};
    ASSERT_EQ(tabs.count(), captions.size());
    for (int i = 0; i < tabs.count(); ++i)
        EXPECT_EQ(tabs.tabText(i), captions[i]);
    EXPECT_EQ(tabs.currentIndex(), 0);

    std::vector<std::pair<std::string, int>> layers;
    for (const cad::LayerId id : drawing().layerOrder())
        layers.emplace_back(drawing().layer(id)->name, drawing().layer(id)->color);
    // "Quadrilo Deformada" takes colour index 10 once the project record is loaded.
    const std::vector<std::pair<std::string, int>> expected{{"0", 7},
                                                            {"Linhas de Construção", 7},
                                                            {"Pilares", 3},
                                                            {"Vigas", 1},
                                                            {"Paredes", 5},
                                                            {"Lajes", 2},
                                                            {"Anotações", 256},
                                                            {"Quadrilo", 254},
                                                            {"Quadrilo Deformada", 10},
                                                            {"Cargas", 5}};
    EXPECT_EQ(layers, expected);
    const auto axes = shapes<cad::XLineShape>();
    ASSERT_EQ(axes.size(), 2u);
    for (const auto& [entity, line] : axes) {
        EXPECT_TRUE(entity->locked);
        EXPECT_EQ(layerOf(*entity), "0");
    }
    EXPECT_EQ(axes[0].second.dir, (cad::Point3{100, 0, 0}));
    EXPECT_EQ(axes[1].second.dir, (cad::Point3{0, 100, 0}));
    EXPECT_NE(drawing().mlineStyleByName("stVigas"), cad::MlineStyleId{});
    EXPECT_EQ(drawing().settings().currentDimStyle, drawing().dimStyleByName("Grelha"));

    EXPECT_TRUE(state->flags.MeshOutdated);
    EXPECT_FALSE(state->flags.ResultsCurrent);
    EXPECT_FALSE(cad().modified());
    EXPECT_FALSE(drawing().canUndo()); // the set-up is not the user's to undo
    EXPECT_EQ(log(), QStringList{"Abrindo arquivo: New.vec"});
}

TEST_F(MainWindow, LaysOutToolBarsMenusAndTheEnginesPortugueseTexts) {
    EXPECT_EQ(control<QLabel>("Label14").text(), QStringLiteral("X;Y"));
    EXPECT_EQ(control<QProgressBar>("MainProgress").maximum(), 90);
    EXPECT_TRUE(control<QToolBar>("ToolBar1").isVisible());
    EXPECT_FALSE(control<QToolBar>("ToolBar2").isVisible());
    for (const char* hidden : {"mnuFormatar", "mnuInserir", "mnuLingua"})
        EXPECT_FALSE(control<QMenu>(hidden).menuAction()->isVisible()) << hidden;
    QStringList menus;
    for (QAction* entry : window->menuBar()->actions())
        if (entry->isVisible())
            menus << entry->text();
    EXPECT_EQ(menus,
              (QStringList{"Arquivo", "Editar", "Desenhar", "Isométrico", "Ferramentas", "Ajuda"}));
    const std::pair<const char*, const char*> hints[] = {
        {"actNew", "projeto novo"},
        {"actRealTPan", "desloca o desenho em\ntempo real"},
        {"actSaveProjExtData", "Salva dados iniciais da\nmalha principal"},
        {"actWeightDeleteAll", "Apagar todas as cargas"}};
    for (const auto& [name, hint] : hints)
        EXPECT_EQ(window->actions()[name]->toolTip(), QString::fromUtf8(hint)) << name;
    EXPECT_EQ(control<QPushButton>("btnGc").toolTip(),
              QStringLiteral("Gera Gc em função de \nEc \n Ex: Gc:= 0.4 x Ec"));
    for (const char* connected : {"actMalha", "actCalculate", "actDeformada", "actDrawWeight"})
        EXPECT_TRUE(window->actions()[connected]->isEnabled()) << connected;
    EXPECT_EQ(cad().engine().texts().text(cad::TextId::SpecifyPoint), "Especifique um ponto:");
    EXPECT_EQ(cad().ui().messageTitle(), QStringLiteral("CadBox:"));
}

TEST_F(MainWindow, TabChangeStoresAndMakesThePagesLayerCurrent) {
    const std::pair<int, const char*> pages[] = {{1, LayerConstructionLines},
                                                 {2, LayerColumns},
                                                 {3, LayerBeams},
                                                 {4, LayerSlabs},
                                                 {5, LayerMesh},
                                                 {6, LayerMesh},
                                                 {0, LayerMesh}};
    for (const auto& [page, layer] : pages) {
        window->tabs().setCurrentIndex(page);
        EXPECT_EQ(window->CurrentLayerName(), QString::fromUtf8(layer)) << page;
        EXPECT_EQ(control<QComboBox>("layerCombo").currentText(), QString::fromUtf8(layer));
    }
}

TEST_F(MainWindow, ResultsStayCurrentUntilAStoredValueChanges) {
    state->flags.ResultsCurrent = true;
    window->tabs().setCurrentIndex(5);
    window->tabs().setCurrentIndex(0);
    EXPECT_TRUE(state->flags.ResultsCurrent) << "nothing changed";
    set("edtPELaje", QStringLiteral("24"));
    window->tabs().setCurrentIndex(5);
    EXPECT_FALSE(state->flags.ResultsCurrent);
    EXPECT_EQ(state->project.PELaje, 24.0);

    state->flags.ResultsCurrent = true;
    set("edtLoadfact", QStringLiteral("pp+1.4*ca"));
    EXPECT_FALSE(state->flags.ResultsCurrent) << "the load combination changed";
}

TEST_F(MainWindow, TypingInFckOrTheDivisionsMarksTheDrawingModified) {
    set("edtPELaje", QStringLiteral("24"));
    EXPECT_FALSE(cad().modified());
    set("edtdX", QStringLiteral("12"));
    EXPECT_TRUE(cad().modified());
}

TEST_F(MainWindow, NumericEditsTurnRedWhileTheirTextIsNoNumber) {
    const std::pair<const char*, bool> texts[] = {
        {"", false}, {"1,5", false}, {"1.5", true}, {"-2E3", true}, {"abc", false}};
    for (const char* name : {"edtNodalLoad", "edtEc", "edtdY"})
        for (const auto& [text, number] : texts) {
            set(name, QString::fromUtf8(text));
            EXPECT_EQ(ShowsInvalid(control(name)), !number) << name << " \"" << text << "\"";
        }
    // edtHor checks at every key release.
    set("edtHor", QStringLiteral("1,5"));
    EXPECT_TRUE(ShowsInvalid(control("edtHor")));
    set("edtHor", QStringLiteral("15"));
    EXPECT_FALSE(ShowsInvalid(control("edtHor")));
}

TEST_F(MainWindow, FckGivesEcAndTheGcFormulaGivesGc) {
    set("edtfck", QStringLiteral("25"));
    control<QPushButton>("btnFckEc").click();
    EXPECT_EQ(control("edtEc").text(), QStringLiteral("23800000")); // 4760 · √25 · 1000
    control<QPushButton>("btnGc").click();
    EXPECT_EQ(control("edtGc").text(), QStringLiteral("9520000"));
    EXPECT_EQ(state->project.Ec, 23800000.0);
    EXPECT_EQ(state->project.Gc, 9520000.0);

    set("edtGcFactor", QStringLiteral("Ec*(0.4"));
    answer(AnswerOk);
    control<QPushButton>("btnGc").click();
    EXPECT_EQ(prompts.asked().size(), 1u) << "the parser's error is shown";
    EXPECT_EQ(control("edtGc").text(), QStringLiteral("9520000"));
}

TEST_F(MainWindow, CriarHAndCriarVDrawConstructionLinesWithUnitDirections) {
    window->tabs().setCurrentIndex(1);
    set("edtHor", QStringLiteral("150"));
    control<QPushButton>("btnCriarH").click();
    EXPECT_TRUE(control("edtHor").text().isEmpty());
    set("edtVert", QStringLiteral("0"));
    QTest::keyClick(&control("edtVert"), Qt::Key_Return); // Enter acts as "Criar V"
    const auto lines = shapes<cad::XLineShape>();
    ASSERT_EQ(lines.size(), 4u); // the two axes first
    EXPECT_EQ(layerOf(*lines[2].first), LayerConstructionLines);
    EXPECT_EQ(lines[2].second.base, (cad::Point3{0, 150, 0}));
    EXPECT_EQ(lines[2].second.dir, (cad::Point3{1, 0, 0}));
    EXPECT_EQ(lines[3].second.base, (cad::Point3{0, 0, 0}));
    EXPECT_EQ(lines[3].second.dir, (cad::Point3{0, 1, 0})) << "0 still gives a direction";
    EXPECT_FALSE(lines[3].first->locked);

    set("edtHor", QStringLiteral("abc"));
    answer(AnswerOk);
    control<QPushButton>("btnCriarH").click();
    EXPECT_EQ(prompts.asked(), QStringList{"\"abc\" não é um número válido."});
    EXPECT_EQ(control("edtHor").text(), QStringLiteral("abc"));
    EXPECT_EQ(shapes<cad::XLineShape>().size(), 4u);
}

TEST_F(MainWindow, ApagarTodasErasesOnlyTheNodalLoadsAfterYes) {
    const auto put = [this](int kind) {
        (void)cad::Transaction(drawing()).add(
            cad::Entity{.layer = LayerNamed(drawing(), QString::fromUtf8(LayerLoads)),
                        .userData = kind,
                        .shape = cad::PointShape{{10, 10, 0}}});
    };
    answer(AnswerNo);
    trigger("actWeightDeleteAll");
    EXPECT_EQ(log().size(), 1) << "No changes nothing";
    answer(AnswerYes);
    trigger("actWeightDeleteAll");
    EXPECT_EQ(log().last(), QStringLiteral("Erro Apagar Cargas: Não há cargas para apagar!"));

    put(NodalLoadKind);
    put(NodalLoadKind);
    put(3); // a wall drawn while "Cargas" was current
    state->flags.ResultsCurrent = true;
    answer(AnswerYes);
    trigger("actWeightDeleteAll");
    // The data generation that follows finds no malha.
    EXPECT_EQ(log().mid(log().size() - 3),
              (QStringList{"Cargas Apagadas...", LogSeparator,
                           QStringLiteral("Erro: Não há malha principal criada!")}));
    const auto left = shapes<cad::PointShape>();
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].first->userData, 3);
    EXPECT_FALSE(state->flags.ResultsCurrent);
}

TEST_F(MainWindow, VisibilityBoxesShowAndHideTheirLayers) {
    set("chkMalhaVis", QStringLiteral("0"));
    EXPECT_EQ(cad().layerShown(QString::fromUtf8(LayerMesh)), false);
    EXPECT_FALSE(window->actions()["actLayerMalhaPVis"]->isChecked());
    const cad::EntityId id = cad::Transaction(drawing()).add(cad::Entity{
        .layer = LayerNamed(drawing(), QString::fromUtf8(LayerLoads)), .shape = cad::PointShape{}});
    set("chkLocLoad", QStringLiteral("0"));
    EXPECT_EQ(cad().layerShown(QString::fromUtf8(LayerLoads)), false);
    EXPECT_FALSE(drawing().entity(id)->visible) << "the entities follow the layer";
    set("chkLocLoad", QStringLiteral("1"));
    EXPECT_TRUE(drawing().entity(id)->visible);
}

TEST_F(MainWindow, HistorySavesTheLogLinesAndClears) {
    window->LogMessage(QStringLiteral("Info: çã"));
    trigger("actHistSave");
    QFile file(state->folders.historyPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(file.readAll()),
              QStringLiteral("Abrindo arquivo: New.vec\nInfo: çã\n"));
    trigger("actHistClear");
    EXPECT_TRUE(log().isEmpty());
    EXPECT_EQ(control<QListWidget>("Hist").count(), 0);
}

TEST_F(MainWindow, PromptMessageLogsAndShowsAtTheEnginesPrompt) {
    window->PromptMessage(QStringLiteral("Selecione os nós:"));
    EXPECT_EQ(log().last(), QStringLiteral("Selecione os nós:"));
    EXPECT_EQ(window->drawingWindow()->commandLine().prompt(), QStringLiteral("Selecione os nós:"));
}

TEST_F(MainWindow, TheContextMenusSairClosesTheWindowThroughTheCloseCheck) {
    // Menu 1, the one shown with nothing selected, is the program's.
    cad::canvas::CadCanvas& canvas = window->drawingWindow()->canvas();
    ASSERT_EQ(canvas.contextMenuNumber({10, 10}), 1);
    QAction* sair = nullptr;
    QStringList entries;
    for (QMenu* menu : canvas.findChildren<QMenu*>())
        for (QAction* action : menu->actions())
            if (action->text() == QStringLiteral("Sair")) {
                sair = action;
                for (QAction* entry : menu->actions())
                    entries << entry->text();
            }
    ASSERT_NE(sair, nullptr);
    EXPECT_EQ(entries, QStringList({"Sair", "Imprimir", "", "Zoom exteção", "Zoom tempo real",
                                    "Pan tempo real"}));
    sair->trigger();
    QCoreApplication::processEvents();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindow, CopiedEntitiesAreRecognisedOnTheDesktopsClipboard) {
    ASSERT_TRUE(cad().addConstructionLine({0, 10, 0}, {1, 0, 0}));
    cad::Document& doc = cad().document();
    (void)doc.select(shapes<cad::XLineShape>().back().first->id, true);
    ASSERT_TRUE(doc.copySelection());
    EXPECT_TRUE(cad().clipboardHoldsEntities());
    QGuiApplication::clipboard()->setText(QStringLiteral("texto"));
    EXPECT_FALSE(cad().clipboardHoldsEntities());
}

TEST_F(MainWindow, BusyGuardDisablesEveryActionAndGivesTheirStateBack) {
    QWidget& tabs = window->tabs();
    window->actions()["actDeformada"]->setEnabled(false); // waiting for a calculation
    {
        BusyGuard outer(*state, window->actions(), {&tabs});
        {
            BusyGuard inner(*state, window->actions(), {&tabs});
            EXPECT_EQ(state->busyDepth, 2);
        }
        for (QAction* action : window->actions().all())
            EXPECT_FALSE(action->isEnabled()) << action->objectName().toStdString();
        EXPECT_FALSE(tabs.isEnabled());
    }
    EXPECT_EQ(state->busyDepth, 0);
    EXPECT_TRUE(window->actions()["actNew"]->isEnabled());
    EXPECT_FALSE(window->actions()["actDeformada"]->isEnabled());
    EXPECT_TRUE(tabs.isEnabled());
}

} // namespace
} // namespace quadrilo::app::test

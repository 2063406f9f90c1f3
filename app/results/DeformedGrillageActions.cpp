// "Malha Deformada: ": drawing, deleting, colouring and showing the deformed malha.
#include "app/results/DeformedGrillageActions.h"

#include "app/ProgramState.h"
#include "app/drawing/DrawingLayers.h"
#include "app/results/ResultsIntoDrawing.h"
#include "app/results/WorkingListsFromDrawing.h"
#include "app/tabs/CalculationTab.h"
#include "app/window/FormParts.h"
#include "app/window/TfrmMain.h"

#include "cad/Transaction.h"
#include "common/StringUtils.h"
#include "elements/ElementKind.h"
#include "results/DeformedGrillage.h"

#include <QAction>
#include <QCheckBox>

namespace quadrilo::app {
namespace {

// A malha of six entities or fewer in "Quadrilo" is no malha to draw from.
constexpr std::size_t MinimumMalhaEntities = 6;

std::size_t EntitiesInLayer(const cad::Drawing& drawing, cad::LayerId layer) {
    std::size_t count = 0;
    for (cad::EntityId id = drawing.firstInLayer(layer); id; id = drawing.nextEntity(id))
        ++count;
    return count;
}

cad::Point3 ToCad(const results::Point3& p) {
    return {p.X, p.Y, p.Z};
}

// The layer's entities as they stand, to be kept when the layer's contents are replaced.
std::vector<cad::Entity> CopiesOf(const cad::Drawing& drawing, cad::LayerId layer) {
    std::vector<cad::Entity> copies;
    for (cad::EntityId id = drawing.firstInLayer(layer); id; id = drawing.nextEntity(id)) {
        cad::Entity copy = *drawing.entity(id);
        copy.id = {};
        copies.push_back(std::move(copy));
    }
    return copies;
}

void AppendGeometry(const results::DeformedGrillage& geometry, cad::LayerId layer,
                    std::vector<cad::Entity>& entities) {
    entities.reserve(entities.size() + geometry.Nodes.size() + geometry.Bars.size());
    for (const results::DeformedNode& node : geometry.Nodes)
        entities.push_back(cad::Entity{.layer = layer,
                                       .userData = elements::KindCode(elements::ElementKind::DeformedNode),
                                       .exData = node.Record.Encode(),
                                       .shape = cad::PointShape{ToCad(node.At)}});
    for (const results::DeformedBar& bar : geometry.Bars)
        entities.push_back(cad::Entity{.layer = layer,
                                       .userData = elements::KindCode(elements::ElementKind::DeformedBar),
                                       .exData = bar.Record.Encode(),
                                       .shape = cad::LineShape{ToCad(bar.Start), ToCad(bar.End)}});
}

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

DeformedGrillageActions::DeformedGrillageActions(TfrmMain& main, ColourChooser chooseColour)
    : m_main(main), m_chooseColour(std::move(chooseColour)) {}

void DeformedGrillageActions::trigger(const char* action) {
    m_main.actions()[action]->trigger();
}

bool DeformedGrillageActions::settleMalhaAndResults() {
    ProgramState& state = m_main.state();
    if (state.flags.MeshOutdated)
        trigger("actMalha");
    const cad::Drawing& drawing = state.cad.drawing();
    if (EntitiesInLayer(drawing, LayerNamed(drawing, QString::fromUtf8(LayerMesh))) <=
        MinimumMalhaEntities) {
        m_main.LogMessage(QStringLiteral("Erro: Não há malha principal criada!"));
        return false;
    }
    if (!state.flags.ResultsCurrent)
        trigger("actCalculate");
    return true;
}

void DeformedGrillageActions::actDeformada() {
    if (!settleMalhaAndResults())
        return;
    ProgramState& state = m_main.state();
    WorkTimer timer;
    timer.StartTimer();
    m_main.LogMessage(QStringLiteral("Info: Comando: Malha deformada sendo desenhada."));
    BuildWorkingLists(state.cad.drawing(), state.mesh);
    if (state.mesh.Lists.NodeList.empty() || !state.flags.ResultsCurrent) {
        trigger("actCalculate");
        BuildWorkingLists(state.cad.drawing(), state.mesh);
    }
    if (!drawFromResults())
        return;
    timer.StopTimer();
    m_main.LogMessage(QStringLiteral("Info: Malha deformada criada....tempo: ") +
                      Text(timer.ElapsedText()));
    m_main.LogMessage(LogSeparator);
}

bool DeformedGrillageActions::drawFromResults() {
    ProgramState& state = m_main.state();
    // A results file of a calculation that no longer matches the drawing is not drawn.
    if (!state.flags.ResultsCurrent) {
        m_main.PromptMessage(QString::fromUtf8(results::NoResultsMessage));
        return false;
    }
    mesh::WorkingLists& lists = state.mesh.Lists;
    std::vector<TNodeData> nodes = NodeRecords(lists);
    std::vector<TBarData> bars = BarRecords(lists);
    const results::DeformedLoad load = results::LoadDeformedGrillage(
        state.folders.calculationOutputPath().toStdString(), nodes, bars, state.project.DefFact);
    if (!load.Results.Loaded) {
        m_main.PromptMessage(Text(load.Results.Error));
        return false;
    }
    cad::Drawing& drawing = state.cad.drawing();
    const cad::LayerId layer = LayerNamed(drawing, QString::fromUtf8(LayerDeformed));
    {
        // The records, and the layer with every earlier copy kept and the new one added.
        cad::Transaction tx(drawing);
        StoreRecords(nodes, bars, lists, drawing);
        std::vector<cad::Entity> entities = CopiesOf(drawing, layer);
        AppendGeometry(load.Geometry, layer, entities);
        if (tx.replaceLayerContents(layer, std::move(entities)).empty() &&
            !load.Geometry.Nodes.empty())
            throw std::runtime_error("Erro: A malha deformada não pôde ser desenhada.");
    }
    m_main.SetCurrentLayer(QString::fromUtf8(LayerDeformed));
    return true;
}

void DeformedGrillageActions::actDelDeformada() {
    CadSession& cad = m_main.state().cad;
    cad.clearSelection();
    m_main.SetCurrentLayer(QString::fromUtf8(LayerDeformed));
    cad::Drawing& drawing = cad.drawing();
    const cad::LayerId layer = LayerNamed(drawing, QString::fromUtf8(LayerDeformed));
    if (!layer || !drawing.firstInLayer(layer)) {
        m_main.LogMessage(QStringLiteral("Erro: Não há malha deformada criada!"));
        return;
    }
    {
        cad::Transaction tx(drawing);
        (void)tx.replaceLayerContents(layer, {});
    }
    m_main.RefreshView();
    m_main.LogMessage(QStringLiteral("Info: Malha apagada."));
    m_main.LogMessage(LogSeparator);
}

void DeformedGrillageActions::actColor() {
    ColorSwatch& swatch = *m_main.calculationTab().ShpColor;
    const std::optional<QColor> chosen = m_chooseColour(swatch.color());
    if (!chosen || !chosen->isValid())
        return;
    ProgramState& state = m_main.state();
    const std::uint32_t bgr = (std::uint32_t(chosen->blue()) << 16) |
                              (std::uint32_t(chosen->green()) << 8) | std::uint32_t(chosen->red());
    state.project.DefColor = bgr;
    // The deformed malha's own palette entry; whatever else the layer once shared keeps its colour.
    state.cad.setPaletteColor(DeformedColorIndex, bgr);
    state.cad.setLayerColor(QString::fromUtf8(LayerDeformed), DeformedColorIndex);
    swatch.setColor(*chosen);
    m_main.RefreshView();
}

void DeformedGrillageActions::actLayerDefVis() {
    QCheckBox& box = *m_main.calculationTab().ckDefVis;
    m_main.actions()["actLayerDefVis"]->setChecked(box.isChecked());
    m_main.state().cad.setLayerShown(QString::fromUtf8(LayerDeformed), box.isChecked());
    m_main.RefreshView();
}

} // namespace quadrilo::app

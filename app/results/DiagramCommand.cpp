// Command 11009 "DDIAG": the diagram of one result along grillage bars the user picks.
#include "app/results/DiagramCommand.h"

#include "app/ProgramState.h"
#include "app/drawing/DrawingLayers.h"
#include "app/drawing/DrawingWindow.h"
#include "app/prompts/UserPrompts.h"
#include "app/window/TfrmMain.h"

#include "cad/Transaction.h"
#include "common/Format.h"
#include "elements/ElementKind.h"
#include "mesh/TBarData.h"
#include "mesh/TNodeData.h"

#include <numbers>

namespace quadrilo::app {
namespace {

using cad::InputKind;
using results::DiagramKind;

constexpr int PolylineType = 201;

cad::Point3 ToCad(const results::Point3& p) {
    return {p.X, p.Y, p.Z};
}
results::Point3 FromCad(const cad::Point3& p) {
    return {p.x, p.y, p.z};
}

std::string Echo(const char* pattern, const cad::Point3& p) {
    return Format(pattern, p.x, p.y, p.z);
}

// The vertical displacement in the record of a node entity; 0 when it holds none.
double DzOfNode(const cad::Drawing& drawing, std::int32_t entity) {
    const cad::Entity* node = drawing.entity(cad::EntityId{std::uint32_t(entity)});
    if (!node || node->exData.size() != TNodeData::Size)
        return 0;
    return TNodeData::Decode(node->exData).dz;
}

// Everything the diagram adds to "Anotações", as entities.
std::vector<cad::Entity> DiagramEntities(const results::DiagramDrawing& d, cad::LayerId layer,
                                         double textHeight) {
    std::vector<cad::Entity> out;
    const auto line = [&](const results::DiagramLine& l) {
        out.push_back({.layer = layer, .shape = cad::LineShape{ToCad(l.Start), ToCad(l.End)}});
    };
    const auto text = [&](const results::DiagramText& t, int colour) {
        out.push_back(cad::Entity{
            .layer = layer,
            .color = colour,
            .shape = cad::TextShape{ToCad(t.At), t.Text,
                                    {textHeight, 0.0, results::DiagramTextAlign}}});
    };
    for (const auto& base : d.BaseLines)
        line(base);
    for (const auto& label : d.BarLabels)
        text(label, cad::ByLayerColor);
    for (const auto& ordinate : d.Ordinates)
        line(ordinate);
    for (const auto& value : d.ValueLabels)
        text(value, results::DiagramValueColour);
    cad::PolylineShape curve;
    curve.type = PolylineType;
    for (const auto& p : d.Curve)
        curve.vertices.push_back(ToCad(p));
    out.push_back({.layer = layer, .color = results::DiagramCurveColour, .shape = curve});
    out.push_back({.layer = layer,
                   .shape = cad::MTextShape{ToCad(d.Title.At), d.Title.Text, textHeight,
                                            d.Title.Width,
                                            d.Title.AngleDegrees * std::numbers::pi / 180.0,
                                            d.Title.Attachment}});
    return out;
}

} // namespace

void DiagramCommand::Register() {
    m_command = m_main.state().cad.document().addCommand(cad::CommandDef{
        .id = DiagramCommandId,
        .name = "DDIAG",
        .alias = "DG",
        .run = [this] { return Run(); },
        .drag = [this](int mode, const cad::Point3& cursor) { Drag(mode, cursor); }});
    if (!m_command)
        (void)m_main.prompts().ask(
            MessageRequest::error(QStringLiteral("Erro: Falha ao criar o comando: Diagrama")));
}

void DiagramCommand::Start(DiagramKind kind) {
    m_kind = kind;
    if (DrawingWindow* window = m_main.drawingWindow(); window && m_command)
        window->execute(DiagramCommandId);
}

void DiagramCommand::Prompt(const std::string& text) {
    m_main.PromptMessage(QString::fromStdString(text));
}

cad::CommandTask DiagramCommand::Run() {
    cad::Document& doc = m_main.state().cad.document();
    cad::CommandRunner& run = doc.runner();
    const DiagramKind kind = m_kind;
    const auto finish = [&] {
        m_stage = Stage::Idle;
        m_main.state().cad.clearSelection();
        m_main.RefreshView();
    };
    if (doc.selection().empty()) {
        const std::string prompts[2] = {results::FirstCornerPrompt(kind),
                                        results::SecondCornerPrompt(kind)};
        const char* const echoes[2] = {results::FirstCornerEcho, results::SecondCornerEcho};
        cad::Point3 corners[2];
        for (int i = 0; i < 2; ++i) {
            Prompt(prompts[i]);
            if (co_await run.nextInput() != int(InputKind::Point))
                co_return finish();
            corners[i] = run.inputPoint();
            Prompt(Echo(echoes[i], corners[i]));
            run.setBasePoint(corners[i]);
            m_stage = Stage::SecondCorner; // the rubber band is the window from the first corner
        }
        std::vector<cad::Point3> window;
        for (const auto& p : results::SelectionRectangle(FromCad(corners[0]), FromCad(corners[1])))
            window.push_back(ToCad(p));
        const std::size_t selected = doc.selectPolygon(window, false, true);
        if (selected == 0) {
            Prompt(results::NothingSelectedMessage);
            co_return finish();
        }
        Prompt(Format(results::SelectedCountEcho, int(selected)));
    }
    m_stage = Stage::Insertion;
    Prompt(results::InsertionPrompt(kind));
    if (co_await run.nextInput() != int(InputKind::Point))
        co_return finish();
    const cad::Point3 insertion = run.inputPoint();
    Prompt(Echo(results::InsertionEcho, insertion));
    run.setBasePoint(insertion);
    DrawDiagram(insertion);
    finish();
}

void DiagramCommand::Drag(int mode, const cad::Point3& cursor) {
    cad::CommandRunner& run = m_main.state().cad.document().runner();
    if (mode != 1 || !run.basePoint())
        return;
    const cad::Point3 a = *run.basePoint();
    if (m_stage != Stage::SecondCorner) {
        run.drawLine(a, cursor);
        return;
    }
    for (const cad::Point3& p : {a, cad::Point3{cursor.x, a.y, a.z}, cursor,
                                 cad::Point3{a.x, cursor.y, a.z}})
        run.drawAddVertex(p);
    run.drawPolyline(true);
}

std::vector<results::DiagramBar> DiagramCommand::SelectedBars() const {
    const cad::Drawing& drawing = m_main.state().cad.drawing();
    std::vector<results::DiagramBar> bars;
    for (const cad::EntityId id : m_main.state().cad.document().selection().entities()) {
        const cad::Entity* e = drawing.entity(id);
        if (!e || elements::KindOfCode(e->userData) != elements::ElementKind::GrillageBar || e->exData.size() != TBarData::Size)
            continue;
        const TBarData bar = TBarData::Decode(e->exData);
        bars.push_back({bar, DzOfNode(drawing, bar.N1EntityID), DzOfNode(drawing, bar.N2EntityID)});
    }
    return bars;
}

void DiagramCommand::DrawDiagram(const cad::Point3& insertion) {
    Prompt(results::GeneratingMessage(m_kind));
    ProgramState& state = m_main.state();
    const std::vector<results::DiagramBar> bars = SelectedBars();
    const results::DiagramOutcome outcome =
        results::BuildDiagram(m_kind, bars, FromCad(insertion), state.project.DiagDef,
                              state.project.DefFact);
    if (!outcome.Error.empty()) {
        Prompt(outcome.Error);
        return;
    }
    m_main.SetCurrentLayer(QString::fromUtf8(LayerAnnotations));
    cad::Drawing& drawing = state.cad.drawing();
    const cad::LayerId layer = LayerNamed(drawing, QString::fromUtf8(LayerAnnotations));
    {
        cad::Transaction tx(drawing);
        for (cad::Entity& e : DiagramEntities(outcome.Drawing, layer, drawing.settings().textHeight))
            if (!tx.add(std::move(e)))
                throw std::runtime_error("Erro: O diagrama não pôde ser desenhado.");
    }
    state.cad.document().prompt("");
}

} // namespace quadrilo::app

// Cargas nodais (nodal loads): the command's choice of nodes, the load record and its insert, the
// listing and the edit panel.
#include "elements/ULoads.h"

#include "common/Format.h"
#include "elements/ElementKind.h"
#include "elements/Layers.h"
#include "elements/PanelText.h"

#include <algorithm>
#include <cmath>

namespace quadrilo::elements {

namespace {

constexpr int ValueAlign = 7; // bottom-centre: the value stands over the node

std::string LoadBlockName(double valor) {
    return valor > 0 ? "+Load" : "-Load";
}

std::string LoadValueText(double valor) {
    return FloatToStr(valor) + "_(kN)";
}

} // namespace

std::optional<Refusal> CheckLoadValue(double valor) {
    if (valor == 0) {
        return ValidationRefusal("Erro: vargas nodais devem ser <> 0!", MessageChannel::Prompt);
    }
    return std::nullopt;
}

std::string FirstCornerEcho(Point3 p) {
    return Format("Entrada: x1(%f); y1(%f); z1(%f)", p.x, p.y, p.z);
}

std::string SecondCornerEcho(Point3 p) {
    return Format("Entrada: x2(%f); y2(%f); z2(%f)", p.x, p.y, p.z);
}

std::optional<NodeSite> NodeUnderCursor(std::span<const NodeSite> nodes, Point3 cursor,
                                        double aperture) {
    std::optional<NodeSite> nearest;
    double nearestDistance = aperture;
    for (const NodeSite& node : nodes) {
        const double distance = std::hypot(node.X - cursor.x, node.Y - cursor.y);
        if (distance <= nearestDistance) {
            nearest = node;
            nearestDistance = distance;
        }
    }
    return nearest;
}

std::vector<NodeSite> NodesInWindow(std::span<const NodeSite> nodes, Point3 corner1,
                                    Point3 corner2) {
    const double minX = std::min(corner1.x, corner2.x);
    const double maxX = std::max(corner1.x, corner2.x);
    const double minY = std::min(corner1.y, corner2.y);
    const double maxY = std::max(corner1.y, corner2.y);
    std::vector<NodeSite> inside;
    std::copy_if(nodes.begin(), nodes.end(), std::back_inserter(inside), [&](const NodeSite& n) {
        return n.X >= minX && n.X <= maxX && n.Y >= minY && n.Y <= maxY;
    });
    return inside;
}

std::vector<RubberLine> LoadRubberBand(Point3 base, Point3 cursor) {
    const double z = cursor.z;
    const Point3 corners[] = {
        {base.x, base.y, z}, {cursor.x, base.y, z}, {cursor.x, cursor.y, z}, {base.x, cursor.y, z}};
    std::vector<RubberLine> lines;
    for (std::size_t i = 0; i < 4; ++i) {
        lines.push_back({corners[i], corners[(i + 1) % 4]});
    }
    return lines;
}

LoadPlacement PlaceLoads(double valor, std::size_t selectedCount, std::span<const NodeSite> nodes) {
    LoadPlacement placement;
    if (const auto refusal = CheckLoadValue(valor)) {
        placement.messages.push_back({refusal->channel, refusal->message});
        return placement;
    }
    placement.messages.push_back(
        {MessageChannel::Prompt, Format("Entidades selecionadas: %d", selectedCount)});
    for (const NodeSite& node : nodes) {
        const TLoadData load = LoadOnNode(valor, node);
        placement.loads.push_back(
            {ElementKind::NodalLoad, std::string(LoadLayer), LoadInsert(load), load});
    }
    if (placement.loads.empty()) {
        placement.messages.push_back(
            {MessageChannel::Prompt,
             "Erro Carga Nodal: Nenhum nó foi ecolhido para a aplicação de cargas!"});
        return placement;
    }
    placement.messages.push_back({MessageChannel::Prompt, "Cargas inseridas!"});
    placement.flags = StaleAfterChangeOf(ElementKind::NodalLoad);
    placement.generateData = true;
    return placement;
}

std::string LoadDescricao(double x, double y, double valor) {
    return CutName(Format("Carr. X(%f)_Y(%f) de (%f)kN", x, y, valor));
}

TLoadData LoadOnNode(double valor, const NodeSite& node) {
    TLoadData load;
    load.Valor = valor;
    load.X = node.X;
    load.Y = node.Y;
    load.Z = 0;
    load.Descricao = LoadDescricao(load.X, load.Y, load.Valor);
    return load;
}

InsertDrawing LoadInsert(const TLoadData& load) {
    const std::string block = LoadBlockName(load.Valor);
    return {block, std::nullopt, {load.X, load.Y, 0},
            1.0,   0.0,          {"CARGA", LoadValueText(load.Valor), ValueAlign}};
}

MessageLines LoadListing(const TLoadData& load) {
    return PromptLines({
        "",
        "*****Dados do Carregamento Nodal *****",
        Format("Coord: X(%f)_Y(%f) Carga:(%f)kN", load.X, load.Y, load.Valor),
        "*****Fim Dados do Carregamento Nodal *****",
        "",
    });
}

LoadPanel FillLoadPanel(const TLoadData& load, std::int32_t entity) {
    return {true, FloatToStr(load.Valor), HandleText(entity)};
}

LoadPanel ClearedLoadPanel() {
    return {false, "0", std::string(ClearedHandleText)};
}

Outcome<ElementEdit> SaveLoadPanel(const LoadPanel& panel, const TLoadData& load) {
    const auto valor = ReadNumber(panel.editcargaValor);
    if (!valor) {
        return valor.Error();
    }
    if (auto refusal = CheckLoadValue(*valor)) {
        return *std::move(refusal);
    }
    TLoadData saved = load;
    saved.Valor = *valor;
    saved.Descricao = LoadDescricao(saved.X, saved.Y, saved.Valor);
    return ElementEdit{saved,
                       LoadValueText(saved.Valor),
                       LoadBlockName(saved.Valor),
                       std::nullopt,
                       StaleAfterChangeOf(ElementKind::NodalLoad),
                       ClearedLoadPanel()};
}

TLoadData MovedLoad(TLoadData load, Point3 d) {
    load.X += d.x;
    load.Y += d.y;
    load.Z += d.z;
    load.Descricao = LoadDescricao(load.X, load.Y, load.Valor);
    return load;
}

std::string LoadMovedText(const TLoadData& before, const TLoadData& moved) {
    return before.Descricao + " movida para: " + FloatToStr(moved.X) + "  " + FloatToStr(moved.Y);
}

} // namespace quadrilo::elements

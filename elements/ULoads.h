// Cargas nodais (nodal loads): the command's choice of nodes, the load record and its insert, the
// listing and the edit panel.
#pragma once

#include "elements/EditPanels.h"
#include "elements/ElementDrawing.h"
#include "elements/ElementOutcome.h"
#include "elements/TLoadData.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quadrilo::elements {

inline constexpr std::string_view LoadFirstCornerPrompt =
    "Cmd: 1ra coordenada de seleção para os nós onde serão aplicadas as cargas nodais:";
inline constexpr std::string_view LoadSecondCornerPrompt =
    "Cmd: 2da coordenada de seleção para os nós onde serão aplicadas as cargas nodais:";
inline constexpr std::string_view LoadEmptyWindowText = "Erro: Nenhuma entidade selecionada!";

// The value 0 is no load: the command refuses it before asking for nodes, and so does the
// panel's save.
[[nodiscard]] std::optional<Refusal> CheckLoadValue(double valor);

// "Entrada: x1(…); y1(…); z1(…)" and "Entrada: x2(…); …": the picked corners, echoed.
[[nodiscard]] std::string FirstCornerEcho(Point3 p);
[[nodiscard]] std::string SecondCornerEcho(Point3 p);

// A grillage node as the command chooses it: its entity and the position its record holds.
struct NodeSite {
    std::int32_t entity = 0;
    double X = 0;
    double Y = 0;

    bool operator==(const NodeSite&) const = default;
};

// The command's three ways to choose nodes. A selection made before the command is taken as it
// stands (its nodes go to PlaceLoads). Otherwise the first corner picks the node under the cursor,
// the nearest within `aperture` cm in plan; with none there, the two corners make a window that
// takes every node inside it, edges included, in list order.
[[nodiscard]] std::optional<NodeSite> NodeUnderCursor(std::span<const NodeSite> nodes,
                                                      Point3 cursor, double aperture);
[[nodiscard]] std::vector<NodeSite> NodesInWindow(std::span<const NodeSite> nodes, Point3 corner1,
                                                  Point3 corner2);

// The rubber band of the window: a closed rectangle from the first corner to the cursor, all at
// the cursor's Z.
[[nodiscard]] std::vector<RubberLine> LoadRubberBand(Point3 base, Point3 cursor);

// The loads of one command: an insert with its record on "Cargas" for every chosen node.
struct LoadPlacement {
    std::vector<ElementDrawing> loads;
    MessageLines messages;
    FlagChange flags = FlagChange::None;
    bool generateData = false; // run the calculation data generation (actGerarDados) next
};

// Loads of `valor` kN on `nodes`, the grillage nodes among `selectedCount` chosen entities.
[[nodiscard]] LoadPlacement PlaceLoads(double valor, std::size_t selectedCount,
                                       std::span<const NodeSite> nodes);

// Format("Carr. X(%f)_Y(%f) de (%f)kN", X, Y, Valor) cut to 50 characters.
[[nodiscard]] std::string LoadDescricao(double x, double y, double valor);

// The record of a load on a node, and its insert: "+Load" for a value > 0, "-Load" otherwise,
// showing its own value.
[[nodiscard]] TLoadData LoadOnNode(double valor, const NodeSite& node);
[[nodiscard]] InsertDrawing LoadInsert(const TLoadData& load);

[[nodiscard]] MessageLines LoadListing(const TLoadData& load);

[[nodiscard]] LoadPanel FillLoadPanel(const TLoadData& load, std::int32_t entity);
[[nodiscard]] LoadPanel ClearedLoadPanel();

// "Grava" (actEditLoadSave): the record read from the load's own entity with the new value; its
// insert changes block and text to match. Refused for 0. The panel is cleared.
[[nodiscard]] Outcome<ElementEdit> SaveLoadPanel(const LoadPanel& panel, const TLoadData& load);

// The load's record after its insert moved by d, and the line that tells it.
[[nodiscard]] TLoadData MovedLoad(TLoadData load, Point3 d);
[[nodiscard]] std::string LoadMovedText(const TLoadData& before, const TLoadData& moved);

} // namespace quadrilo::elements

// Viga (beam): creation panel, its calculation buttons and command, what it draws, its listing and
// its edit panel.
#pragma once

#include "elements/EditPanels.h"
#include "elements/ElementDrawing.h"
#include "elements/ElementOutcome.h"
#include "elements/TBeamData.h"
#include "project/TProjectData.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace quadrilo::elements {

// Tab "4) Vigas": the texts of the creation panel, with their defaults.
struct BeamCreationPanel {
    std::string edtViganome = "Viga";
    std::string edtVLadoa = "0";
    std::string edtVLadob = "0";
    std::string edtVigaArea = "0";
    std::string edt_I = "0";
    std::string edtVigaIt = "(b^3*h)/3";
    std::string edt_It = "0";
    std::string edtVCargaAdic = "0";
};

inline constexpr std::string_view BeamFirstPointPrompt = "Entre com a 1ra coordenada da viga...:";
inline constexpr std::string_view BeamSecondPointPrompt = "Entre a 2a coordenada da viga...:";
inline constexpr std::string_view BeamStyle = "stVigas";

// The calculation buttons, each giving the text of its field: SpeedButton15 the area a·b,
// spdCalcViga_I the inertia b³·a/12, spdCalcViga_It the edtVigaIt formula with b := a, h := b
// (compiled in a parser of its own).
[[nodiscard]] Outcome<std::string> BeamAreaText(const BeamCreationPanel& panel);
[[nodiscard]] Outcome<std::string> BeamInertiaText(const BeamCreationPanel& panel);
[[nodiscard]] Outcome<std::string> BeamTorsionText(const BeamCreationPanel& panel);

// "Criar Viga": the beam buffer's input fields (Nome cut to 50 characters, LadoA, LadoB, I, It,
// Area, CargaAdicional). Refused unless a > 0, b > 0 and Area, I and It > 0.
[[nodiscard]] Outcome<TBeamData> ReadBeamPanel(const BeamCreationPanel& panel);

// The multiline offsets that show a beam of side a around its axis: +a/2 and −a/2.
[[nodiscard]] MultilineWidth BeamWidth(double ladoA);

// The beam between two picked points cut to hundredths: box, midpoint, length, orientation and
// weight (the project's PEConcreto), drawn as a multiline of colour 1 on "Vigas". Refused, with
// nothing to draw, when the buffer would be refused by ReadBeamPanel.
[[nodiscard]] Outcome<ElementCreation> CreateBeam(const TBeamData& buffer, Point3 point1,
                                                  Point3 point2, const TProjectData& project);

// Everything of the record that follows from the beam's two ends: Comprimento, Centro, Min, Max,
// Orientacao and Peso.
void PlaceBeam(TBeamData& beam, Point3 end1, Point3 end2, const TProjectData& project);

// The beam's data and its multiline's vertices for the message log.
[[nodiscard]] MessageLines BeamListing(const TBeamData& beam, std::span<const Point3> vertices);

[[nodiscard]] BeamPanel FillBeamPanel(const TBeamData& beam, std::int32_t entity);
[[nodiscard]] BeamPanel ClearedBeamPanel();

// "Grava": the record read from the beam's own entity with the new name and sides, Area = a·b,
// I = b³·a/12, It by the project's VigaIt formula, and the weight recomputed; the multiline is
// redrawn with the new width. Refused as ReadBeamPanel refuses. The panel stays as it is.
[[nodiscard]] Outcome<ElementEdit> SaveBeamPanel(const BeamPanel& panel, const TBeamData& beam,
                                                 const TProjectData& project);

// A beam multiline's vertices after a whole move (no grip) or a drag of one grip by d; a grip
// that is not a vertex moves nothing.
[[nodiscard]] std::vector<Point3> MovedBeamVertices(std::span<const Point3> vertices, Point3 d,
                                                    std::optional<int> grip);
// The record of a beam whose multiline now has these vertices, recomputed from its two ends.
[[nodiscard]] TBeamData MovedBeam(TBeamData beam, std::span<const Point3> vertices,
                                  const TProjectData& project);
[[nodiscard]] std::string BeamMovedText(const TBeamData& moved);

} // namespace quadrilo::elements

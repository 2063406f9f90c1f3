// Diagrams along chosen grillage bars (command "DDIAG"): stations, ordinates and labels as plain
// geometry for the annotation layer.
#pragma once

#include "mesh/TBarData.h"
#include "results/Point3.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quadrilo::results {

inline constexpr const char* DiagramLayerName = "Anotações";
inline constexpr int DiagramCurveColour = 4;
inline constexpr int DiagramValueColour = 7;
inline constexpr int DiagramTextAlign = 7; // bottom centre
inline constexpr const char* NoBarSelectedMessage = "Erro: Nenhuma barra selecionada!";

// The kind of diagram; the values are those of the shared setting the four buttons write.
enum class DiagramKind : int {
    BendingMoment = 0,
    Shear = 1,
    Torsion = 2,
    Displacement = 3,
};

// The title with its double quotation marks, e.g. "\"Diagrama de Momento Fletor\"".
[[nodiscard]] std::string DiagramTitle(DiagramKind kind);

// The prompts of the command, each followed by the title as the command shows it.
[[nodiscard]] std::string FirstCornerPrompt(DiagramKind kind);
[[nodiscard]] std::string SecondCornerPrompt(DiagramKind kind);
[[nodiscard]] std::string InsertionPrompt(DiagramKind kind);
[[nodiscard]] std::string GeneratingMessage(DiagramKind kind);
// Echo lines of the command, Format patterns.
inline constexpr const char* FirstCornerEcho = "Entrada: x1(%f); y1(%f); z1(%f)";
inline constexpr const char* SecondCornerEcho = "Entrada: x2(%f); y2(%f); z2(%f)";
inline constexpr const char* SelectedCountEcho = "Entidades selecionadas: %d";
inline constexpr const char* InsertionEcho = "Inserção do diagrama: x3(%f); y3(%f); z3(%f)";
inline constexpr const char* NothingSelectedMessage = "Erro: Nenhuma entidade selecionada!";

// The window the two picked corners span, as the four vertices of the polygon selection.
[[nodiscard]] std::array<Point3, 4> SelectionRectangle(const Point3& first, const Point3& second);

// A grillage bar as the diagram reads it: its record and the vertical displacements stored in
// the records of its end-node entities (N1EntityID, N2EntityID).
struct DiagramBar {
    TBarData Record;
    double Dz1 = 0;
    double Dz2 = 0;
};

// The value drawn at a bar's start (its end-1 force with the sign changed) and at its end (its
// end-2 force as stored); displacements as stored.
[[nodiscard]] double StartValue(DiagramKind kind, const DiagramBar& bar);
[[nodiscard]] double EndValue(DiagramKind kind, const DiagramBar& bar);

struct DiagramLine {
    Point3 Start, End;
};

struct DiagramText {
    Point3 At;
    std::string Text;
};

// One ordinate: value v at abscissa x stands at (x, Y0 + s·v, Z0).
struct DiagramStation {
    double X = 0;
    double Value = 0;
    Point3 Tip;
};

// The multi-line title past the end of the base line, turned by AngleDegrees.
struct DiagramTitleText {
    Point3 At;
    std::string Text;
    double Width = 100;
    int Attachment = 1;
    double AngleDegrees = -90;
};

// Everything one diagram adds to "Anotações". Base lines, ordinates and bar labels take no colour
// of their own; value labels take DiagramValueColour, the curve DiagramCurveColour; all texts
// are aligned by DiagramTextAlign.
struct DiagramDrawing {
    std::vector<DiagramLine> BaseLines;
    std::vector<DiagramText> BarLabels;   // "B(n)" above the middle of each bar
    std::vector<DiagramStation> Stations; // in drawing order
    std::vector<DiagramLine> Ordinates;   // one per station
    std::vector<DiagramText> ValueLabels; // "(%8.4f)" at each station's tip
    std::vector<Point3> Curve;            // the polyline through the tips
    DiagramTitleText Title;
};

struct DiagramOutcome {
    std::string Error; // NoBarSelectedMessage when no grillage bar was given; then nothing to draw
    DiagramDrawing Drawing;
};

// Lays the bars one after another along the base line from `insertion`, in the given order, with
// the scale DefFact for displacements and DiagDef otherwise. Between two bars shear and torsion
// show their jump as two stations; moment and displacement, and the start of the last bar for
// every kind, show the mean of the two values.
[[nodiscard]] DiagramOutcome BuildDiagram(DiagramKind kind, std::span<const DiagramBar> bars,
                                          const Point3& insertion, std::int32_t diagDef,
                                          std::int32_t defFact);

} // namespace quadrilo::results

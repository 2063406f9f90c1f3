// Diagram layout: the bars end to end along a base line, an ordinate at every station.
#include "results/Diagram.h"

#include "common/Format.h"

#include <algorithm>
#include <cmath>

namespace quadrilo::results {
namespace {

const char* TitleName(DiagramKind kind) {
    switch (kind) {
    case DiagramKind::BendingMoment:
        return "Diagrama de Momento Fletor";
    case DiagramKind::Shear:
        return "Diagrama de Força Cortante";
    case DiagramKind::Torsion:
        return "Diagrama de Momento Torçor";
    case DiagramKind::Displacement:
        return "Diagrama de Deslocamentos";
    }
    return "";
}

// Shear and torsion jump where two bars meet; moment and displacement run on through the mean.
bool ShowsJumps(DiagramKind kind) {
    return kind == DiagramKind::Shear || kind == DiagramKind::Torsion;
}

double PlanLength(const TBarData& bar) {
    return std::hypot(bar.X2 - bar.X1, bar.Y2 - bar.Y1);
}

class DiagramBuilder {
public:
    DiagramBuilder(const Point3& origin, double scale) : m_origin(origin), m_scale(scale) {}

    void Bar(double x, double length, std::uint16_t number) {
        m_drawing.BaseLines.push_back({Base(x), Base(x + length)});
        m_drawing.BarLabels.push_back(
            {{x + length / 2, m_origin.Y + 3, m_origin.Z}, "B(" + std::to_string(number) + ")"});
    }

    void Station(double x, double value) {
        const Point3 tip{x, m_origin.Y + m_scale * value, m_origin.Z};
        m_drawing.Stations.push_back({x, value, tip});
        m_drawing.Curve.push_back(tip);
        m_drawing.ValueLabels.push_back({tip, Format("(%8.4f)", value)});
        m_drawing.Ordinates.push_back({Base(x), tip});
    }

    DiagramDrawing Finish(double x, DiagramKind kind, std::int32_t scale) && {
        m_drawing.Title.At = {x + 25, m_origin.Y, m_origin.Z};
        m_drawing.Title.Text = "\\H5;" + DiagramTitle(kind) + Format("\\P Def: X (%d)", scale);
        return std::move(m_drawing);
    }

private:
    Point3 Base(double x) const { return {x, m_origin.Y, m_origin.Z}; }

    Point3 m_origin;
    double m_scale;
    DiagramDrawing m_drawing;
};

} // namespace

std::string DiagramTitle(DiagramKind kind) {
    return std::string("\"") + TitleName(kind) + "\"";
}

std::string FirstCornerPrompt(DiagramKind kind) {
    return "Cmd: Entre 1ra coordenada de canto da seleção do " + DiagramTitle(kind);
}

std::string SecondCornerPrompt(DiagramKind kind) {
    return "Cmd: Entre segunda coordenada para seleção de barras " + DiagramTitle(kind);
}

std::string InsertionPrompt(DiagramKind kind) {
    return "Cmd: Entre a coordenada de inserção do diagrama:" + DiagramTitle(kind);
}

std::string GeneratingMessage(DiagramKind kind) {
    return "Gerando " + DiagramTitle(kind);
}

std::array<Point3, 4> SelectionRectangle(const Point3& first, const Point3& second) {
    const double x0 = std::min(first.X, second.X), x1 = std::max(first.X, second.X);
    const double y0 = std::min(first.Y, second.Y), y1 = std::max(first.Y, second.Y);
    return {{{x0, y0, first.Z}, {x1, y0, first.Z}, {x1, y1, second.Z}, {x0, y1, second.Z}}};
}

double StartValue(DiagramKind kind, const DiagramBar& bar) {
    switch (kind) {
    case DiagramKind::BendingMoment:
        return -bar.Record.MF1;
    case DiagramKind::Shear:
        return -bar.Record.V1;
    case DiagramKind::Torsion:
        return -bar.Record.MT1;
    case DiagramKind::Displacement:
        return bar.Dz1;
    }
    return 0;
}

double EndValue(DiagramKind kind, const DiagramBar& bar) {
    switch (kind) {
    case DiagramKind::BendingMoment:
        return bar.Record.MF2;
    case DiagramKind::Shear:
        return bar.Record.V2;
    case DiagramKind::Torsion:
        return bar.Record.MT2;
    case DiagramKind::Displacement:
        return bar.Dz2;
    }
    return 0;
}

DiagramOutcome BuildDiagram(DiagramKind kind, std::span<const DiagramBar> bars,
                            const Point3& insertion, std::int32_t diagDef, std::int32_t defFact) {
    if (bars.empty())
        return {NoBarSelectedMessage, {}};
    const std::int32_t scale = kind == DiagramKind::Displacement ? defFact : diagDef;
    DiagramBuilder out(insertion, scale);
    double x = insertion.X;
    const std::size_t last = bars.size() - 1;
    for (std::size_t k = 0; k < bars.size(); ++k) {
        const double length = PlanLength(bars[k].Record);
        out.Bar(x, length, bars[k].Record.Number);
        const double a = StartValue(kind, bars[k]);
        if (k == 0) {
            out.Station(x, a);
        } else {
            const double p = EndValue(kind, bars[k - 1]);
            if (k < last && ShowsJumps(kind)) {
                out.Station(x, p);
                out.Station(x, a);
            } else {
                out.Station(x, (p + a) / 2);
            }
        }
        if (k == last)
            out.Station(x + length, EndValue(kind, bars[k]));
        x += length;
    }
    return {{}, std::move(out).Finish(x, kind, scale)};
}

} // namespace quadrilo::results

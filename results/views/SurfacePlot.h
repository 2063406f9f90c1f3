// The surface plot behind the 3D view, kept behind this small interface so that the plotting
// module (Qt Data Visualization, deprecated by Qt) can be replaced without touching the view.
#pragma once

#include "results/SurfaceGrid.h"

#include <QColor>
#include <QString>

#include <functional>
#include <memory>

class QWidget;

namespace quadrilo::results {

struct SurfaceLook {
    QColor High, Mid, Low; // colour coding from ColorScaleHigh down to ColorScaleLow
    QColor Mesh;           // grid lines drawn over the surface
    QColor Background;
    ColorCodingMode Mode = ColorCodingMode::ThreeColors;
};

class SurfacePlot {
public:
    virtual ~SurfacePlot() = default;

    [[nodiscard]] virtual QWidget* Widget() = 0;
    // Takes the grid's values, the X, Y and vertical ranges, ScaleFactX and the colour scale;
    // false when the plot's data grid cannot take the grid's size (the plot keeps its old grid).
    [[nodiscard]] virtual bool SetGrid(const SurfaceGrid& grid) = 0;
    virtual void SetLook(const SurfaceLook& look) = 0;
    virtual void SetScaleFactZ(double factor) = 0; // 0 flat to 1 full height
    virtual void SetCaptionZ(const QString& caption) = 0;
    virtual void SetMagnification(double magnification) = 0; // 1: the whole plot fits
    // Wheel steps over the plot (positive forward); dragging rotates the view inside the plot.
    virtual void OnWheel(std::function<void(int delta)> handler) = 0;
};

// The plot drawn by Qt Data Visualization's surface (needs OpenGL).
[[nodiscard]] std::unique_ptr<SurfacePlot> MakeDataVisualizationPlot(QWidget* parent);

} // namespace quadrilo::results

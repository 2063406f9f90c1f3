// The canvas's view: orthographic projection of the drawing onto the window, with zoom, pan and
// the two view angles; maps drawing points to logical pixels and back.
#pragma once

#include "cad/Geometry.h"

#include <QPointF>
#include <QRectF>
#include <QSizeF>

namespace quadrilo::cad::canvas {

// hor is the plan bearing the viewer looks towards, counter-clockwise from +X (90: towards +Y,
// so the plan shows +Y upwards; adding to it turns the view to the left). ver is the elevation
// of the line of sight above the drawing plane (90: straight down, the plan; 0: a side view;
// -90: from below). The plan is hor = ver = 90.
struct ViewAngles {
    double hor = 90.0;
    double ver = 90.0;
    friend bool operator==(const ViewAngles&, const ViewAngles&) = default;
};

// The standard views 130-139 as view angles; nullopt-free: unknown numbers give the plan.
[[nodiscard]] ViewAngles standardView(int command);

class ViewTransform {
public:
    ViewTransform();

    void setViewport(const QSizeF& logicalSize) { m_viewport = logicalSize; }
    const QSizeF& viewport() const { return m_viewport; }
    void setAngles(const ViewAngles& angles);
    const ViewAngles& angles() const { return m_angles; }
    bool isPlan() const { return m_angles.hor == 90.0 && m_angles.ver == 90.0; }

    const Point3& centre() const { return m_centre; }
    void setCentre(const Point3& centre) { m_centre = centre; }
    double pixelsPerUnit() const { return m_scale; }
    void setPixelsPerUnit(double scale);

    [[nodiscard]] QPointF toScreen(const Point3& p) const;
    // Screen image of a direction (pixels per drawing unit along it).
    [[nodiscard]] QPointF toScreenDirection(const Point3& d) const;
    // The drawing point under a pixel: on the plane Z = 0 when the view sees it, otherwise on the
    // plane through the view centre facing the viewer.
    [[nodiscard]] Point3 toDrawing(const QPointF& pixel) const;
    // The window's own frame: x, y the logical pixel, z the depth towards the viewer in pixels.
    // The map is affine and invertible, so what lies under a pixel on the screen is found there
    // whatever its height, and points along a segment keep their place along it.
    [[nodiscard]] Point3 toWindowFrame(const Point3& p) const;
    [[nodiscard]] Point3 toWindowFrameDirection(const Point3& d) const;
    [[nodiscard]] Point3 fromWindowFrame(const Point3& q) const;
    // Plan extent of what the window shows (exact in the plan view, a bound in other views).
    [[nodiscard]] Extent visibleExtent() const;

    // Zooms by factor (> 1 enlarges) keeping the drawing point under the pixel in place.
    void zoomAt(const QPointF& pixel, double factor);
    void panPixels(const QPointF& delta);
    // Fits the extent (with a margin) into the window.
    void fit(const Extent& extent, double zMin = 0.0, double zMax = 0.0);

private:
    void updateAxes();

    QSizeF m_viewport{800, 600};
    ViewAngles m_angles;
    Point3 m_centre;
    double m_scale = 1.0; // logical pixels per drawing unit
    Point3 m_right, m_up, m_toViewer;
};

} // namespace quadrilo::cad::canvas

// View transform: orthographic camera from the two view angles, zoom and pan.
#include "cad/canvas/ViewTransform.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quadrilo::cad::canvas {
namespace {

double dot(const Point3& a, const Point3& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

Point3 cross(const Point3& a, const Point3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

constexpr double degree = std::numbers::pi / 180.0;
constexpr double minScale = 1e-9;
constexpr double maxScale = 1e9;

} // namespace

ViewAngles standardView(int command) {
    const double iso = std::atan(1.0 / std::sqrt(2.0)) / degree; // 35.26°: the isometric elevation
    switch (command) {
    case 132:
        return {90.0, -90.0}; // bottom
    case 133:
        return {0.0, 0.0}; // left: looking towards +X
    case 134:
        return {180.0, 0.0}; // right
    case 135:
        return {90.0, 0.0}; // front: looking towards +Y
    case 136:
        return {270.0, 0.0}; // back
    case 137:
        return {45.0, iso}; // south-west isometric
    case 138:
        return {135.0, iso}; // south-east
    case 139:
        return {225.0, iso}; // north-east
    case 130:
        return {315.0, iso}; // north-west
    default:
        return {90.0, 90.0}; // 131 and anything else: the plan
    }
}

ViewTransform::ViewTransform() {
    updateAxes();
}

void ViewTransform::setAngles(const ViewAngles& angles) {
    m_angles = {std::fmod(std::fmod(angles.hor, 360.0) + 360.0, 360.0),
                std::clamp(angles.ver, -90.0, 90.0)};
    updateAxes();
}

void ViewTransform::setPixelsPerUnit(double scale) {
    if (std::isfinite(scale))
        m_scale = std::clamp(scale, minScale, maxScale);
}

void ViewTransform::updateAxes() {
    const double e = m_angles.ver * degree;
    const double b = m_angles.hor * degree;
    // The viewer sits against the bearing it looks along, raised by the elevation.
    m_toViewer = {-std::cos(e) * std::cos(b), -std::cos(e) * std::sin(b), std::sin(e)};
    m_right = {std::sin(b), -std::cos(b), 0.0};
    m_up = cross(m_toViewer, m_right);
}

QPointF ViewTransform::toScreen(const Point3& p) const {
    const Point3 d = p - m_centre;
    return {m_viewport.width() / 2.0 + dot(d, m_right) * m_scale,
            m_viewport.height() / 2.0 - dot(d, m_up) * m_scale};
}

QPointF ViewTransform::toScreenDirection(const Point3& d) const {
    return {dot(d, m_right) * m_scale, -dot(d, m_up) * m_scale};
}

Point3 ViewTransform::toWindowFrameDirection(const Point3& d) const {
    return {dot(d, m_right) * m_scale, -dot(d, m_up) * m_scale, dot(d, m_toViewer) * m_scale};
}

Point3 ViewTransform::toWindowFrame(const Point3& p) const {
    return toWindowFrameDirection(p - m_centre) +
           Point3{m_viewport.width() / 2.0, m_viewport.height() / 2.0, 0.0};
}

Point3 ViewTransform::fromWindowFrame(const Point3& q) const {
    const double u = (q.x - m_viewport.width() / 2.0) / m_scale;
    const double v = (m_viewport.height() / 2.0 - q.y) / m_scale;
    return m_centre + m_right * u + m_up * v + m_toViewer * (q.z / m_scale);
}

Point3 ViewTransform::toDrawing(const QPointF& pixel) const {
    const double u = (pixel.x() - m_viewport.width() / 2.0) / m_scale;
    const double v = (m_viewport.height() / 2.0 - pixel.y()) / m_scale;
    Point3 p = m_centre + m_right * u + m_up * v;
    if (std::abs(m_toViewer.z) > 1e-9) // slide along the line of sight onto Z = 0
        p = p - m_toViewer * (p.z / m_toViewer.z);
    if (isPlan())
        p.z = 0.0;
    return p;
}

Extent ViewTransform::visibleExtent() const {
    const double halfW = m_viewport.width() / 2.0 / m_scale;
    const double halfH = m_viewport.height() / 2.0 / m_scale;
    if (isPlan())
        return {m_centre.x - halfW, m_centre.y - halfH, m_centre.x + halfW, m_centre.y + halfH};
    // Other views: a bound that every entity near the centre could fall in; callers that need
    // exactness cull in screen space.
    const double r = std::hypot(halfW, halfH) * 4.0;
    return {m_centre.x - r, m_centre.y - r, m_centre.x + r, m_centre.y + r};
}

void ViewTransform::zoomAt(const QPointF& pixel, double factor) {
    if (!(factor > 0.0) || !std::isfinite(factor))
        return;
    const QPointF offset = pixel - QPointF(m_viewport.width() / 2.0, m_viewport.height() / 2.0);
    const double before = m_scale;
    setPixelsPerUnit(m_scale * factor);
    // Keep the point under the pixel fixed: move the centre by the offset's change in units.
    const double shift = 1.0 / before - 1.0 / m_scale;
    m_centre = m_centre + m_right * (offset.x() * shift) - m_up * (offset.y() * shift);
}

void ViewTransform::panPixels(const QPointF& delta) {
    m_centre = m_centre - m_right * (delta.x() / m_scale) + m_up * (delta.y() / m_scale);
}

void ViewTransform::fit(const Extent& extent, double zMin, double zMax) {
    // Project the eight corners of the box and fit their screen bounds.
    double minU = 1e300, maxU = -1e300, minV = 1e300, maxV = -1e300;
    for (const double x : {extent.minX, extent.maxX})
        for (const double y : {extent.minY, extent.maxY})
            for (const double z : {zMin, zMax}) {
                const Point3 p{x, y, z};
                minU = std::min(minU, dot(p, m_right));
                maxU = std::max(maxU, dot(p, m_right));
                minV = std::min(minV, dot(p, m_up));
                maxV = std::max(maxV, dot(p, m_up));
            }
    const double w = std::max(maxU - minU, 1e-9);
    const double h = std::max(maxV - minV, 1e-9);
    constexpr double margin = 0.95;
    const double scale = margin * std::min(m_viewport.width() / w, m_viewport.height() / h);
    setPixelsPerUnit(std::isfinite(scale) && scale > 0 ? scale : 1.0);
    const double cu = (minU + maxU) / 2.0;
    const double cv = (minV + maxV) / 2.0;
    const double cz = (zMin + zMax) / 2.0;
    // The centre: the point of depth cz whose right/up coordinates are (cu, cv).
    m_centre = m_right * cu + m_up * cv;
    const Point3 along = m_toViewer;
    if (std::abs(along.z) > 1e-9)
        m_centre = m_centre + along * ((cz - m_centre.z) / along.z);
}

} // namespace quadrilo::cad::canvas

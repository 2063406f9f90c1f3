// Geometry of linear and aligned dimensions.
#include "cad/dxf/DimensionGeometry.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>

namespace quadrilo::dxf {
namespace {

cad::Point3 planUnit(double x, double y) {
    const double length = std::hypot(x, y);
    return length > 0.0 ? cad::Point3{x / length, y / length, 0.0} : cad::Point3{1.0, 0.0, 0.0};
}

} // namespace

DimensionGeometry MeasureDimension(const cad::DimensionShape& dim, const cad::DimStyle& style) {
    const cad::Point3 dir = dim.aligned
                                ? planUnit(dim.second.x - dim.first.x, dim.second.y - dim.first.y)
                                : planUnit(std::cos(dim.angle), std::sin(dim.angle));
    const auto foot = [&](const cad::Point3& p) {
        const double t = (p.x - dim.linePos.x) * dir.x + (p.y - dim.linePos.y) * dir.y;
        return cad::Point3{dim.linePos.x + dir.x * t, dim.linePos.y + dir.y * t, dim.linePos.z};
    };
    DimensionGeometry g;
    g.lineFrom = foot(dim.first);
    g.lineTo = foot(dim.second);
    g.value = std::hypot(g.lineTo.x - g.lineFrom.x, g.lineTo.y - g.lineFrom.y);
    const auto extension = [&](const cad::Point3& p, const cad::Point3& f, cad::Point3& from,
                               cad::Point3& to) {
        const cad::Point3 e = planUnit(f.x - p.x, f.y - p.y);
        from = p + e * style.extensionOffset;
        to = f + e * style.extensionBeyond;
    };
    extension(dim.first, g.lineFrom, g.ext1From, g.ext1To);
    extension(dim.second, g.lineTo, g.ext2From, g.ext2To);
    double angle = std::atan2(dir.y, dir.x);
    constexpr double quarter = std::numbers::pi / 2;
    if (angle > quarter + 1e-9 || angle <= -quarter + 1e-9)
        angle += angle > 0 ? -std::numbers::pi : std::numbers::pi;
    const double lift = style.textHeight * 0.8;
    g.textAt = (g.lineFrom + g.lineTo) * 0.5 +
               cad::Point3{-std::sin(angle) * lift, std::cos(angle) * lift, 0.0};
    g.textAngle = angle;
    return g;
}

std::string DimensionValueText(double value, int decimals) {
    char buf[64];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed,
                                         std::clamp(decimals, 0, 8));
    return ec == std::errc() ? std::string(buf, end) : std::string("0");
}

} // namespace quadrilo::dxf

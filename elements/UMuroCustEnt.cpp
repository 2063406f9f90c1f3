// Parede (wall): the record and the line it draws.
#include "elements/UMuroCustEnt.h"

#include "elements/ElementKind.h"

namespace quadrilo::elements {

namespace {

constexpr int WallColor = 5;
constexpr int WallLineweight = 60;
constexpr double WallLtScale = 2.0;

void MoveEnd(double& x, double& y, double& z, Point3 d) {
    x += d.x;
    y += d.y;
    z += d.z;
}

} // namespace

ElementCreation CreateWall(Point3 point1, Point3 point2) {
    TWallData wall;
    wall.X1 = point1.x;
    wall.Y1 = point1.y;
    wall.Z1 = point1.z;
    wall.X2 = point2.x;
    wall.Y2 = point2.y;
    wall.Z2 = point2.z;
    const LineDrawing line{point1, point2, WallColor, WallLineweight, WallLtScale};
    return {{ElementKind::Wall, "", line, wall}, {}, StaleAfterChangeOf(ElementKind::Wall)};
}

TWallData MovedWall(TWallData wall, Point3 d, std::optional<int> grip) {
    // Grips 0 and 1 are the wall's ends; its middle grip moves the whole wall.
    const bool whole = !grip || (*grip != 0 && *grip != 1);
    if (whole || *grip == 0) {
        MoveEnd(wall.X1, wall.Y1, wall.Z1, d);
    }
    if (whole || *grip == 1) {
        MoveEnd(wall.X2, wall.Y2, wall.Z2, d);
    }
    return wall;
}

} // namespace quadrilo::elements

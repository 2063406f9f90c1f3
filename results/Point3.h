// A point of the drawing in drawing units (cm), as the results hand their geometry to the CAD
// layer.
#pragma once

namespace quadrilo::results {

struct Point3 {
    double X = 0;
    double Y = 0;
    double Z = 0;

    bool operator==(const Point3&) const = default;
};

} // namespace quadrilo::results

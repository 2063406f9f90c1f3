// The user profile ("User.prf"): the drawing window's settings kept between runs.
#pragma once

#include <QString>

namespace quadrilo::app {

// The user profile ("User.prf"): the drawing window's working settings kept between runs, one
// "key=value" line each.
struct UserProfile {
    unsigned snapModes = 0;
    double gridSpacingX = 10.0;
    double gridSpacingY = 10.0;
    bool ortho = false;
    bool showGrid = false;
    bool showCross = true;
    bool showLineweights = true;

    // Keeps the current value of every key that is missing or does not read; false when the
    // file cannot be read at all.
    [[nodiscard]] bool load(const QString& path);
    [[nodiscard]] bool save(const QString& path) const;
};

} // namespace quadrilo::app

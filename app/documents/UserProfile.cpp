// The user profile.
#include "app/documents/UserProfile.h"

#include "app/documents/TextFiles.h"

#include "common/StringUtils.h"

#include <QFileInfo>

#include <map>
#include <optional>

namespace quadrilo::app {
namespace {

QString number(double value) {
    return QString::number(value, 'g', 17); // C locale whatever the user's
}

} // namespace

bool UserProfile::load(const QString& path) {
    QStringList lines;
    if (!QFileInfo(path).isFile() || !ReadTextLines(path, lines))
        return false;
    std::map<QString, double> values;
    for (const QString& line : lines)
        if (const auto at = line.indexOf(QLatin1Char('=')); at > 0)
            if (const auto v = ParseNumber(line.mid(at + 1).trimmed().toStdString()))
                values[line.left(at).trimmed()] = *v;
    const auto value = [&values](const char* key) -> std::optional<double> {
        const auto it = values.find(QLatin1String(key));
        return it == values.end() ? std::nullopt : std::optional<double>(it->second);
    };
    const auto flag = [&value](const char* key, bool& field) {
        if (const auto v = value(key))
            field = *v != 0.0;
    };
    if (const auto modes = value("snapModes"); modes && *modes >= 0 && *modes <= 0xFFFFFFFF)
        snapModes = static_cast<unsigned>(*modes);
    const double gx = value("gridSpacingX").value_or(gridSpacingX);
    const double gy = value("gridSpacingY").value_or(gridSpacingY);
    if (gx > 0 && gy > 0) {
        gridSpacingX = gx;
        gridSpacingY = gy;
    }
    flag("ortho", ortho);
    flag("showGrid", showGrid);
    flag("showCross", showCross);
    flag("showLineweights", showLineweights);
    return true;
}

bool UserProfile::save(const QString& path) const {
    return WriteTextLines(path, {
                                    QStringLiteral("snapModes=%1").arg(snapModes),
                                    QStringLiteral("gridSpacingX=") + number(gridSpacingX),
                                    QStringLiteral("gridSpacingY=") + number(gridSpacingY),
                                    QStringLiteral("ortho=%1").arg(int(ortho)),
                                    QStringLiteral("showGrid=%1").arg(int(showGrid)),
                                    QStringLiteral("showCross=%1").arg(int(showCross)),
                                    QStringLiteral("showLineweights=%1").arg(int(showLineweights)),
                                });
}

} // namespace quadrilo::app

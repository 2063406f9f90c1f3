// Filter texts turned into Qt name filters.
#include "QtFileFilters.h"

#include "results/FileFilter.h"

namespace quadrilo::results {

QStringList DialogNameFilters(const char* filterText) {
    QStringList out;
    for (const auto& filter : ParseFileFilters(filterText))
        out << QString::fromStdString(filter.Description);
    return out;
}

QList<QStringList> FileListMasks(const char* filterText) {
    QList<QStringList> out;
    for (const auto& filter : ParseFileFilters(filterText)) {
        QStringList masks;
        for (const auto& mask : filter.Masks)
            masks << (mask == "*.*" ? QStringLiteral("*") : QString::fromStdString(mask));
        out << masks;
    }
    return out;
}

} // namespace quadrilo::results

// The export dialog's types, its filter and the names of exported files.
#include "app/views/ExportNames.h"

#include <QFileInfo>
#include <QStringList>

namespace quadrilo::app {
namespace {

constexpr ExportType Types[] = {ExportType::Bitmap, ExportType::Dxf, ExportType::Dwg,
                                ExportType::Drawing};

} // namespace

QString ExportDialogFilter() {
    // Qt reads the patterns from the last parentheses, so the captions stay whole.
    const QStringList parts = ExportFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters << QStringLiteral("%1 (%2)").arg(parts[i], parts[i + 1]);
    return filters.join(QStringLiteral(";;"));
}

QString ExportExtension(ExportType type) {
    switch (type) {
    case ExportType::Dxf:
        return QStringLiteral(".dxf");
    case ExportType::Dwg:
        return QStringLiteral(".dwg");
    case ExportType::Drawing:
        return QStringLiteral(".vec");
    case ExportType::Bitmap:
        break;
    }
    return QStringLiteral(".bmp");
}

ExportType ExportTypeAt(int filterIndex) {
    return filterIndex >= 0 && filterIndex < int(std::size(Types)) ? Types[filterIndex]
                                                                   : ExportType::Bitmap;
}

ExportType ExportTypeOfName(const QString& name) {
    const QString suffix = QLatin1Char('.') + QFileInfo(name).suffix();
    for (const ExportType type : Types)
        if (suffix.compare(ExportExtension(type), Qt::CaseInsensitive) == 0)
            return type;
    return ExportType::Bitmap;
}

QString ExportFileName(const QString& chosen, ExportType type) {
    const QString extension = ExportExtension(type);
    const QString suffix = QFileInfo(chosen).suffix();
    if (suffix.isEmpty())
        return chosen + extension;
    if ((QLatin1Char('.') + suffix).compare(extension, Qt::CaseInsensitive) == 0)
        return chosen;
    return chosen.left(chosen.size() - suffix.size() - 1) + extension;
}

double BitmapScale(const cad::Extent& visible) {
    return BitmapWidthPixels / (visible.maxX - visible.minX);
}

} // namespace quadrilo::app

// Names of drawing files.
#include "app/documents/DrawingNames.h"

#include <QDir>
#include <QFileInfo>

namespace quadrilo::app {

bool IsDrawingName(const QString& name) {
    return name.endsWith(QStringLiteral(".vec"), Qt::CaseInsensitive);
}

QString WithDrawingExtension(const QString& name) {
    return IsDrawingName(name) ? name : name + QStringLiteral(".vec");
}

QString AsDrawingName(const QString& name) {
    if (IsDrawingName(name))
        return name;
    const QString suffix = QFileInfo(name).suffix();
    return (suffix.isEmpty() ? name : name.left(name.size() - suffix.size() - 1)) +
           QStringLiteral(".vec");
}

QString ResolveDrawingName(const QString& directory, const QString& name) {
    return WithDrawingExtension(QDir(directory).absoluteFilePath(name.trimmed()));
}

QString BareName(const QString& path) {
    return QFileInfo(path).fileName();
}

QString ExtensionOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix();
    return suffix.isEmpty() ? QString() : QLatin1Char('.') + suffix;
}

} // namespace quadrilo::app

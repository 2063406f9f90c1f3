// Where the program keeps its files.
#include "app/documents/AppFolders.h"

#include <QDir>
#include <QStandardPaths>

namespace quadrilo::app {

QString AppFolders::inHome(const QString& name) const {
    return QDir(home).filePath(name);
}

QString AppFolders::shippedStartDrawing() const {
    return QDir(programDir).filePath(StartDrawingName);
}

AppFolders AppFolders::forRun(const QString& programDir, const QString& homeOption) {
    const QString home = homeOption.isEmpty()
                             ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                             : QDir(homeOption).absolutePath();
    return AppFolders{QDir(programDir).absolutePath(), home};
}

bool AppFolders::makeFolders() const {
    return QDir().mkpath(home) && QDir().mkpath(drawingsDir());
}

} // namespace quadrilo::app

// One session's recovery files.
#include "app/recovery/RecoveryFiles.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>

namespace quadrilo::app {
namespace {

const QString DrawingSuffix = QStringLiteral(".vec");
const QString NoteSuffix = QStringLiteral(".txt");
const QString BackupSuffix = QStringLiteral(".bak");
const QString AsideSuffix = QStringLiteral(".damaged");

QString stem(const RecoverySlot& slot) {
    return QDir(slot.folder).filePath(QStringLiteral("session-%1").arg(slot.number));
}

// ".damaged", then ".damaged-2", ... : the first that none of the files would take.
QString freeAsideSuffix(const QStringList& paths) {
    for (int n = 1;; ++n) {
        const QString suffix = n == 1 ? AsideSuffix : AsideSuffix + QStringLiteral("-%1").arg(n);
        if (std::none_of(paths.begin(), paths.end(),
                         [&](const QString& p) { return QFile::exists(p + suffix); }))
            return suffix;
    }
}

} // namespace

QString RecoverySlot::drawingPath() const {
    return stem(*this) + DrawingSuffix;
}

QString RecoverySlot::notePath() const {
    return stem(*this) + NoteSuffix;
}

QString RecoverySlot::lockPath() const {
    return stem(*this) + QStringLiteral(".lock");
}

bool RecoverySlot::hasFiles() const {
    return QFile::exists(drawingPath()) || QFile::exists(notePath());
}

bool RecoverySlot::removeFiles() const {
    bool gone = true;
    for (const QString& path : {drawingPath() + BackupSuffix, drawingPath(), notePath()})
        gone = (QFile::remove(path) || !QFile::exists(path)) && gone;
    return gone;
}

QString RecoverySlot::keepAside() const {
    const QStringList paths{drawingPath(), drawingPath() + BackupSuffix, notePath()};
    const QString suffix = freeAsideSuffix(paths);
    if (!QFile::rename(drawingPath(), drawingPath() + suffix))
        return {};
    for (const QString& path : {paths[1], paths[2]})
        if (QFile::exists(path))
            (void)QFile::rename(path, path + suffix);
    return drawingPath() + suffix;
}

std::vector<RecoverySlot> SlotsWithFiles(const QString& folder) {
    static const QRegularExpression name(
        QStringLiteral(R"(^session-([1-9][0-9]{0,8})\.(vec|txt)$)"));
    std::vector<RecoverySlot> found;
    for (const QString& file : QDir(folder).entryList(QDir::Files)) {
        const QRegularExpressionMatch match = name.match(file);
        if (!match.hasMatch())
            continue;
        const int number = match.captured(1).toInt();
        if (std::none_of(found.begin(), found.end(),
                         [&](const RecoverySlot& s) { return s.number == number; }))
            found.push_back({folder, number});
    }
    std::sort(found.begin(), found.end(),
              [](const RecoverySlot& a, const RecoverySlot& b) { return a.number < b.number; });
    return found;
}

} // namespace quadrilo::app

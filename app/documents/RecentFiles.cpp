// The list of recently used drawings.
#include "app/documents/RecentFiles.h"

#include "app/documents/TextFiles.h"

namespace quadrilo::app {

bool RecentFiles::load(const QString& path) {
    QStringList lines;
    if (!ReadTextLines(path, lines))
        return false;
    m_files.clear();
    for (const QString& line : lines)
        if (!line.trimmed().isEmpty() && m_files.size() < Capacity)
            m_files << line.trimmed();
    return true;
}

bool RecentFiles::save(const QString& path) const {
    return WriteTextLines(path, m_files);
}

bool RecentFiles::add(const QString& fileName) {
    if (fileName.trimmed().isEmpty())
        return false;
    m_files.removeIf(
        [&](const QString& f) { return f.compare(fileName, Qt::CaseInsensitive) == 0; });
    m_files.prepend(fileName);
    while (m_files.size() > Capacity)
        m_files.removeLast();
    return true;
}

} // namespace quadrilo::app

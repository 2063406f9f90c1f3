// The list of recently used drawings ("Recent.txt"): full paths, most recent first, one a line.
#pragma once

#include <QString>
#include <QStringList>

namespace quadrilo::app {

class RecentFiles {
public:
    static constexpr int Capacity = 10;

    // A missing file is an empty list; false when the file exists but cannot be read.
    [[nodiscard]] bool load(const QString& path);
    // Writes the whole list or nothing; false on failure.
    [[nodiscard]] bool save(const QString& path) const;
    // Puts the name first; file names compare without regard to letter case. False for an
    // empty name.
    [[nodiscard]] bool add(const QString& fileName);
    [[nodiscard]] const QStringList& files() const { return m_files; }

private:
    QStringList m_files;
};

} // namespace quadrilo::app

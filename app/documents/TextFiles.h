// The program's small text files: UTF-8 lines, written whole through the atomic writer.
#pragma once

#include <QString>
#include <QStringList>

namespace quadrilo::app {

// The program's small text files (recent files, profile, message log): UTF-8 lines, written whole
// through the atomic writer.

// A missing file reads as no lines; false when the file exists but cannot be read.
[[nodiscard]] bool ReadTextLines(const QString& path, QStringList& lines);
// Each line followed by a line break; false when the file cannot be written (the old one stays).
[[nodiscard]] bool WriteTextLines(const QString& path, const QStringList& lines);
// The same for any bytes; throws FileWriteError with the reason.
void WriteFileBytes(const QString& path, const QByteArray& bytes);

} // namespace quadrilo::app

// The program's small text files.
#include "app/documents/TextFiles.h"

#include "common/AtomicFile.h"

#include <QFile>

namespace quadrilo::app {

bool ReadTextLines(const QString& path, QStringList& lines) {
    lines.clear();
    QFile file(path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QString text = QString::fromUtf8(file.readAll());
    lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines)
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return true;
}

bool WriteTextLines(const QString& path, const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toUtf8() + '\n';
    try {
        WriteFileBytes(path, bytes);
        return true;
    } catch (const FileWriteError&) {
        return false;
    }
}

void WriteFileBytes(const QString& path, const QByteArray& bytes) {
    ReplaceFileContents(
        path.toStdString(),
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

} // namespace quadrilo::app

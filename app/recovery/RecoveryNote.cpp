// The note beside a drawing written automatically.
#include "app/recovery/RecoveryNote.h"

#include "common/AtomicFile.h"

#include <QFile>
#include <QList>

namespace quadrilo::app {
namespace {

const QByteArray Header = "Quadrilo recovery";
const QByteArray DrawingKey = "drawing=";
const QByteArray WrittenKey = "written=";
// A note holds a path and a time; anything longer is not one.
constexpr qint64 MaxNoteBytes = 64 * 1024;

} // namespace

QByteArray EncodeRecoveryNote(const RecoveryNote& note) {
    return Header + '\n' + DrawingKey + note.drawingPath.toUtf8().toPercentEncoding("/") + '\n' +
           WrittenKey + note.writtenAt.toUTC().toString(Qt::ISODate).toLatin1() + '\n';
}

std::optional<RecoveryNote> DecodeRecoveryNote(const QByteArray& text) {
    const QList<QByteArray> lines = text.split('\n');
    if (lines.isEmpty() || lines.front() != Header)
        return std::nullopt;
    std::optional<QString> drawing;
    QDateTime written;
    for (const QByteArray& line : lines) {
        if (line.startsWith(DrawingKey))
            drawing =
                QString::fromUtf8(QByteArray::fromPercentEncoding(line.mid(DrawingKey.size())));
        else if (line.startsWith(WrittenKey))
            written = QDateTime::fromString(QString::fromLatin1(line.mid(WrittenKey.size())),
                                            Qt::ISODate);
    }
    if (!drawing || !written.isValid())
        return std::nullopt;
    return RecoveryNote{*drawing, written.toUTC()};
}

void WriteRecoveryNote(const QString& path, const RecoveryNote& note) {
    const QByteArray text = EncodeRecoveryNote(note);
    ReplaceFileContents(path.toStdString(), std::string_view(text.constData(), text.size()));
}

std::optional<RecoveryNote> ReadRecoveryNote(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return DecodeRecoveryNote(file.read(MaxNoteBytes));
}

} // namespace quadrilo::app

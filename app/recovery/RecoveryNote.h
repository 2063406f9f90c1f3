// The note beside a drawing written automatically: whose work it is and when it was written.
#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

namespace quadrilo::app {

// The note beside a drawing written automatically: the path of the user's drawing the work belongs
// to (empty for a drawing never saved) and when it was written.
struct RecoveryNote {
    QString drawingPath;
    QDateTime writtenAt; // UTC, to the second

    [[nodiscard]] bool unnamed() const { return drawingPath.isEmpty(); }
    bool operator==(const RecoveryNote&) const = default;
};

// The note as a small text file: a header line, then "drawing=" with the path percent-encoded
// (so that any character of a file name survives a line) and "written=" in ISO 8601.
[[nodiscard]] QByteArray EncodeRecoveryNote(const RecoveryNote& note);
// None for anything but a note of this form.
[[nodiscard]] std::optional<RecoveryNote> DecodeRecoveryNote(const QByteArray& text);

// Writes the note through the atomic writer; throws FileWriteError.
void WriteRecoveryNote(const QString& path, const RecoveryNote& note);
// None when the file is missing or is no note.
[[nodiscard]] std::optional<RecoveryNote> ReadRecoveryNote(const QString& path);

} // namespace quadrilo::app

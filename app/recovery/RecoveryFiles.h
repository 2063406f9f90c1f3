// One session's files in the recovery folder: the drawing written automatically, its note, its
// lock.
#pragma once

#include <QString>

#include <vector>

namespace quadrilo::app {

// The files of one running program's recovery, numbered in the recovery folder: "session-N.vec"
// (the drawing as it was at the last automatic save, with the ".bak" the atomic writer keeps),
// "session-N.txt" (the note naming the user's drawing) and "session-N.lock" (held while the
// program runs).
struct RecoverySlot {
    QString folder;
    int number = 0;

    [[nodiscard]] QString drawingPath() const;
    [[nodiscard]] QString notePath() const;
    [[nodiscard]] QString lockPath() const;
    // The drawing or its note is there.
    [[nodiscard]] bool hasFiles() const;
    // Removes the drawing, its backup and the note; true when none is left.
    bool removeFiles() const;
    // Renames the drawing, its backup and the note with a suffix no file of the folder has yet, so
    // that they are neither offered again nor overwritten; the drawing's new path, empty when it
    // could not be renamed.
    [[nodiscard]] QString keepAside() const;
};

// The slots of the folder that hold a drawing or a note, by number.
[[nodiscard]] std::vector<RecoverySlot> SlotsWithFiles(const QString& folder);

} // namespace quadrilo::app

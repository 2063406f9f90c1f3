// This program's own recovery files, kept apart from other running programs' by a lock.
#pragma once

#include "app/recovery/RecoveryFiles.h"
#include "app/recovery/RecoveryNote.h"

#include "cad/FileResult.h"

#include <QLockFile>

#include <memory>

namespace quadrilo::cad {
class Document;
}

namespace quadrilo::app {

// This program's own recovery files: the first slot of the recovery folder that no running
// program holds and that keeps no other session's work, held by its lock for the program's life.
// Programs sharing a data folder thus never write each other's files; a lock left by a program
// that died no longer counts, and its files are a crashed session's.
class RecoverySession {
public:
    // Claims a slot in the folder (made when missing); none when no slot can be had.
    [[nodiscard]] static std::unique_ptr<RecoverySession> claim(const QString& folder);

    [[nodiscard]] const RecoverySlot& slot() const { return m_slot; }

    // Writes a copy of the document and then the note, each through the atomic writer; the
    // document keeps its name, modified flag and undo. The first failure is returned.
    [[nodiscard]] cad::FileResult write(const cad::Document& document, const RecoveryNote& note);
    // The drawing is safe elsewhere (saved, or the program ends cleanly): the files go; the lock
    // stays with the session.
    void clear();

private:
    RecoverySession(RecoverySlot slot, std::unique_ptr<QLockFile> lock)
        : m_slot(std::move(slot)), m_lock(std::move(lock)) {}

    RecoverySlot m_slot;
    std::unique_ptr<QLockFile> m_lock;
};

// The lock of a slot, held when no living program holds it; none otherwise. A lock of a program
// that is no longer running is taken over, whatever its age.
[[nodiscard]] std::unique_ptr<QLockFile> LockSlot(const RecoverySlot& slot);

} // namespace quadrilo::app

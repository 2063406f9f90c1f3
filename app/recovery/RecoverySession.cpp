// This program's own recovery files.
#include "app/recovery/RecoverySession.h"

#include "cad/Document.h"
#include "common/AtomicFile.h"

#include <QDir>

namespace quadrilo::app {
namespace {

// More programs than anyone runs at once on one data folder.
constexpr int MaxSlots = 1000;

} // namespace

std::unique_ptr<QLockFile> LockSlot(const RecoverySlot& slot) {
    auto lock = std::make_unique<QLockFile>(slot.lockPath());
    // Only a dead owner makes a lock stale: a program may run for days between saves.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return nullptr;
    return lock;
}

std::unique_ptr<RecoverySession> RecoverySession::claim(const QString& folder) {
    if (!QDir().mkpath(folder))
        return nullptr;
    for (int number = 1; number <= MaxSlots; ++number) {
        RecoverySlot slot{folder, number};
        if (slot.hasFiles())
            continue; // another session's work, until the user decides on it
        std::unique_ptr<QLockFile> lock = LockSlot(slot);
        // A session that wrote and died between the look and the lock left work to offer, not
        // to overwrite.
        if (lock && !slot.hasFiles())
            return std::unique_ptr<RecoverySession>(
                new RecoverySession(std::move(slot), std::move(lock)));
    }
    return nullptr;
}

cad::FileResult RecoverySession::write(const cad::Document& document, const RecoveryNote& note) {
    if (cad::FileResult written = document.saveCopy(m_slot.drawingPath().toStdString()); !written)
        return written;
    try {
        WriteRecoveryNote(m_slot.notePath(), note);
    } catch (const FileWriteError& e) {
        return {cad::FileError::CannotWrite, e.path(), e.code().message()};
    }
    return {cad::FileError::None, m_slot.drawingPath().toStdString(), {}};
}

void RecoverySession::clear() {
    (void)m_slot.removeFiles();
}

} // namespace quadrilo::app

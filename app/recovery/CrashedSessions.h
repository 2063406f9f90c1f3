// The recovery files of programs that ended without closing: work the user may want back.
#pragma once

#include "app/recovery/RecoveryFiles.h"
#include "app/recovery/RecoveryNote.h"

#include <QLockFile>

#include <memory>
#include <optional>
#include <vector>

namespace quadrilo::app {

// A program that ended without closing left a drawing written automatically. Its lock is held
// while the user decides, so that a second program starting meanwhile does not offer it too.
struct CrashedSession {
    RecoverySlot slot;
    // A missing or unreadable note reads as an unnamed drawing of the file's time.
    RecoveryNote note;
    std::unique_ptr<QLockFile> lock;
};

// The slots of the folder whose program is no longer running and which hold a drawing, the most
// recently written first. A note left without its drawing holds no work and is removed.
[[nodiscard]] std::vector<CrashedSession> FindCrashedSessions(const QString& folder);

} // namespace quadrilo::app

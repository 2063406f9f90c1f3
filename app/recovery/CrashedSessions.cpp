// The recovery files of programs that ended without closing.
#include "app/recovery/CrashedSessions.h"

#include "app/recovery/RecoverySession.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace quadrilo::app {

std::vector<CrashedSession> FindCrashedSessions(const QString& folder) {
    std::vector<CrashedSession> found;
    for (RecoverySlot& slot : SlotsWithFiles(folder)) {
        std::unique_ptr<QLockFile> lock = LockSlot(slot);
        if (!lock)
            continue; // its program runs
        if (!QFile::exists(slot.drawingPath())) {
            (void)slot.removeFiles();
            continue;
        }
        RecoveryNote note =
            ReadRecoveryNote(slot.notePath())
                .value_or(RecoveryNote{{}, QFileInfo(slot.drawingPath()).lastModified().toUTC()});
        found.push_back({std::move(slot), std::move(note), std::move(lock)});
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const CrashedSession& a, const CrashedSession& b) {
                         return a.note.writtenAt > b.note.writtenAt;
                     });
    return found;
}

} // namespace quadrilo::app

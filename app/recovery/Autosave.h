// Writes the open drawing to this program's recovery files every few minutes and before a
// calculation, when it changed since the last save or automatic save.
#pragma once

#include "app/recovery/RecoverySession.h"

#include <QObject>
#include <QTimer>

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>

namespace quadrilo::cad {
class Drawing;
}

namespace quadrilo::app {

class DocumentController;
class ProgramState;

// Keeps the open drawing in this program's recovery files, so that a crash loses a few minutes of
// work at most: a timer writes it when it changed since the last save or automatic save, and the
// calculation writes it before it starts. It never writes while long work runs or a change is
// half made, never asks anything, and logs a failure. Once the drawing is saved (or another one
// opened) the recovery files go, since the user's file holds the work.
class Autosave : public QObject {
    Q_OBJECT
public:
    enum class Outcome {
        Written,
        Unchanged, // nothing new since the last write, or nothing unsaved at all
        Busy,      // long work runs or a change is open: the next tick tries again
        Failed,    // logged
        NoSession, // no recovery slot could be had
    };

    Autosave(ProgramState& state, const DocumentController& documents, QObject* parent = nullptr);

    // Claims this program's recovery files and writes every `interval` from now on; when no slot
    // can be had it is logged and nothing is ever written.
    void start(std::chrono::seconds interval);
    Outcome writeIfModified();
    // The program ends cleanly: its recovery files go.
    void end();

    [[nodiscard]] const RecoverySession* session() const { return m_session.get(); }

private:
    // Which drawing, at which change, the recovery files hold.
    struct Written {
        const cad::Drawing* drawing;
        std::uint64_t revision;
        bool operator==(const Written&) const = default;
    };
    void logFailure(const QString& what);

    ProgramState& m_state;
    const DocumentController& m_documents;
    QTimer m_timer;
    std::unique_ptr<RecoverySession> m_session;
    std::optional<Written> m_written;
};

} // namespace quadrilo::app

// The automatic save of the open drawing to this program's recovery files.
#include "app/recovery/Autosave.h"

#include "app/ProgramState.h"
#include "app/documents/DocumentController.h"
#include "app/texts/Language.h"

namespace quadrilo::app {

Autosave::Autosave(ProgramState& state, const DocumentController& documents, QObject* parent)
    : QObject(parent), m_state(state), m_documents(documents) {
    connect(&m_timer, &QTimer::timeout, this, [this] { (void)writeIfModified(); });
}

void Autosave::start(std::chrono::seconds interval) {
    m_session = RecoverySession::claim(m_state.folders.recoveryDir());
    if (!m_session) {
        logFailure(m_state.cad.describe({cad::FileError::CannotWrite,
                                         m_state.folders.recoveryDir().toStdString(),
                                         "no recovery slot can be had"}));
        return;
    }
    m_timer.start(interval);
}

Autosave::Outcome Autosave::writeIfModified() {
    if (!m_session)
        return Outcome::NoSession;
    CadSession& cad = m_state.cad;
    // Long work repaints through the event loop, and an open change is half a drawing.
    if (m_state.busyDepth > 0 || cad.drawing().inTransaction())
        return Outcome::Busy;
    if (!cad.modified()) {
        if (m_written) {
            m_session->clear();
            m_written.reset();
        }
        return Outcome::Unchanged;
    }
    const Written now{&cad.drawing(), cad.drawing().revision()};
    if (m_written == now)
        return Outcome::Unchanged;
    const RecoveryNote note{
        m_documents.documentPath(),
        QDateTime::fromSecsSinceEpoch(QDateTime::currentSecsSinceEpoch(), Qt::UTC)};
    if (const cad::FileResult written = m_session->write(cad.document(), note); !written) {
        logFailure(cad.describe(written));
        return Outcome::Failed;
    }
    m_written = now;
    return Outcome::Written;
}

void Autosave::end() {
    m_timer.stop();
    if (m_session)
        m_session->clear();
    m_written.reset();
}

void Autosave::logFailure(const QString& what) {
    m_state.log.append(ProgramTextOf(m_state.cad.engine().texts(), ProgramText::AutosaveFailed,
                                     {what.toStdString()}));
}

} // namespace quadrilo::app

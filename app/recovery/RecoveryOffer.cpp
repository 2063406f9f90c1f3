// The start-up's offer of work left by programs that ended without closing.
#include "app/recovery/RecoveryOffer.h"

#include "app/ProgramState.h"
#include "app/documents/DocumentController.h"
#include "app/prompts/UserPrompts.h"
#include "app/recovery/Autosave.h"
#include "app/recovery/CrashedSessions.h"
#include "app/texts/Language.h"

namespace quadrilo::app {
namespace {

std::string utf8(const QString& text) {
    return text.toStdString();
}

// Opens the session's drawing; false, with the user told, when it does not open.
bool recover(ProgramState& state, UserPrompts& prompts, DocumentController& documents,
             const CrashedSession& session, const QString& name) {
    const cad::FileResult opened =
        documents.openRecovered(session.slot.drawingPath(), session.note.drawingPath);
    if (opened)
        return true;
    const QString aside = session.slot.keepAside();
    (void)prompts.ask(MessageRequest::error(
        ProgramTextOf(state.cad.engine().texts(), ProgramText::RecoveryDamaged,
                      {utf8(name), utf8(state.cad.describe(opened)),
                       utf8(aside.isEmpty() ? session.slot.drawingPath() : aside)})));
    return false;
}

} // namespace

bool OfferRecovery(ProgramState& state, UserPrompts& prompts, DocumentController& documents,
                   Autosave& autosave) {
    const cad::TextTable& texts = state.cad.engine().texts();
    const QString recoverButton = ProgramTextOf(texts, ProgramText::RecoveryRecover);
    const QString discardButton = ProgramTextOf(texts, ProgramText::RecoveryDiscard);
    for (const CrashedSession& session : FindCrashedSessions(state.folders.recoveryDir())) {
        const QString name = session.note.unnamed()
                                 ? ProgramTextOf(texts, ProgramText::RecoveryUnnamed)
                                 : session.note.drawingPath;
        const QString when =
            session.note.writtenAt.toLocalTime().toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
        // No escape button: closing the question decides nothing, and the work waits.
        const QString answer = prompts.ask(
            {BoxIcon::Confirmation,
             ProgramTextOf(texts, ProgramText::RecoveryQuestion, {utf8(name), utf8(when)}),
             {recoverButton, discardButton},
             QString()});
        if (SameCaption(answer, discardButton)) {
            (void)session.slot.removeFiles();
        } else if (SameCaption(answer, recoverButton) &&
                   recover(state, prompts, documents, session, name)) {
            // Until this program's own files hold the work, the dead program's stay.
            if (autosave.writeIfModified() == Autosave::Outcome::Written)
                (void)session.slot.removeFiles();
            state.log.append(ProgramTextOf(texts, ProgramText::RecoveryDone, {utf8(name)}));
            return true;
        }
    }
    return false;
}

} // namespace quadrilo::app

// At start-up: the work of programs that ended without closing, offered back to the user.
#pragma once

namespace quadrilo::app {

class Autosave;
class DocumentController;
class ProgramState;
class UserPrompts;

// Offers the drawings that programs ending without closing wrote automatically, the most recent
// first, one question each naming the user's drawing: "Recuperar" opens it as that drawing's
// unsaved work and ends the offer (the others wait for the next start), "Descartar" deletes it,
// closing the question keeps it for the next start. A recovered drawing passes to this program's
// own recovery files before the old ones go (they stay when it cannot). One that does not open is
// kept aside under another name, and the user is told where. True when a drawing was recovered.
bool OfferRecovery(ProgramState& state, UserPrompts& prompts, DocumentController& documents,
                   Autosave& autosave);

} // namespace quadrilo::app

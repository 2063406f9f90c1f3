// The CAD document's events that keep element records, edit panels and workflow flags in step:
// selection, moves, grip drags, erasures, paste, double click, undo and redo.
#pragma once

#include "app/elements/ElementHost.h"

#include "cad/Document.h"
#include "elements/UEvents.h"

#include <functional>
#include <vector>

namespace quadrilo::app {

// Subscribes to the document's events for as long as it lives; `showPanel` puts an edit panel
// on tab 7.
class ElementEvents {
public:
    using PanelView = std::function<void(const elements::EditPanel&)>;

    ElementEvents(ElementHost& host, PanelView showPanel);

private:
    void onSelection(const cad::SelectionChange& change);
    cad::Verdict onMoving(cad::EntityId id, cad::Point3& d);
    cad::Verdict onGripping(cad::EntityId id, int grip, cad::Point3& d);
    cad::Verdict onErasing(cad::EntityId id);
    cad::Verdict onExecuting(int command);
    cad::Verdict onDoubleClick();
    void onHistory(const cad::HistoryStep& step);
    // The program's own work on the malha (GrillageWork) moves and erases its entities freely.
    [[nodiscard]] bool programAtWork(const cad::Entity& e);
    // Stores a moved element's new record and tells the move.
    cad::Verdict applyMove(cad::EntityId id, const elements::MoveOutcome& outcome);
    // The element's record copied into its kind's buffer, as the selection leaves it.
    void copyToBuffer(const elements::ElementRecord& record);
    // A refusal of the grillage's entities is told once per user action, not once per entity.
    void sendRefusal(const MessageLines& lines);

    ElementHost& m_host;
    PanelView m_showPanel;
    MessageLines m_refusalTold; // the refusal told during this turn of the engine's loop
    std::vector<cad::Subscription> m_subscriptions;
};

} // namespace quadrilo::app

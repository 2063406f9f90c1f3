// The structural elements in the program: their commands, the document's events that keep them
// in step, and their panels, installed once with the drawing window.
#pragma once

#include <functional>

#include "app/elements/ElementCommandSet.h"
#include "app/elements/ElementEvents.h"
#include "app/elements/ElementHost.h"
#include "app/elements/ElementPanels.h"

namespace quadrilo::app {

class TfrmMain;

class ElementFeature {
public:
    // `beforeLoadCommand` registers the commands that come between the wall and the load.
    ElementFeature(TfrmMain& window, ColumnsTab& columns, BeamsTab& beams, SlabsTab& slabs,
                   ElementEditTab& edit, const std::function<void()>& beforeLoadCommand);

private:
    ElementHost m_host;
    ElementEvents m_events;
    ElementPanels m_panels;
    ElementCommandSet m_commands;
};

} // namespace quadrilo::app

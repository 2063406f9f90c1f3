// The guard of long work.
#include "app/window/BusyGuard.h"

#include "app/window/MainActions.h"
#include "app/ProgramState.h"

#include <QAction>
#include <QWidget>

namespace quadrilo::app {

BusyGuard::BusyGuard(ProgramState& state, const MainActions& actions, std::vector<QWidget*> widgets)
    : m_state(state) {
    ++m_state.busyDepth;
    for (QAction* action : actions.all()) {
        m_actions.emplace_back(action, action->isEnabled());
        action->setEnabled(false);
    }
    for (QWidget* widget : widgets) {
        // Its own state, not the one its parent lends it.
        m_widgets.emplace_back(widget, !widget->testAttribute(Qt::WA_ForceDisabled));
        widget->setEnabled(false);
    }
}

BusyGuard::~BusyGuard() {
    for (const auto& [action, enabled] : m_actions)
        if (action)
            action->setEnabled(enabled);
    for (const auto& [widget, enabled] : m_widgets)
        if (widget)
            widget->setEnabled(enabled);
    --m_state.busyDepth;
}

} // namespace quadrilo::app

// Keeps a second action from starting underneath long work.
#pragma once

#include <QPointer>

#include <utility>
#include <vector>

class QAction;
class QWidget;

namespace quadrilo::app {

class MainActions;
class ProgramState;

// Long work (grillage generation, calculation) runs on the window's thread and repaints while it
// runs; the guard keeps a second action from starting underneath it: every action and the given
// widgets are disabled for its lifetime and given back their state after. Guards nest.
class BusyGuard {
public:
    BusyGuard(ProgramState& state, const MainActions& actions, std::vector<QWidget*> widgets);
    ~BusyGuard();
    BusyGuard(const BusyGuard&) = delete;
    BusyGuard& operator=(const BusyGuard&) = delete;

private:
    ProgramState& m_state;
    std::vector<std::pair<QPointer<QAction>, bool>> m_actions;
    std::vector<std::pair<QPointer<QWidget>, bool>> m_widgets;
};

} // namespace quadrilo::app

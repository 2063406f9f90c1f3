// Every action of the main window (`ActionList1`) with its name, caption and hint.
#pragma once

#include <QObject>

#include <string_view>
#include <vector>

class QAction;

namespace quadrilo::app {

// Every action of the main window (`ActionList1`) with its name, caption and hint. The actions
// whose work another part of the program does start disabled; that part enables the action when it
// connects its work.
class MainActions {
public:
    // The actions are children of owner.
    explicit MainActions(QObject* owner);

    // The action named so; throws std::out_of_range for a name that is not one of them.
    [[nodiscard]] QAction* operator[](std::string_view name) const;
    [[nodiscard]] const std::vector<QAction*>& all() const { return m_actions; }

private:
    std::vector<QAction*> m_actions;
};

} // namespace quadrilo::app

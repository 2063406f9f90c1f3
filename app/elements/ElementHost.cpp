// What the element commands, events and panels need of the main window.
#include "app/elements/ElementHost.h"

#include "app/ProgramState.h"
#include "app/window/TfrmMain.h"

#include <QAction>

namespace quadrilo::app {

cad::Document& ElementHost::document() {
    return m_window.state().cad.document();
}

ElementState& ElementHost::buffers() {
    return m_window.state().elements;
}

TProjectData& ElementHost::project() {
    return m_window.state().project;
}

const mesh::MaterialTable& ElementHost::materials() const {
    return m_window.state().mesh.Materials;
}

void ElementHost::refuse(const elements::Refusal& refusal) {
    if (refusal.kind == elements::Refusal::Kind::Input)
        throw ElementInputError(refusal.message);
    send({{refusal.channel, refusal.message}});
}

void ElementHost::applyFlags(elements::FlagChange change) {
    WorkflowFlags& flags = m_window.state().flags;
    elements::ApplyFlagChange(change, flags.MeshOutdated, flags.ResultsCurrent);
}

void ElementHost::refreshView() {
    m_window.RefreshView();
}

void ElementHost::setCurrentLayer(std::string_view name) {
    m_window.SetCurrentLayer(QString::fromUtf8(name.data(), qsizetype(name.size())));
}

std::string ElementHost::currentLayerName() const {
    return m_window.CurrentLayerName().toStdString();
}

void ElementHost::trigger(const char* action) {
    m_window.actions()[action]->trigger();
}

} // namespace quadrilo::app

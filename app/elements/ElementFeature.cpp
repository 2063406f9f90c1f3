// The structural elements in the program.
#include "app/elements/ElementFeature.h"

#include "app/drawing/DrawingWindow.h"
#include "app/tabs/ElementEditTab.h"
#include "app/window/TfrmMain.h"

namespace quadrilo::app {

ElementFeature::ElementFeature(TfrmMain& window, ColumnsTab& columns, BeamsTab& beams,
                               SlabsTab& slabs, ElementEditTab& edit,
                               const std::function<void()>& beforeLoadCommand)
    : m_host(window),
      m_events(m_host, [&edit](const elements::EditPanel& panel) { edit.show(panel); }),
      m_panels(m_host, columns, beams, slabs, edit), m_commands(m_host) {
    m_commands.registerCommands(window.drawingWindow()->canvas(), window.prompts(), beforeLoadCommand);
}

} // namespace quadrilo::app

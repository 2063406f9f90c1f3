// The results in the main window: the deformed malha, the diagrams, the listings, the 3D view and
// the calculation tool, bound to their actions.
#pragma once

#include "app/results/DeformedGrillageActions.h"
#include "app/results/DiagramCommand.h"
#include "app/results/ResultWindowActions.h"

namespace quadrilo::app {

class TfrmMain;

// Connects and enables every action of the results, and registers the diagram command with the
// drawing (`RegisterCommands`, once the drawing exists, after the wall command and before the
// nodal-load command).
class ResultsFeature {
public:
    ResultsFeature(TfrmMain& main, ResultWindows windows,
                   DeformedGrillageActions::ColourChooser chooseColour = AskColour);

    void RegisterCommands() { m_diagram.Register(); }

    [[nodiscard]] DeformedGrillageActions& deformed() { return m_deformed; }
    [[nodiscard]] ResultWindowActions& windows() { return m_windows; }

    // The desktop's colour dialog.
    static std::optional<QColor> AskColour(const QColor& current);

private:
    void showViewToolBarOutsidePlan();
    void Connect();

    TfrmMain& m_main;
    DeformedGrillageActions m_deformed;
    DiagramCommand m_diagram;
    ResultWindowActions m_windows;
};

} // namespace quadrilo::app

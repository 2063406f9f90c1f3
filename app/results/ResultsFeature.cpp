// The results in the main window, bound to their actions.
#include "app/results/ResultsFeature.h"

#include "app/ProgramState.h"
#include "app/results/ViewRotation.h"
#include "app/window/TfrmMain.h"

#include <QAction>
#include <QColorDialog>

namespace quadrilo::app {

ResultsFeature::ResultsFeature(TfrmMain& main, ResultWindows windows,
                               DeformedGrillageActions::ColourChooser chooseColour)
    : m_main(main), m_deformed(main, std::move(chooseColour)), m_diagram(main),
      m_windows(main, windows) {
    Connect();
}

std::optional<QColor> ResultsFeature::AskColour(const QColor& current) {
    const QColor chosen = QColorDialog::getColor(current);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

// The turns end where the standard views do: the bar shows exactly outside the plan view.
void ResultsFeature::showViewToolBarOutsidePlan() {
    m_main.setViewToolBarVisible(!m_main.state().cad.viewFromTopOrBottom());
}

void ResultsFeature::Connect() {
    const auto on = [this](const char* name, std::function<void()> work) {
        QAction* action = m_main.actions()[name];
        QObject::connect(action, &QAction::triggered, &m_main,
                         [this, work = std::move(work)] { m_main.guarded(work); });
        action->setEnabled(true);
    };
    const auto turn = [this](double hor, double ver) {
        return [this, hor, ver] {
            if (DrawingWindow* window = m_main.drawingWindow())
                TurnView(*window, hor, ver);
            showViewToolBarOutsidePlan();
        };
    };
    using results::DiagramKind;
    const auto diagram = [this](DiagramKind kind) { return [this, kind] { m_diagram.Start(kind); }; };

    on("actDeformada", [this] { m_deformed.actDeformada(); });
    on("actDelDeformada", [this] { m_deformed.actDelDeformada(); });
    on("actColor", [this] { m_deformed.actColor(); });
    on("actLayerDefVis", [this] { m_deformed.actLayerDefVis(); });
    on("actViewLeft", turn(ViewTurnDegrees, 0));
    on("actViewRight", turn(-ViewTurnDegrees, 0));
    on("actViewUp", turn(0, ViewTurnDegrees));
    on("actViewDown", turn(0, -ViewTurnDegrees));
    on("actViewTop", [this] {
        if (DrawingWindow* window = m_main.drawingWindow())
            ViewFromTop(*window);
        showViewToolBarOutsidePlan();
    });
    on("actDiagFletor", diagram(DiagramKind::BendingMoment));
    on("actDiagCortante", diagram(DiagramKind::Shear));
    on("actDiagNormal", diagram(DiagramKind::Torsion));
    on("actDiagDZ", diagram(DiagramKind::Displacement));
    on("actlistInput", [this] { m_windows.actlistInput(); });
    on("ActListResult", [this] { m_windows.ActListResult(); });
    on("mnuEditor", [this] { m_windows.ShowEditor(); });
    on("actViewrender", [this] { m_windows.actViewrender(); });
    on("actShowcalcDlg", [this] { m_windows.actShowcalcDlg(); });
}

} // namespace quadrilo::app

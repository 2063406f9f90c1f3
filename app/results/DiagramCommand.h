// Command 11009 "DDIAG": the diagram of one result along grillage bars the user picks.
#pragma once

#include "cad/CommandTask.h"
#include "cad/Geometry.h"
#include "cad/Signal.h"
#include "results/Diagram.h"

namespace quadrilo::app {

class TfrmMain;

inline constexpr int DiagramCommandId = 11009;

// Command 11009 "DDIAG" (alias "DG"): two corners of a window select the bars, unless a
// selection was made before; an insertion point places the diagram in "Anotações". The four
// diagram actions choose the kind and start it.
class DiagramCommand {
public:
    explicit DiagramCommand(TfrmMain& main) : m_main(main) {}

    // Registers the command with the drawing; a refusal is shown and the diagrams start nothing.
    void Register();
    // `actDiagFletor`, `actDiagCortante`, `actDiagNormal`, `actDiagDZ`.
    void Start(results::DiagramKind kind);

private:
    cad::CommandTask Run();
    void Drag(int mode, const cad::Point3& cursor);
    // Reads the selection's grillage bars and adds the diagram at the insertion point.
    void DrawDiagram(const cad::Point3& insertion);
    [[nodiscard]] std::vector<results::DiagramBar> SelectedBars() const;
    void Prompt(const std::string& text);

    enum class Stage { Idle, SecondCorner, Insertion };

    TfrmMain& m_main;
    cad::Subscription m_command;
    results::DiagramKind m_kind = results::DiagramKind::BendingMoment;
    Stage m_stage = Stage::Idle;
};

} // namespace quadrilo::app

// The element panels at work: the creation buttons of tabs 3, 4 and 5, the beam's calculation
// buttons, the edit saves of tab 7 and the nodal-load button of tab 6.
#pragma once

#include "app/elements/ElementHost.h"

#include "elements/EditPanels.h"

#include <functional>
#include <optional>
#include <string>
#include <utility>

namespace quadrilo::app {

class BeamsTab;
class ColumnsTab;
class ElementEditTab;
class SlabsTab;

class ElementPanels {
public:
    ElementPanels(ElementHost& host, ColumnsTab& columns, BeamsTab& beams, SlabsTab& slabs,
                  ElementEditTab& edit);

private:
    void connectButtons();
    void createSlab();
    void createBeam();
    void createColumn();
    void calculateBeamArea();
    void calculateBeamInertia();
    void calculateBeamTorsion();
    void placeNodalLoad();
    void saveSlab();
    void saveBeam();
    void saveColumn();
    void saveLoad();
    // The beams' multiline style shows the width of the beam about to be drawn.
    void setBeamStyleWidth(double ladoA);
    // The entity an edit panel names and its own record of the kind, or nothing.
    template <class Record>
    [[nodiscard]] std::optional<std::pair<cad::EntityId, Record>>
    editedRecord(const std::string& handleText);
    // A save of the panel that names this entity: `edited` gives the edit of its own record.
    template <class Record>
    void save(const std::string& handleText,
              const std::function<elements::Outcome<elements::ElementEdit>(const Record&)>& edited);
    // Stores the saved record and what its drawing shows of it, then shows the panel.
    void applyEdit(cad::EntityId id, const elements::ElementEdit& edit);
    void execute(int command);

    ElementHost& m_host;
    ColumnsTab& m_columns;
    BeamsTab& m_beams;
    SlabsTab& m_slabs;
    ElementEditTab& m_edit;
};

} // namespace quadrilo::app

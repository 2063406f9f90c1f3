// The element panels at work: creation buttons, calculation buttons, edit saves.
#include "app/elements/ElementPanels.h"

#include "app/elements/ElementEntities.h"
#include "app/elements/ElementState.h"
#include "app/tabs/BeamsTab.h"
#include "app/tabs/CalculationTab.h"
#include "app/tabs/ColumnsTab.h"
#include "app/tabs/ElementEditTab.h"
#include "app/tabs/SlabsTab.h"
#include "app/window/TfrmMain.h"

#include "elements/ElementCommands.h"
#include "elements/Layers.h"
#include "elements/PanelText.h"
#include "elements/ULajeCustEnt.h"
#include "elements/ULoads.h"
#include "elements/UPilarCustEnt.h"
#include "elements/UVigaCustEnt.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>

namespace quadrilo::app {
namespace {

// The number a panel's text holds, or the conversion error that stops the action.
double numberOrThrow(const QLineEdit& edit) {
    const auto value = elements::ReadNumber(edit.text().toStdString());
    if (!value)
        throw ElementInputError(value.Error().message);
    return *value;
}

// A calculation button's result, or the refusal that stops it.
void showResult(ElementHost& host, QLineEdit& edit, const elements::Outcome<std::string>& text) {
    if (!text) {
        host.refuse(text.Error());
        return;
    }
    edit.setText(QString::fromStdString(*text));
}

void placeInsertOnBlock(cad::Transaction& tx, cad::EntityId id, const std::string& blockName) {
    const cad::Drawing& d = tx.drawing();
    (void)tx.edit(id, [&](cad::Entity& e) {
        auto* insert = std::get_if<cad::InsertShape>(&e.shape);
        if (!insert)
            return;
        auto fresh = d.insertOf(d.blockByName(blockName), insert->at, insert->scale, insert->angle);
        if (!fresh)
            return;
        // The new block's attribute keeps the alignment the insert showed.
        for (std::size_t i = 0; i < fresh->attributes.size() && i < insert->attributes.size(); ++i)
            fresh->attributes[i].look.align = insert->attributes[i].look.align;
        *insert = std::move(*fresh);
    });
}

void setMultilineWidth(cad::Transaction& tx, cad::EntityId id,
                       const elements::MultilineWidth& width) {
    (void)tx.edit(id, [&](cad::Entity& e) {
        auto* m = std::get_if<cad::MlineShape>(&e.shape);
        if (!m || m->lines.size() < 3)
            return;
        m->lines[1].offset = width.line1Offset;
        m->lines[2].offset = width.line2Offset;
    });
}

} // namespace

ElementPanels::ElementPanels(ElementHost& host, ColumnsTab& columns, BeamsTab& beams,
                             SlabsTab& slabs, ElementEditTab& edit)
    : m_host(host), m_columns(columns), m_beams(beams), m_slabs(slabs), m_edit(edit) {
    connectButtons();
}

void ElementPanels::connectButtons() {
    TfrmMain& window = m_host.window();
    const auto click = [&window, this](QPushButton* button, void (ElementPanels::*work)()) {
        QObject::connect(button, &QPushButton::clicked, &window, [&window, this, work] {
            window.guarded([this, work] { (this->*work)(); });
        });
    };
    click(m_slabs.btn_CriaLaje, &ElementPanels::createSlab);
    click(m_beams.Button4, &ElementPanels::createBeam);
    click(m_beams.SpeedButton15, &ElementPanels::calculateBeamArea);
    click(m_beams.spdCalcViga_I, &ElementPanels::calculateBeamInertia);
    click(m_beams.spdCalcViga_It, &ElementPanels::calculateBeamTorsion);
    click(m_columns.btn_CriaPilar, &ElementPanels::createColumn);
    click(m_edit.Button5, &ElementPanels::saveBeam);
    const auto action = [&window, this](const char* name, void (ElementPanels::*work)()) {
        QAction* a = window.actions()[name];
        QObject::connect(a, &QAction::triggered, &window, [&window, this, work] {
            window.guarded([this, work] { (this->*work)(); });
        });
        a->setEnabled(true);
    };
    action("actEditLajeSave", &ElementPanels::saveSlab);
    action("actEditPilarSave", &ElementPanels::saveColumn);
    action("actEditLoadSave", &ElementPanels::saveLoad);
    action("actDrawWeight", &ElementPanels::placeNodalLoad);
}

void ElementPanels::execute(int command) {
    (void)m_host.document().execute(command);
    m_host.refreshView();
}

// ---------------------------------------------------------------- creation buttons

void ElementPanels::createSlab() {
    if (!m_host.window().storeProjectData())
        return;
    m_host.setCurrentLayer(elements::SlabLayer);
    auto slab = elements::ReadSlabPanel(m_slabs.panel());
    if (!slab) {
        m_host.refuse(slab.Error());
        return;
    }
    m_host.buffers().slab = *slab;
    execute(elements::SlabCommand.id);
}

void ElementPanels::createBeam() {
    if (!m_host.window().storeProjectData())
        return;
    auto beam = elements::ReadBeamPanel(m_beams.panel());
    if (!beam) {
        m_host.refuse(beam.Error());
        return;
    }
    m_host.buffers().beam = *beam;
    m_host.setCurrentLayer(elements::BeamLayer);
    setBeamStyleWidth(beam->LadoA);
    execute(elements::BeamCommand.id);
}

void ElementPanels::setBeamStyleWidth(double ladoA) {
    cad::Drawing& d = m_host.drawing();
    const cad::MlineStyleId id = d.mlineStyleByName(std::string(elements::BeamStyle));
    const cad::MlineStyle* style = d.mlineStyle(id);
    if (!style || style->lines.size() < 3)
        return;
    const elements::MultilineWidth width = elements::BeamWidth(ladoA);
    cad::MlineStyle changed = *style;
    changed.lines[1].offset = width.line1Offset;
    changed.lines[2].offset = width.line2Offset;
    d.settings().currentMlineStyle = id;
    if (!(changed == *style))
        (void)cad::Transaction(d).changeMlineStyle(id, changed);
}

void ElementPanels::createColumn() {
    auto column = elements::ReadColumnPanel(m_columns.panel());
    if (!column) {
        m_host.refuse(column.Error());
        return;
    }
    m_host.buffers().column = *column;
    m_host.setCurrentLayer(elements::ColumnLayer);
    execute(elements::ColumnCommand.id);
}

void ElementPanels::calculateBeamArea() {
    showResult(m_host, *m_beams.edtVigaArea, elements::BeamAreaText(m_beams.panel()));
}

void ElementPanels::calculateBeamInertia() {
    showResult(m_host, *m_beams.edt_I, elements::BeamInertiaText(m_beams.panel()));
}

void ElementPanels::calculateBeamTorsion() {
    showResult(m_host, *m_beams.edt_It, elements::BeamTorsionText(m_beams.panel()));
}

void ElementPanels::placeNodalLoad() {
    ElementState& buffers = m_host.buffers();
    buffers.pendingLoad = 0;
    buffers.pendingLoad = numberOrThrow(*m_host.window().calculationTab().edtNodalLoad);
    execute(elements::LoadCommand.id);
}

// ---------------------------------------------------------------- edit saves

template <class Record>
std::optional<std::pair<cad::EntityId, Record>>
ElementPanels::editedRecord(const std::string& handleText) {
    const auto handle = elements::PanelHandle(handleText);
    if (!handle)
        return std::nullopt;
    const cad::EntityId id(static_cast<std::uint32_t>(*handle));
    const cad::Entity* e = m_host.drawing().entity(id);
    if (!e)
        return std::nullopt;
    std::vector<elements::Point3> vertices;
    const auto record = elements::DecodeElementRecord(ViewOf(*e, vertices));
    const Record* own = record ? std::get_if<Record>(&*record) : nullptr;
    if (!own)
        return std::nullopt;
    return std::pair{id, *own};
}

void ElementPanels::applyEdit(cad::EntityId id, const elements::ElementEdit& edit) {
    {
        cad::Transaction tx(m_host.drawing());
        (void)tx.setExtendedData(id, elements::EncodeRecord(edit.record));
        if (edit.blockName) {
            EnsureLoadBlocks(tx);
            placeInsertOnBlock(tx, id, *edit.blockName);
        }
        if (edit.attributeText)
            (void)tx.setAttributeValue(id, 0, *edit.attributeText);
        if (edit.width)
            setMultilineWidth(tx, id, *edit.width);
    }
    m_host.buffers().current = id;
    m_host.applyFlags(edit.flags);
    m_edit.show(edit.panel);
    m_host.refreshView();
}

template <class Record>
void ElementPanels::save(
    const std::string& handleText,
    const std::function<elements::Outcome<elements::ElementEdit>(const Record&)>& edited) {
    const auto found = editedRecord<Record>(handleText);
    if (!found)
        return;
    const auto edit = edited(found->second);
    if (!edit) {
        m_host.refuse(edit.Error());
        return;
    }
    applyEdit(found->first, *edit);
}

void ElementPanels::saveSlab() {
    const elements::SlabPanel panel = m_edit.slabPanel();
    save<TSlabData>(panel.editLajeHandle, [&](const TSlabData& slab) {
        return elements::SaveSlabPanel(panel, slab, m_host.project());
    });
}

void ElementPanels::saveBeam() {
    const elements::BeamPanel panel = m_edit.beamPanel();
    save<TBeamData>(panel.editPnlVigaHandle, [&](const TBeamData& beam) {
        return elements::SaveBeamPanel(panel, beam, m_host.project());
    });
}

void ElementPanels::saveColumn() {
    const elements::ColumnPanel panel = m_edit.columnPanel();
    save<TColumnData>(panel.editPnlPilarHandle, [&](const TColumnData& column) {
        return elements::Outcome<elements::ElementEdit>(elements::SaveColumnPanel(panel, column));
    });
}

void ElementPanels::saveLoad() {
    const elements::LoadPanel panel = m_edit.loadPanel();
    save<TLoadData>(panel.EditPnlCargaHandle,
                    [&](const TLoadData& load) { return elements::SaveLoadPanel(panel, load); });
}

} // namespace quadrilo::app

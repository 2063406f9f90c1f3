// The CAD document's events that keep element records, edit panels and workflow flags in step.
#include "app/elements/ElementEvents.h"

#include "app/elements/ElementEntities.h"
#include "app/elements/ElementState.h"
#include "app/window/TfrmMain.h"

#include "cad/Clipboard.h"
#include "cad/Engine.h"
#include "cad/Overloaded.h"
#include "elements/UEvents.h"
#include "mesh/MeshListings.h"
#include "mesh/TBarData.h"
#include "mesh/TNodeData.h"

#include <QTimer>

namespace quadrilo::app {
namespace {

cad::Verdict engineVerdict(elements::Verdict verdict) {
    return verdict == elements::Verdict::Refuse ? cad::Verdict::Refuse : cad::Verdict::Proceed;
}

MessageLines promptLines(const std::vector<std::string>& texts) {
    MessageLines lines;
    for (const std::string& text : texts)
        lines.push_back({MessageChannel::Prompt, text});
    return lines;
}

} // namespace

ElementEvents::ElementEvents(ElementHost& host, PanelView showPanel)
    : m_host(host), m_showPanel(std::move(showPanel)) {
    cad::DocumentEvents& events = host.document().events();
    m_subscriptions.push_back(events.selectionChanged.subscribe(
        [this](const cad::SelectionChange& change) { onSelection(change); }));
    m_subscriptions.push_back(events.moving.subscribe(
        [this](cad::EntityId id, cad::Point3& d) { return onMoving(id, d); }));
    m_subscriptions.push_back(events.gripping.subscribe(
        [this](cad::EntityId id, int grip, cad::Point3& d) { return onGripping(id, grip, d); }));
    m_subscriptions.push_back(
        events.erasing.subscribe([this](cad::EntityId id) { return onErasing(id); }));
    m_subscriptions.push_back(
        events.executing.subscribe([this](int command) { return onExecuting(command); }));
    m_subscriptions.push_back(
        events.doubleClicked.subscribe([this](const cad::Point3&) { return onDoubleClick(); }));
    m_subscriptions.push_back(
        events.historyStepped.subscribe([this](const cad::HistoryStep& step) { onHistory(step); }));
}

void ElementEvents::onSelection(const cad::SelectionChange& change) {
    const cad::Drawing& d = m_host.drawing();
    std::vector<elements::Point3> vertices;
    // Deselections first, so that a new selection of the same kind keeps its panel filled.
    for (const auto& [ids, selected] :
         {std::pair{&change.deselected, false}, std::pair{&change.selected, true}}) {
        for (const cad::EntityId id : *ids) {
            const cad::Entity* e = d.entity(id);
            if (!e)
                continue;
            m_host.buffers().current = id;
            const elements::EntityView view = ViewOf(*e, vertices);
            if (selected)
                if (const auto record = elements::DecodeElementRecord(view))
                    copyToBuffer(*record);
            if (const auto panel = elements::PanelOnSelect(view, selected))
                m_showPanel(*panel);
        }
    }
}

void ElementEvents::copyToBuffer(const elements::ElementRecord& record) {
    ElementState& b = m_host.buffers();
    std::visit(cad::Overloaded{[&](const TSlabData& r) { b.slab = r; },
                               [&](const TBeamData& r) { b.beam = r; },
                               [&](const TColumnData& r) { b.column = r; },
                               [&](const TLoadData& r) { b.load = r; }, [](const TWallData&) {}},
               record);
}

bool ElementEvents::programAtWork(const cad::Entity& e) {
    return m_host.buffers().grillageWork > 0 &&
           elements::IsGrillageEntity(elements::KindOfCode(e.userData));
}

cad::Verdict ElementEvents::applyMove(cad::EntityId id, const elements::MoveOutcome& outcome) {
    if (outcome.verdict == elements::Verdict::Refuse) {
        sendRefusal(outcome.messages);
        return cad::Verdict::Refuse;
    }
    if (outcome.record)
        (void)cad::Transaction(m_host.drawing())
            .setExtendedData(id, elements::EncodeRecord(*outcome.record));
    m_host.send(outcome.messages);
    m_host.applyFlags(outcome.flags);
    return cad::Verdict::Proceed;
}

cad::Verdict ElementEvents::onMoving(cad::EntityId id, cad::Point3& d) {
    const cad::Entity* e = m_host.drawing().entity(id);
    if (!e || programAtWork(*e))
        return cad::Verdict::Proceed;
    std::vector<elements::Point3> vertices;
    return applyMove(id,
                     elements::OnEntityMoved(ViewOf(*e, vertices), FromCad(d), m_host.project()));
}

cad::Verdict ElementEvents::onGripping(cad::EntityId id, int grip, cad::Point3& d) {
    const cad::Entity* e = m_host.drawing().entity(id);
    if (!e || programAtWork(*e))
        return cad::Verdict::Proceed;
    std::vector<elements::Point3> vertices;
    return applyMove(
        id, elements::OnGripDragged(ViewOf(*e, vertices), grip, FromCad(d), m_host.project()));
}

cad::Verdict ElementEvents::onErasing(cad::EntityId id) {
    const cad::Entity* e = m_host.drawing().entity(id);
    if (!e || programAtWork(*e))
        return cad::Verdict::Proceed;
    const elements::EraseOutcome outcome = elements::OnEntityErased(e->userData);
    if (outcome.verdict == elements::Verdict::Refuse) {
        sendRefusal(outcome.messages);
        return cad::Verdict::Refuse;
    }
    m_host.send(outcome.messages);
    m_host.applyFlags(outcome.flags);
    if (outcome.clearPanels)
        for (const elements::EditPanel& panel : elements::PanelsClearedOnErase())
            m_showPanel(panel);
    return cad::Verdict::Proceed;
}

void ElementEvents::sendRefusal(const MessageLines& lines) {
    if (lines == m_refusalTold)
        return;
    m_host.send(lines);
    // Told again at the next user action, once the engine's loop has turned.
    m_refusalTold = lines;
    QTimer::singleShot(0, &m_host.window(), [this] { m_refusalTold.clear(); });
}

cad::Verdict ElementEvents::onExecuting(int command) {
    if (command != elements::PasteCommandId)
        return cad::Verdict::Proceed;
    cad::Document& doc = m_host.document();
    const elements::PasteOutcome outcome =
        elements::OnPasteCommand(cad::clipboardHoldsEntities(doc.engine().clipboard()));
    if (outcome.pasteInPlaceThenMove) {
        std::size_t pasted = 0;
        {
            // The copies over their sources, each element naming its own entity, in one step.
            cad::Transaction tx(doc.drawing());
            pasted = doc.paste(cad::Point3{}).pasted;
            std::vector<elements::Point3> vertices;
            for (const cad::EntityId id : doc.selection().entities())
                if (const auto own = elements::RecordWithOwnEntityId(
                        ViewOf(*doc.drawing().entity(id), vertices)))
                    (void)tx.setExtendedData(id, elements::EncodeRecord(*own));
        }
        m_host.send(outcome.messages);
        if (pasted > 0)
            (void)doc.execute(cad::CmdMove);
    } else {
        m_host.send(outcome.messages);
    }
    return engineVerdict(outcome.verdict);
}

cad::Verdict ElementEvents::onDoubleClick() {
    cad::Document& doc = m_host.document();
    const cad::Drawing& d = doc.drawing();
    const std::vector<cad::EntityId> ids = doc.selection().entities();
    std::vector<std::vector<elements::Point3>> vertices(ids.size());
    std::vector<elements::EntityView> views;
    for (std::size_t i = 0; i < ids.size(); ++i)
        views.push_back(ViewOf(*d.entity(ids[i]), vertices[i]));
    const auto meshListing = [this](const elements::EntityView& e, elements::Listing listing) {
        if (listing == elements::Listing::Bar && e.record.size() == TBarData::Size)
            return promptLines(mesh::ShowBarData(TBarData::Decode(e.record), m_host.materials()));
        if (listing != elements::Listing::Bar && e.record.size() == TNodeData::Size)
            return promptLines(mesh::ShowNodeData(TNodeData::Decode(e.record), e.kind));
        return MessageLines{};
    };
    const elements::DoubleClickOutcome outcome = elements::OnDoubleClick(views, meshListing);
    if (!outcome.handled)
        return cad::Verdict::Proceed;
    m_host.send(outcome.messages);
    m_host.buffers().current = cad::EntityId(static_cast<std::uint32_t>(outcome.current));
    doc.clearSelection();
    if (outcome.panel)
        m_showPanel(*outcome.panel);
    m_host.refreshView();
    return cad::Verdict::Refuse;
}

void ElementEvents::onHistory(const cad::HistoryStep& step) {
    if (step.kind == cad::HistoryKind::RollBack)
        return; // the drawing is as it was before the failed change
    const cad::Drawing& d = m_host.drawing();
    std::vector<std::int32_t> kinds;
    for (const cad::EntityId id : step.cameBack)
        if (const cad::Entity* e = d.entity(id))
            kinds.push_back(e->userData);
    for (const cad::EntityId id : step.changed)
        if (const cad::Entity* e = d.entity(id))
            kinds.push_back(e->userData);
    for (const cad::Entity* e : step.went)
        kinds.push_back(e->userData);
    m_host.applyFlags(elements::FlagsAfterUndo(kinds));
}

} // namespace quadrilo::app

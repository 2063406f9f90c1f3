// The element commands of the CAD engine.
#include "app/elements/ElementCommandSet.h"

#include "app/elements/ElementEntities.h"
#include "app/elements/ElementState.h"
#include "app/prompts/UserPrompts.h"

#include "cad/canvas/CadCanvas.h"
#include "elements/ElementCommands.h"
#include "elements/Layers.h"
#include "elements/UEvents.h"
#include "elements/ULajeCustEnt.h"
#include "elements/ULoads.h"
#include "elements/UMuroCustEnt.h"
#include "elements/UPilarCustEnt.h"
#include "elements/UVigaCustEnt.h"
#include "mesh/TNodeData.h"

#include <QCursor>
#include <QPixmap>

#include <coroutine>
#include <optional>

// The cursor images are resources of this static library: registered before their first use.
static void initCursorResources() {
    Q_INIT_RESOURCE(cursors);
}

namespace quadrilo::app {
namespace {

using elements::Point3;

// Waits for the command's next input: the picked point, or nothing for anything else (Enter,
// text, Escape), which ends the command.
struct PointInput {
    cad::CommandRunner::InputAwaiter input;
    cad::CommandRunner* runner;

    bool await_ready() const noexcept { return input.await_ready(); }
    void await_suspend(std::coroutine_handle<> h) noexcept { input.await_suspend(h); }
    std::optional<Point3> await_resume() const {
        if (input.await_resume() != int(cad::InputKind::Point))
            return std::nullopt;
        return FromCad(runner->inputPoint());
    }
};

PointInput nextPoint(cad::Document& doc) {
    return {doc.runner().nextInput(), &doc.runner()};
}

// The point rubber bands and relative coordinates start from.
void anchor(cad::CommandRunner& run, Point3 p) {
    run.points().push_back(ToCad(p));
    run.setBasePoint(ToCad(p));
}

void drawLines(cad::CommandRunner& run, const std::vector<elements::RubberLine>& lines) {
    for (const elements::RubberLine& line : lines)
        run.drawLine(ToCad(line.from), ToCad(line.to));
}

// The cursor image of a command, drawn for this program, with its hotspot at the cross.
struct CursorImage {
    std::string_view name;
    int hotX;
    int hotY;
};
constexpr CursorImage CursorImages[] = {
    {"VIGA", 15, 15}, {"LAJE", 15, 15}, {"PILAR", 15, 15}, {"LOCLOAD", 15, 15}};

std::optional<QCursor> cursorNamed(std::string_view name) {
    initCursorResources();
    for (const CursorImage& image : CursorImages) {
        if (image.name != name)
            continue;
        const QPixmap pixmap(QStringLiteral(":/cursors/%1.png")
                                 .arg(QString::fromUtf8(name.data(), qsizetype(name.size()))));
        if (pixmap.isNull())
            return std::nullopt;
        return QCursor(pixmap, image.hotX, image.hotY);
    }
    return std::nullopt;
}

// A grillage node entity as the load command chooses it.
std::optional<elements::NodeSite> nodeSite(const cad::Entity& e) {
    if (elements::KindOfCode(e.userData) != elements::ElementKind::GrillageNode ||
        e.exData.size() != TNodeData::Size)
        return std::nullopt;
    const TNodeData node = TNodeData::Decode(e.exData);
    return elements::NodeSite{static_cast<std::int32_t>(e.id.value), node.X, node.Y};
}

std::vector<elements::NodeSite> grillageNodes(const cad::Drawing& d) {
    std::vector<elements::NodeSite> nodes;
    const cad::LayerId layer = d.layerByName(std::string(elements::GrillageLayer));
    for (cad::EntityId id = layer ? d.firstInLayer(layer) : cad::EntityId{}; id;
         id = d.nextEntity(id))
        if (const auto site = nodeSite(*d.entity(id)))
            nodes.push_back(*site);
    return nodes;
}

} // namespace

void ElementCommandSet::registerCommands(cad::canvas::CadCanvas& canvas, UserPrompts& prompts,
                                         const std::function<void()>& beforeLoadCommand) {
    cad::Document& doc = m_host.document();
    cad::CommandRunner& run = doc.runner();
    const auto baseToCursor = [&run](int mode, const cad::Point3& cursor) {
        if (mode == 1 && run.basePoint())
            run.drawLine(*run.basePoint(), cursor);
    };
    const auto rubberBand = [&run](auto band) {
        return [&run, band](int mode, const cad::Point3& cursor) {
            if (mode == 1 && run.basePoint())
                drawLines(run, band(FromCad(*run.basePoint()), FromCad(cursor)));
        };
    };
    const auto body = [this](cad::CommandTask (ElementCommandSet::*command)()) {
        return [this, command] { return (this->*command)(); };
    };
    struct Registration {
        elements::CommandInfo info;
        std::function<cad::CommandTask()> run;
        std::function<void(int, const cad::Point3&)> drag;
    };
    const Registration registrations[] = {
        {elements::BeamCommand, body(&ElementCommandSet::beamCommand), baseToCursor},
        {elements::SlabCommand, body(&ElementCommandSet::slabCommand),
         rubberBand(&elements::SlabRubberBand)},
        {elements::ColumnCommand, body(&ElementCommandSet::columnCommand), {}},
        {elements::WallCommand, body(&ElementCommandSet::wallCommand), baseToCursor},
        {elements::LoadCommand, body(&ElementCommandSet::loadCommand),
         rubberBand(&elements::LoadRubberBand)},
    };
    for (const Registration& r : registrations) {
        if (r.info.id == elements::LoadCommand.id && beforeLoadCommand)
            beforeLoadCommand();
        const auto cursor = cursorNamed(r.info.cursor);
        cad::Subscription token = doc.addCommand(
            cad::CommandDef{r.info.id, std::string(r.info.name), std::string(r.info.alias),
                            cursor ? r.info.id : 0, r.run, r.drag});
        if (!token) {
            (void)prompts.ask(MessageRequest::error(QString::fromUtf8(
                r.info.registrationError.data(), qsizetype(r.info.registrationError.size()))));
            continue;
        }
        if (cursor)
            canvas.setCommandCursor(r.info.id, *cursor);
        m_commands.push_back(std::move(token));
    }
}

cad::EntityId
ElementCommandSet::create(const elements::Outcome<elements::ElementCreation>& creation) {
    if (!creation) {
        m_host.refuse(creation.Error());
        return {};
    }
    cad::Transaction tx(m_host.drawing());
    const cad::EntityId id = DrawElement(tx, creation->drawing);
    if (!id)
        return {};
    m_host.buffers().current = id;
    m_host.send(creation->messages);
    m_host.applyFlags(creation->flags);
    return id;
}

cad::CommandTask ElementCommandSet::slabCommand() {
    cad::Document& doc = m_host.document();
    m_host.prompt(elements::SlabFirstCornerPrompt);
    if (const auto p1 = co_await nextPoint(doc)) {
        const Point3 corner1 = elements::TruncatedTo2(*p1);
        anchor(doc.runner(), corner1);
        m_host.prompt(elements::SlabSecondCornerPrompt);
        if (const auto p2 = co_await nextPoint(doc))
            (void)create(elements::CreateSlab(m_host.buffers().slab, corner1,
                                              elements::TruncatedTo2(*p2), m_host.project()));
    }
    m_host.refreshView();
}

cad::CommandTask ElementCommandSet::beamCommand() {
    cad::Document& doc = m_host.document();
    m_host.prompt(elements::BeamFirstPointPrompt);
    if (const auto p1 = co_await nextPoint(doc)) {
        anchor(doc.runner(), *p1);
        m_host.prompt(elements::BeamSecondPointPrompt);
        if (const auto p2 = co_await nextPoint(doc))
            (void)create(elements::CreateBeam(m_host.buffers().beam, *p1, *p2, m_host.project()));
    }
    m_host.refreshView();
}

cad::CommandTask ElementCommandSet::columnCommand() {
    cad::Document& doc = m_host.document();
    m_host.prompt(elements::ColumnPositionPrompt);
    if (const auto at = co_await nextPoint(doc)) {
        doc.runner().setBasePoint(ToCad(*at));
        (void)create(elements::CreateColumn(m_host.buffers().column, *at));
    }
    m_host.refreshView();
}

cad::CommandTask ElementCommandSet::wallCommand() {
    // The wall's prompts go to the engine's prompt line only.
    cad::Document& doc = m_host.document();
    doc.prompt(std::string(elements::WallFirstPointPrompt));
    if (const auto p1 = co_await nextPoint(doc)) {
        anchor(doc.runner(), *p1);
        doc.prompt(std::string(elements::WallSecondPointPrompt));
        if (const auto p2 = co_await nextPoint(doc)) {
            if (const cad::EntityId wall = create(elements::CreateWall(*p1, *p2)))
                (void)doc.select(wall, true);
        }
    }
    m_host.refreshView();
}

cad::CommandTask ElementCommandSet::loadCommand() {
    cad::Document& doc = m_host.document();
    const double valor = m_host.buffers().pendingLoad;
    if (const auto refusal = elements::CheckLoadValue(valor)) {
        m_host.refuse(*refusal);
    } else if (!doc.selection().empty()) {
        // A selection made before the command is taken as it stands.
        placeLoads(valor, doc.selection().entities());
    } else {
        m_host.prompt(elements::LoadFirstCornerPrompt);
        if (const auto p1 = co_await nextPoint(doc)) {
            m_host.prompt(elements::FirstCornerEcho(*p1));
            anchor(doc.runner(), *p1);
            const auto nodes = grillageNodes(doc.drawing());
            if (const auto node = elements::NodeUnderCursor(nodes, *p1, doc.pickAperture())) {
                const cad::EntityId id(static_cast<std::uint32_t>(node->entity));
                m_host.buffers().current = id;
                (void)doc.select(id, true);
                placeLoads(valor, {id});
            } else {
                m_host.prompt(elements::LoadSecondCornerPrompt);
                if (const auto p2 = co_await nextPoint(doc)) {
                    anchor(doc.runner(), *p2);
                    m_host.prompt(elements::SecondCornerEcho(*p2));
                    doc.clearSelection();
                    const std::vector<cad::Point3> window{
                        ToCad(*p1), {p2->x, p1->y, p1->z}, ToCad(*p2), {p1->x, p2->y, p2->z}};
                    if (doc.selectPolygon(window, false, true) == 0)
                        m_host.prompt(elements::LoadEmptyWindowText);
                    else
                        placeLoads(valor, doc.selection().entities());
                }
            }
        }
    }
    doc.clearSelection();
    m_host.refreshView();
}

void ElementCommandSet::placeLoads(double valor, const std::vector<cad::EntityId>& chosen) {
    const cad::Drawing& d = m_host.drawing();
    std::vector<elements::NodeSite> nodes;
    for (const cad::EntityId id : chosen)
        if (const auto site = nodeSite(*d.entity(id)))
            nodes.push_back(*site);
    const elements::LoadPlacement placement = elements::PlaceLoads(valor, chosen.size(), nodes);
    if (!placement.loads.empty()) {
        const std::string previousLayer = m_host.currentLayerName();
        m_host.setCurrentLayer(elements::LoadLayer);
        cad::Transaction tx(m_host.drawing());
        EnsureLoadBlocks(tx);
        for (const elements::ElementDrawing& load : placement.loads)
            (void)DrawElement(tx, load);
        m_host.setCurrentLayer(previousLayer);
    }
    m_host.send(placement.messages);
    m_host.applyFlags(placement.flags);
    if (placement.generateData)
        m_host.trigger("actGerarDados");
}

} // namespace quadrilo::app

// The drawing window: rendering cache, overlays, pointer input, selection, grips, navigation.
#include "cad/canvas/CadCanvas.h"

#include "cad/Document.h"
#include "cad/DrawingTools.h"
#include "cad/canvas/CanvasDialogs.h"
#include "cad/canvas/EntityGeometry.h"
#include "cad/canvas/Renderer.h"

#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <QWheelEvent>

#include <cmath>

namespace quadrilo::cad::canvas {
namespace {

constexpr double dragThresholdPixels = 4.0;
constexpr double gripHalfPixels = 4.0;
constexpr double wheelStep = 1.2;
constexpr std::size_t maxGripEntities = 500; // beyond this the grips would hide the drawing
constexpr std::size_t viewHistoryDepth = 20;

bool isNavigation(int command) {
    return command == CmdZoomRealtime || command == CmdPanRealtime;
}

} // namespace

CadCanvas::CadCanvas(Document& doc, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_docAlive(doc.lifetime()) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(64, 64);
    m_style.dotsPerInch = logicalDpiX();
    auto& events = m_doc.events();
    m_subscriptions.push_back(events.changed.subscribe([this] { onDocumentChanged(); }));
    m_subscriptions.push_back(events.selectionChanged.subscribe([this](const SelectionChange&) {
        m_pictureStale = true;
        update();
    }));
    m_subscriptions.push_back(events.prompted.subscribe(
        [this](const std::string& text) { emit promptChanged(QString::fromStdString(text)); }));
    registerViewCommands();
    for (Subscription& token : registerDialogCommands(*this))
        m_commands.push_back(std::move(token));
    for (Subscription& token : registerDrawingTools(m_doc))
        m_commands.push_back(std::move(token));
    installDefaultMenus();
    m_view.setViewport(size());
    loadView();
    updateCursorShape();
}

CadCanvas::~CadCanvas() {
    // The commands go first, while the window is whole: a waiting one is cancelled and may still
    // touch it on its way out.
    m_commands.clear();
    m_subscriptions.clear();
}

void CadCanvas::onDocumentChanged() {
    loadView();
    updateCursorShape();
    m_pictureStale = true;
    update();
    emit drawingChanged();
}

// ------------------------------------------------------------------------------ commands

void CadCanvas::registerViewCommands() {
    const auto add = [this](int id, const char* name, const char* alias,
                            std::function<CommandTask()> run,
                            std::function<void(int, const Point3&)> drag = {}) {
        m_commands.push_back(
            m_doc.addCommand(CommandDef{id, name, alias, 0, std::move(run), std::move(drag)}));
    };
    add(CmdZoomExtents, "ZOOMEXTENTS", "ZE", [this] {
        return immediately([this] {
            rememberView();
            zoomExtents();
        });
    });
    add(CmdZoomAll, "ZOOMALL", "ZA", [this] {
        return immediately([this] {
            rememberView();
            zoomExtents(true);
        });
    });
    add(CmdZoomPrevious, "ZOOMPREVIOUS", "ZP", [this] {
        return immediately([this] {
            if (m_viewHistory.empty())
                return;
            const ViewAngles angles = m_view.angles();
            m_view = m_viewHistory.back();
            m_viewHistory.pop_back();
            m_view.setViewport(size());
            if (!(angles == m_view.angles()))
                m_pictureStale = true;
            commitView();
        });
    });
    // The second corner drags a box from the first.
    const auto zoomBox = [this](int mode, const Point3& cursor) {
        auto& run = m_doc.runner();
        if (mode == 1 && run.basePoint())
            run.drawBox(*run.basePoint(), cursor);
    };
    add(
        CmdZoomWindow, "ZOOMWINDOW", "ZW",
        [this]() -> CommandTask {
            auto& run = m_doc.runner();
            m_doc.prompt(TextId::FirstCorner);
            if (co_await run.nextPoint() != int(InputKind::Point))
                co_return;
            const Point3 a = run.inputPoint();
            run.setBasePoint(a);
            m_doc.prompt(TextId::OppositeCorner);
            if (co_await run.nextPoint() != int(InputKind::Point))
                co_return;
            const Point3 b = run.inputPoint();
            if (a.x == b.x || a.y == b.y)
                co_return;
            rememberView();
            Extent e = Extent::of(a);
            e.add(b);
            m_view.fit(e);
            commitView();
        },
        zoomBox);
    // Real-time zoom and pan: the canvas turns left drags into view changes while these wait.
    add(CmdZoomRealtime, "ZOOMREALTIME", "Z", [this]() -> CommandTask {
        m_doc.prompt(TextId::RealtimeZoom);
        rememberView();
        co_await m_doc.runner().nextInput();
    });
    add(CmdPanRealtime, "PANREALTIME", "P", [this]() -> CommandTask {
        m_doc.prompt(TextId::RealtimePan);
        rememberView();
        co_await m_doc.runner().nextInput();
    });
    static const char* const viewNames[] = {"VIEWNW",    "VIEWTOP",   "VIEWBOTTOM", "VIEWLEFT",
                                            "VIEWRIGHT", "VIEWFRONT", "VIEWBACK",   "VIEWSW",
                                            "VIEWSE",    "VIEWNE"};
    for (int id = CmdViewFirst; id <= CmdViewLast; ++id)
        add(id, viewNames[id - CmdViewFirst], "",
            [this, id] { return immediately([this, id] { setViewAngles(standardView(id)); }); });
}

bool CadCanvas::execute(int command) {
    if (!hasDocument())
        return false;
    if (command == CmdRepeat) {
        m_doc.cancelCommand();
        return m_doc.typeText("");
    }
    const bool started = m_doc.execute(command);
    updateCursorShape();
    return started;
}

// ---------------------------------------------------------------------------------- view

void CadCanvas::rememberView() {
    m_viewHistory.push_back(m_view);
    if (m_viewHistory.size() > viewHistoryDepth)
        m_viewHistory.erase(m_viewHistory.begin());
}

void CadCanvas::commitView() {
    if (!hasDocument()) {
        update();
        return;
    }
    View& v = m_doc.drawing().settings().view;
    v.centre = m_view.centre();
    v.height = m_view.viewport().height() / m_view.pixelsPerUnit();
    v.angleHor = m_view.angles().hor;
    v.angleVer = m_view.angles().ver;
    m_doc.setPickAperture(apertureUnits());
    m_pictureStale = true;
    update();
    emit viewChanged();
}

void CadCanvas::loadView() {
    if (!hasDocument())
        return;
    const View& v = m_doc.drawing().settings().view;
    const ViewAngles angles{v.angleHor, v.angleVer};
    const bool anglesChanged = !(angles == m_view.angles());
    const double height = m_view.viewport().height() / m_view.pixelsPerUnit();
    if (!anglesChanged && v.centre == m_view.centre() &&
        std::abs(v.height - height) <= 1e-9 * height)
        return;
    m_view.setAngles(angles);
    if (anglesChanged && v.centre == m_view.centre()) {
        // Only the angles were set (the standard views): show the whole drawing from there.
        zoomExtents();
        return;
    }
    m_view.setCentre(v.centre);
    if (v.height > 0.0)
        m_view.setPixelsPerUnit(m_view.viewport().height() / v.height);
    m_doc.setPickAperture(apertureUnits());
    m_pictureStale = true;
}

void CadCanvas::setViewAngles(const ViewAngles& angles) {
    rememberView();
    m_view.setAngles(angles);
    zoomExtents();
}

void CadCanvas::zoomExtents(bool withLimits) {
    if (!hasDocument())
        return;
    Drawing& d = m_doc.drawing();
    bool any = false;
    Extent e;
    double zMin = 0.0, zMax = 0.0;
    for (const LayerId layer : d.layerOrder()) {
        const Layer* l = d.layer(layer);
        if (!l || !l->visible)
            continue;
        for (EntityId id = d.firstInLayer(layer); id; id = d.nextEntity(id)) {
            const Entity* ent = d.entity(id);
            if (!ent->visible || isInfinite(ent->shape))
                continue;
            const Extent x = d.extentOf(*ent);
            e = any ? Extent{std::min(e.minX, x.minX), std::min(e.minY, x.minY),
                             std::max(e.maxX, x.maxX), std::max(e.maxY, x.maxY)}
                    : x;
            if (!m_view.isPlan())
                for (const Point3& p : gripPoints(ent->shape)) {
                    zMin = std::min(zMin, p.z);
                    zMax = std::max(zMax, p.z);
                }
            any = true;
        }
    }
    // The limits of a new drawing: what an empty drawing shows.
    const Extent limits{0.0, 0.0, 1000.0, 1000.0};
    if (!any)
        e = limits;
    else if (withLimits)
        e = {std::min(e.minX, limits.minX), std::min(e.minY, limits.minY),
             std::max(e.maxX, limits.maxX), std::max(e.maxY, limits.maxY)};
    m_view.fit(e, zMin, zMax);
    commitView();
}

bool CadCanvas::hasDocument() const {
    return !m_docAlive.expired();
}

void CadCanvas::regen() {
    m_pictureStale = true;
    update();
}

void CadCanvas::setShowCross(bool on) {
    m_showCross = on;
    updateCursorShape();
    update();
}

void CadCanvas::setCommandCursor(int number, const QCursor& cursor) {
    m_commandCursors[number] = cursor;
    updateCursorShape();
}

void CadCanvas::updateCursorShape() {
    if (!hasDocument())
        return;
    const int active = m_doc.runner().activeId();
    const CommandDef* def = m_doc.runner().activeCommand();
    const auto own = def ? m_commandCursors.find(def->cursor) : m_commandCursors.end();
    if (active == CmdPanRealtime)
        setCursor(Qt::OpenHandCursor);
    else if (active == CmdZoomRealtime)
        setCursor(Qt::SizeVerCursor);
    else if (own != m_commandCursors.end())
        setCursor(own->second);
    else
        setCursor(m_showCross ? Qt::BlankCursor : Qt::CrossCursor);
}

// ------------------------------------------------------------------------------- snapping

Point3 CadCanvas::inputPointAt(const QPointF& pixel) {
    const Point3 raw = m_view.toDrawing(pixel);
    if (!hasDocument())
        return raw;
    m_snap.aperture = apertureUnits();
    m_snapResult = m_view.isPlan() ? planSnap(raw) : windowSnap(pixel, raw);
    Point3 p = m_snapResult ? m_snapResult->point : raw;
    const bool objectSnap = m_snapResult && m_snapResult->kind < SnapKind::Nearest;
    if (m_ortho && !objectSnap)
        if (const auto base = m_doc.runner().basePoint())
            p = orthoConstrain(*base, p);
    if (m_view.isPlan())
        p.z = 0.0; // the floor's plane, whatever lies under the point
    if (m_snapResult)
        m_snapResult->point = p; // the marker shows the point that will be used
    return p;
}

// In plan the entities near the cursor in plan are the candidates.
std::optional<SnapResult> CadCanvas::planSnap(const Point3& raw) {
    SnapGeometry geometry;
    Drawing& d = m_doc.drawing();
    const double a = m_snap.aperture;
    const Extent near{raw.x - a, raw.y - a, raw.x + a, raw.y + a};
    for (const EntityId id : d.entitiesMeeting(near))
        if (const Entity* e = d.entity(id); shownEntity(e))
            addSnapGeometry(d, *e, near, geometry);
    return findSnap(raw, geometry, m_snap);
}

// In other views snapping works on what the screen shows: the geometry in the window's frame,
// measured in pixels from the cursor; without an object snap the grid on the floor's plane.
std::optional<SnapResult> CadCanvas::windowSnap(const QPointF& pixel, const Point3& raw) {
    refreshWindowGeometry();
    SnapSettings objects = m_snap;
    objects.modes &= ~unsigned(SnapGrid);
    objects.aperture = m_aperturePixels;
    if (auto hit = findSnap({pixel.x(), pixel.y(), 0.0}, m_windowGeometry, objects)) {
        hit->point = m_view.fromWindowFrame(hit->point);
        return hit;
    }
    SnapSettings grid = m_snap;
    grid.modes &= unsigned(SnapGrid);
    return findSnap(raw, {}, grid);
}

bool CadCanvas::shownEntity(const Entity* e) const {
    const Layer* l = e ? m_doc.drawing().layer(e->layer) : nullptr;
    return e && e->visible && l && l->visible;
}

// The snap geometry of what the window shows, in its frame; rebuilt when the drawing or the
// view changed. Circles keep their centres only: seen at a slant they are no circles.
void CadCanvas::refreshWindowGeometry() {
    Drawing& d = m_doc.drawing();
    const WindowGeometryKey key{d.revision(), m_view.centre(), m_view.pixelsPerUnit(),
                                m_view.angles(), m_view.viewport()};
    if (m_windowGeometryKey && *m_windowGeometryKey == key)
        return;
    m_windowGeometryKey = key;
    SnapGeometry plan;
    const Extent shown = m_view.visibleExtent();
    for (const EntityId id : d.entitiesMeeting(shown))
        if (const Entity* e = d.entity(id); shownEntity(e))
            addSnapGeometry(d, *e, shown, plan);
    SnapGeometry& w = m_windowGeometry;
    w.clear();
    for (const SnapSegment& s : plan.segments)
        w.segments.push_back({m_view.toWindowFrame(s.a), m_view.toWindowFrame(s.b)});
    for (const SnapInfiniteLine& l : plan.lines)
        w.lines.push_back(
            {m_view.toWindowFrame(l.base), m_view.toWindowFrameDirection(l.dir), l.ray});
    for (const SnapCircle& c : plan.circles)
        w.circles.push_back({m_view.toWindowFrame(c.centre), 0.0});
    for (const Point3& p : plan.nodes)
        w.nodes.push_back(m_view.toWindowFrame(p));
}

// -------------------------------------------------------------------------------- painting

void CadCanvas::paintEvent(QPaintEvent*) {
    if (!hasDocument()) {
        QPainter(this).fillRect(rect(), m_style.background);
        return;
    }
    const qreal dpr = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * dpr).toSize();
    if (m_pictureStale || m_picture.size() != pixels) {
        m_picture = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        m_picture.setDevicePixelRatio(dpr);
        m_picture.fill(m_style.background);
        QPainter p(&m_picture);
        Renderer renderer(m_doc.drawing(), m_view, m_style);
        renderer.drawGrid(p);
        renderer.draw(p, entitiesToDraw(m_doc.drawing(), m_view), &m_doc.selection());
        m_pictureStale = false;
    }
    QPainter p(this);
    p.drawImage(QPointF(0, 0), m_picture);
    paintOverlay(p);
}

void CadCanvas::paintOverlay(QPainter& p) {
    const bool light = m_style.background.lightness() >= 128;
    const QColor ink = light ? Qt::black : Qt::white;
    p.setRenderHint(QPainter::Antialiasing, true);

    // Grips of the selected entities.
    const auto& selected = m_doc.selection().entities();
    if (selected.size() <= maxGripEntities && m_drag != Drag::Grip) {
        p.setPen(QPen(QColor(0, 0, 160), 1));
        p.setBrush(QColor(30, 110, 255));
        for (const EntityId id : selected)
            for (const Point3& g : m_doc.grips(id)) {
                const QPointF c = m_view.toScreen(g);
                p.drawRect(QRectF(c.x() - gripHalfPixels, c.y() - gripHalfPixels,
                                  2 * gripHalfPixels, 2 * gripHalfPixels));
            }
        p.setBrush(Qt::NoBrush);
    }

    // Rubber band of the waiting command, or of the grip being dragged.
    QPen band(QColor(255, 200, 0), 1, Qt::DashLine);
    band.setCosmetic(true);
    p.setPen(band);
    auto& run = m_doc.runner();
    if (m_mouseInside && run.waiting() && !isNavigation(run.activeId()))
        for (const auto& rb : run.drag(m_cursor)) {
            QPolygonF poly;
            for (const auto& pt : rb.points)
                poly << m_view.toScreen(pt);
            if (rb.closed)
                p.drawPolygon(poly);
            else
                p.drawPolyline(poly);
        }
    if (m_drag == Drag::Grip) {
        p.drawLine(m_view.toScreen(m_grip.at), m_view.toScreen(m_cursor));
        if (const auto preview = gripPreview())
            Renderer(m_doc.drawing(), m_view, m_style).drawHighlighted(p, *preview, band.color());
    }

    // Window (solid, blue) or crossing (dashed, green) selection box, or zoom window.
    if (m_drag == Drag::Window) {
        const QRectF box = QRectF(m_dragStart, m_mouse).normalized();
        const bool crossing = m_mouse.x() < m_dragStart.x();
        p.setPen(QPen(crossing ? QColor(60, 200, 90) : QColor(80, 140, 255), 1,
                      crossing ? Qt::DashLine : Qt::SolidLine));
        p.setBrush(crossing ? QColor(60, 200, 90, 40) : QColor(80, 140, 255, 40));
        p.drawRect(box);
        p.setBrush(Qt::NoBrush);
    }

    if (!m_mouseInside)
        return;
    // Snap marker: a shape per kind, in the marker colour.
    if (m_snapResult && (run.waiting() || m_drag == Drag::Grip)) {
        const QPointF c = m_view.toScreen(m_snapResult->point);
        const double r = 6.0;
        p.setPen(QPen(QColor(255, 160, 0), 2));
        switch (m_snapResult->kind) {
        case SnapKind::Endpoint:
            p.drawRect(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r));
            break;
        case SnapKind::Midpoint:
            p.drawPolygon(QPolygonF({QPointF(c.x(), c.y() - r), QPointF(c.x() + r, c.y() + r),
                                     QPointF(c.x() - r, c.y() + r)}));
            break;
        case SnapKind::Intersection:
            p.drawLine(QPointF(c.x() - r, c.y() - r), QPointF(c.x() + r, c.y() + r));
            p.drawLine(QPointF(c.x() - r, c.y() + r), QPointF(c.x() + r, c.y() - r));
            break;
        case SnapKind::Centre:
            p.drawEllipse(c, r, r);
            break;
        case SnapKind::Node:
            p.drawEllipse(c, r, r);
            p.drawLine(QPointF(c.x() - r, c.y() - r), QPointF(c.x() + r, c.y() + r));
            p.drawLine(QPointF(c.x() - r, c.y() + r), QPointF(c.x() + r, c.y() - r));
            break;
        case SnapKind::Nearest:
            p.drawPolygon(
                QPolygonF({QPointF(c.x() - r, c.y() - r), QPointF(c.x() + r, c.y() - r),
                           QPointF(c.x() - r, c.y() + r), QPointF(c.x() + r, c.y() + r)}));
            break;
        case SnapKind::Grid:
            p.drawLine(QPointF(c.x() - r, c.y()), QPointF(c.x() + r, c.y()));
            p.drawLine(QPointF(c.x(), c.y() - r), QPointF(c.x(), c.y() + r));
            break;
        }
    }
    // Cross cursor across the window with the pick box.
    if (m_showCross && !isNavigation(run.activeId())) {
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(ink, 0));
        const QPointF c = m_mouse;
        p.drawLine(QPointF(0, c.y()), QPointF(width(), c.y()));
        p.drawLine(QPointF(c.x(), 0), QPointF(c.x(), height()));
        if (!run.waiting())
            p.drawRect(QRectF(c.x() - m_aperturePixels, c.y() - m_aperturePixels,
                              2 * m_aperturePixels, 2 * m_aperturePixels));
    }
}

void CadCanvas::resizeEvent(QResizeEvent*) {
    // Keep the drawing point at the centre and the scale; the window shows more or less.
    m_view.setViewport(size());
    commitView();
}

// ----------------------------------------------------------------------------------- input

std::optional<Entity> CadCanvas::gripPreview() const {
    if (m_drag != Drag::Grip || !hasDocument())
        return std::nullopt;
    const Entity* e = m_doc.drawing().entity(EntityId(m_grip.entity));
    if (!e)
        return std::nullopt;
    Entity moved = *e;
    moveGrip(moved.shape, m_grip.grip, m_cursor - m_grip.at);
    if (!validShape(moved.shape))
        return std::nullopt; // a circle pulled onto its centre: nothing to show
    return moved;
}

std::optional<CadCanvas::GripHit> CadCanvas::gripAt(const QPointF& pixel) const {
    for (const EntityId id : m_doc.selection().entities()) {
        const auto grips = m_doc.grips(id);
        for (std::size_t i = 0; i < grips.size(); ++i) {
            const QPointF c = m_view.toScreen(grips[i]);
            if (std::abs(c.x() - pixel.x()) <= gripHalfPixels + 1 &&
                std::abs(c.y() - pixel.y()) <= gripHalfPixels + 1)
                return GripHit{id.value, static_cast<int>(i), grips[i]};
        }
    }
    return std::nullopt;
}

void CadCanvas::mousePressEvent(QMouseEvent* event) {
    if (!hasDocument())
        return;
    const QPointF pos = event->position();
    m_mouse = pos;
    m_mouseInside = true;
    if (event->button() == Qt::MiddleButton) {
        rememberView();
        m_drag = Drag::Pan;
        m_dragStart = pos;
        return;
    }
    if (event->button() == Qt::RightButton) {
        if (m_drag == Drag::Window) {
            m_drag = Drag::None;
            update();
        } else if (m_doc.runner().active()) {
            cancelInput();
        } else {
            showContextMenu(pos, event->globalPosition().toPoint());
        }
        return;
    }
    if (event->button() == Qt::LeftButton)
        leftPress(pos, event->modifiers());
}

void CadCanvas::leftPress(const QPointF& pos, Qt::KeyboardModifiers modifiers) {
    auto& run = m_doc.runner();
    if (isNavigation(run.activeId())) {
        m_drag = run.activeId() == CmdPanRealtime ? Drag::Pan : Drag::Zoom;
        m_dragStart = pos;
        return;
    }
    if (run.waiting()) {
        m_doc.inputPoint(inputPointAt(pos));
        updateCursorShape();
        update();
        return;
    }
    if (m_drag == Drag::Window) { // second click of a click-click window
        finishWindow(pos, modifiers);
        return;
    }
    if (const auto grip = gripAt(pos)) {
        m_drag = Drag::Grip;
        m_grip = *grip;
        m_cursor = grip->at; // the preview starts as the entity is
        m_dragStart = pos;
        return;
    }
    const Point3 p = m_view.toDrawing(pos);
    if (const EntityId id = m_doc.entityAt(p, apertureUnits())) {
        m_doc.select(id, !(modifiers & Qt::ShiftModifier));
        return;
    }
    m_drag = Drag::Window;
    m_dragStart = pos;
    m_dragMoved = false;
}

void CadCanvas::finishWindow(const QPointF& pos, Qt::KeyboardModifiers modifiers) {
    m_drag = Drag::None;
    const Point3 a = m_view.toDrawing(m_dragStart);
    const Point3 b = m_view.toDrawing(pos);
    Extent window = Extent::of(a);
    window.add(b);
    // Left to right takes what lies wholly inside; right to left also what crosses the box.
    const bool crossing = pos.x() < m_dragStart.x();
    m_doc.selectWindow(window, crossing, !(modifiers & Qt::ShiftModifier));
    update();
}

void CadCanvas::mouseMoveEvent(QMouseEvent* event) {
    if (!hasDocument())
        return;
    const QPointF pos = event->position();
    const QPointF delta = pos - m_mouse;
    m_mouse = pos;
    m_mouseInside = true;
    switch (m_drag) {
    case Drag::Pan:
        m_view.panPixels(delta);
        commitView();
        break;
    case Drag::Zoom:
        m_view.zoomAt(QPointF(width() / 2.0, height() / 2.0), std::exp(-delta.y() * 0.01));
        commitView();
        break;
    case Drag::Window:
        if (QLineF(pos, m_dragStart).length() > dragThresholdPixels)
            m_dragMoved = true;
        break;
    default:
        break;
    }
    const auto& run = m_doc.runner();
    if ((run.waiting() && !isNavigation(run.activeId())) || m_drag == Drag::Grip) {
        m_cursor = inputPointAt(pos);
    } else {
        m_snapResult.reset();
        m_cursor = m_view.toDrawing(pos);
    }
    m_doc.reportMouseMove(m_cursor);
    emit cursorMoved(m_cursor.x, m_cursor.y, m_cursor.z);
    update();
}

void CadCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (!hasDocument())
        return;
    const QPointF pos = event->position();
    switch (m_drag) {
    case Drag::Pan:
    case Drag::Zoom:
        m_drag = Drag::None;
        break;
    case Drag::Window:
        if (m_dragMoved)
            finishWindow(pos, event->modifiers());
        break;
    case Drag::Grip: {
        m_drag = Drag::None;
        const Point3 target = inputPointAt(pos);
        if (QLineF(pos, m_dragStart).length() > dragThresholdPixels || m_snapResult)
            (void)m_doc.dragGrip(EntityId(m_grip.entity), m_grip.grip, target - m_grip.at);
        regen();
        break;
    }
    default:
        break;
    }
}

void CadCanvas::mouseDoubleClickEvent(QMouseEvent* event) {
    if (!hasDocument())
        return;
    if (event->button() != Qt::LeftButton)
        return;
    if (!m_doc.reportDoubleClick(m_view.toDrawing(event->position())))
        mousePressEvent(event); // the engine's own handling: an ordinary click
}

void CadCanvas::wheelEvent(QWheelEvent* event) {
    if (!hasDocument())
        return;
    const double steps = event->angleDelta().y() / 120.0;
    if (steps == 0.0)
        return;
    m_view.zoomAt(event->position(), std::pow(wheelStep, steps));
    commitView();
}

void CadCanvas::cancelInput() {
    m_drag = Drag::None;
    m_doc.cancelCommand();
    m_snapResult.reset();
    updateCursorShape();
    update();
}

void CadCanvas::keyPressEvent(QKeyEvent* event) {
    if (!hasDocument())
        return;
    switch (event->key()) {
    case Qt::Key_Escape:
        if (m_drag != Drag::None || m_doc.runner().active()) {
            cancelInput();
        } else {
            m_doc.clearSelection();
        }
        return;
    default:
        if (!handleDraftingKey(event->key()))
            QWidget::keyPressEvent(event);
    }
}

bool CadCanvas::handleDraftingKey(int key) {
    switch (key) {
    case Qt::Key_F3:
        setObjectSnap(!objectSnap());
        return true;
    case Qt::Key_F7:
        setGridShown(!gridShown());
        return true;
    case Qt::Key_F8:
        setOrtho(!m_ortho);
        return true;
    case Qt::Key_F9:
        setGridSnap(!gridSnap());
        return true;
    default:
        return false;
    }
}

void CadCanvas::setOrtho(bool on) {
    m_ortho = on;
    emit draftingChanged();
}

void CadCanvas::setObjectSnap(bool on) {
    if (on == objectSnap())
        return;
    if (on) {
        m_snap.modes |= m_objectModesOff;
    } else {
        m_objectModesOff = m_snap.modes & objectModes;
        m_snap.modes &= ~objectModes;
    }
    emit draftingChanged();
}

void CadCanvas::setGridShown(bool on) {
    m_style.showGrid = on;
    regen();
    emit draftingChanged();
}

void CadCanvas::setGridSnap(bool on) {
    m_snap.modes = on ? (m_snap.modes | SnapGrid) : (m_snap.modes & ~unsigned(SnapGrid));
    emit draftingChanged();
}

void CadCanvas::addAccelerator(const QKeySequence& keys, std::function<void()> action) {
    auto* shortcut = new QShortcut(keys, this);
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    connect(shortcut, &QShortcut::activated, this, action);
    m_accelerators.emplace_back(keys, std::move(action));
}

bool CadCanvas::runAccelerator(const QKeyCombination& keys) {
    for (const auto& [sequence, action] : m_accelerators)
        if (sequence == QKeySequence(keys)) {
            action();
            return true;
        }
    return false;
}

void CadCanvas::leaveEvent(QEvent*) {
    m_mouseInside = false;
    update();
}

// ---------------------------------------------------------------------------- context menus

void CadCanvas::installDefaultMenus() {
    struct Entry {
        int menu;
        TextId text; // TextId{} for a separator
        int command;
    };
    static const Entry entries[] = {
        {1, TextId::MenuZoomExtents, CmdZoomExtents},
        {1, TextId::MenuZoomWindow, CmdZoomWindow},
        {1, TextId::MenuZoomRealtime, CmdZoomRealtime},
        {1, TextId::MenuPanRealtime, CmdPanRealtime},
        {1, TextId::MenuZoomPrevious, CmdZoomPrevious},
        {1, TextId{}, 0},
        {1, TextId::MenuPaste, CmdPaste},
        {1, TextId::MenuLayers, CmdLayerDialog},
        {1, TextId::MenuDraftingAids, CmdDraftingAids},
        {1, TextId::MenuOptions, CmdOptions},
        {2, TextId::MenuRepeat, CmdRepeat},
        {2, TextId::MenuUndo, CmdUndo},
        {2, TextId::MenuRedo, CmdRedo},
        {2, TextId{}, 0},
        {2, TextId::MenuCopy, CmdCopy},
        {2, TextId::MenuMove, CmdMove},
        {2, TextId::MenuErase, CmdErase},
        {2, TextId{}, 0},
        {2, TextId::MenuProperties, CmdProperties},
        {7, TextId::MenuVertexInsert, CmdVertexInsert},
        {7, TextId::MenuVertexDelete, CmdVertexDelete},
        {7, TextId{}, 0},
        {7, TextId::MenuVertexEdit, CmdVertexEdit},
    };
    const TextTable& texts = m_doc.texts();
    for (const Entry& e : entries) {
        const QString text =
            e.command ? QString::fromStdString(texts.text(e.text)) : QStringLiteral("-");
        menuAdd(e.menu, text, e.command);
        if (e.menu == 2) // several selected: the same as one
            menuAdd(3, text, e.command);
    }
}

void CadCanvas::menuClear(int menu) {
    if (auto it = m_menus.find(menu); it != m_menus.end())
        it->second->clear();
}

void CadCanvas::menuAdd(int menu, const QString& text, int command) {
    QMenu*& m = m_menus[menu];
    if (!m)
        m = new QMenu(this);
    if (text == QLatin1String("-") && command == 0) {
        m->addSeparator();
        return;
    }
    m->addAction(text, this, [this, command] { execute(command); });
}

int CadCanvas::contextMenuNumber(const QPointF& pixel) {
    if (!hasDocument())
        return 0;
    const auto& selected = m_doc.selection().entities();
    if (selected.empty())
        return 1;
    if (const auto grip = gripAt(pixel)) {
        const Entity* e = m_doc.drawing().entity(EntityId(grip->entity));
        if (e && (e->kind() == EntityKind::Polyline || e->kind() == EntityKind::Mline))
            return 7;
    }
    return selected.size() == 1 ? 2 : 3;
}

void CadCanvas::showContextMenu(const QPointF& pixel, const QPoint& global) {
    const auto it = m_menus.find(contextMenuNumber(pixel));
    if (it != m_menus.end() && !it->second->isEmpty())
        it->second->popup(global);
}

} // namespace quadrilo::cad::canvas

// The drawing window: paints the drawing, turns mouse and keys into the command runner's abstract
// input (snapped points, typed text, cancel), selects, drags grips and navigates the view.
#pragma once

#include "cad/Entity.h"
#include "cad/Signal.h"
#include "cad/canvas/RenderStyle.h"
#include "cad/canvas/Snap.h"
#include "cad/canvas/ViewTransform.h"

#include <QCursor>
#include <QImage>
#include <QKeySequence>
#include <QWidget>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

class QMenu;

namespace quadrilo::cad {
class Document;
} // namespace quadrilo::cad

namespace quadrilo::cad::canvas {

// The view and navigation commands the canvas adds to the document.
enum ViewCommand : int {
    CmdZoomExtents = 102,
    CmdZoomWindow = 106,
    CmdZoomRealtime = 107,
    CmdPanRealtime = 111,
    CmdViewFirst = 130, // 130-139: the standard views
    CmdViewLast = 139,
    CmdZoomPrevious = 115, // back to the view before the last zoom, pan or view change
    CmdRepeat = 913,
    CmdZoomAll = 914, // the drawing's extents together with its limits (origin to 1000 x 1000)
};

// The window registers its view and dialog commands and the engine's drawing tools with the
// document, and removes them again when it goes; it repaints on the document's changes. Several
// windows may show one document; the first one's commands serve them all.
class CadCanvas : public QWidget {
    Q_OBJECT
public:
    CadCanvas(Document& doc, QWidget* parent = nullptr);
    ~CadCanvas() override;

    Document& document() { return m_doc; }
    // The drawing may be deleted while its window lives; then the window shows nothing and
    // ignores input. Users of document() check this first.
    [[nodiscard]] bool hasDocument() const;
    ViewTransform& view() { return m_view; }
    SnapSettings& snapSettings() { return m_snap; }
    const SnapSettings& snapSettings() const { return m_snap; }
    RenderStyle& renderStyle() { return m_style; }
    const RenderStyle& renderStyle() const { return m_style; }
    bool ortho() const { return m_ortho; }
    void setOrtho(bool on);
    // The drafting toggles of the status bar: object snap (F3), grid shown (F7), ortho (F8),
    // snap to the grid (F9). Object snap off keeps the chosen snap kinds for when it comes back.
    bool objectSnap() const { return m_snap.modes & objectModes; }
    void setObjectSnap(bool on);
    bool gridShown() const { return m_style.showGrid; }
    void setGridShown(bool on);
    bool gridSnap() const { return m_snap.modes & SnapGrid; }
    void setGridSnap(bool on);
    // F3, F7, F8 and F9 toggle their aid from the canvas and the command line alike.
    [[nodiscard]] bool handleDraftingKey(int key);

    // The engine's keyboard shortcuts: they work with the focus on the canvas or on its
    // command line (while the line is empty).
    void addAccelerator(const QKeySequence& keys, std::function<void()> action);
    [[nodiscard]] bool runAccelerator(const QKeyCombination& keys);
    void setShowCross(bool on);
    bool showCross() const { return m_showCross; }
    // Pick and snap reach around the cursor, in logical pixels.
    void setAperturePixels(double pixels) { m_aperturePixels = pixels; }

    // The cursor shown while a command with this cursor number (CommandDef::cursor) runs;
    // number 0 and unknown numbers show the cross.
    void setCommandCursor(int number, const QCursor& cursor);

    // Runs a command by number: 913 repeats the last one, everything else goes to the document.
    bool execute(int command);
    // Redraw after a change of the drawing (the cached picture is rebuilt).
    void regen();
    void zoomExtents(bool withLimits = false);
    // Takes over changes made through view(): keeps them in the drawing and repaints.
    void commitView();
    void setViewAngles(const ViewAngles& angles);

    // The drawing point under a widget pixel, and the one input would use there (snapped,
    // ortho applied when a command waits).
    [[nodiscard]] Point3 drawingPointAt(const QPointF& pixel) const {
        return m_view.toDrawing(pixel);
    }
    [[nodiscard]] Point3 inputPointAt(const QPointF& pixel);
    const std::optional<SnapResult>& currentSnap() const { return m_snapResult; }
    // While a grip is dragged: the entity as it would be with the grip dropped at the cursor.
    [[nodiscard]] std::optional<Entity> gripPreview() const;

    // Context menus 1-7: the engine's own until the application fills them (text "-" with
    // command 0: a separator).
    void menuClear(int menu);
    void menuAdd(int menu, const QString& text, int command);
    // Which menu a right click shows when no command waits.
    [[nodiscard]] int contextMenuNumber(const QPointF& pixel);
    // The title of the engine's message boxes.
    void setMessageTitle(const QString& title) { m_messageTitle = title; }
    const QString& messageTitle() const { return m_messageTitle; }

signals:
    void promptChanged(const QString& text);
    void cursorMoved(double x, double y, double z);
    void drawingChanged();
    void viewChanged();
    // A drafting toggle changed (the status bar shows them).
    void draftingChanged();
    // A dialog command (layers, properties, ...) applied its changes.
    void dialogApplied(int command);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    enum class Drag { None, Window, Grip, Pan, Zoom };
    struct GripHit {
        std::uint32_t entity = 0;
        int grip = -1;
        Point3 at;
    };

    void registerViewCommands();
    void installDefaultMenus();
    void onDocumentChanged();
    void loadView();
    void rememberView();
    double apertureUnits() const { return m_aperturePixels / m_view.pixelsPerUnit(); }
    std::optional<GripHit> gripAt(const QPointF& pixel) const;
    void leftPress(const QPointF& pixel, Qt::KeyboardModifiers modifiers);
    void finishWindow(const QPointF& pixel, Qt::KeyboardModifiers modifiers);
    void cancelInput();
    void showContextMenu(const QPointF& pixel, const QPoint& global);
    void paintOverlay(QPainter& p);
    [[nodiscard]] std::optional<SnapResult> planSnap(const Point3& raw);
    [[nodiscard]] std::optional<SnapResult> windowSnap(const QPointF& pixel, const Point3& raw);
    [[nodiscard]] bool shownEntity(const Entity* e) const;
    void refreshWindowGeometry();
    void updateCursorShape();

    Document& m_doc;
    std::weak_ptr<const void> m_docAlive;
    std::vector<Subscription> m_subscriptions;
    std::vector<Subscription> m_commands; // view, dialog and drawing-tool commands
    ViewTransform m_view;
    RenderStyle m_style;
    SnapSettings m_snap;
    bool m_ortho = false;
    bool m_showCross = true;
    double m_aperturePixels = 8.0;

    QImage m_picture; // the drawing as last rendered, reused while only overlays change
    bool m_pictureStale = true;

    QPointF m_mouse{-1, -1};
    bool m_mouseInside = false;
    Point3 m_cursor;
    std::optional<SnapResult> m_snapResult;
    // What the window's snap geometry was built for.
    struct WindowGeometryKey {
        std::uint64_t revision = 0;
        Point3 centre;
        double scale = 0.0;
        ViewAngles angles;
        QSizeF viewport;
        bool operator==(const WindowGeometryKey&) const = default;
    };
    std::optional<WindowGeometryKey> m_windowGeometryKey;
    SnapGeometry m_windowGeometry;
    Drag m_drag = Drag::None;
    QPointF m_dragStart;
    bool m_dragMoved = false;
    GripHit m_grip;
    std::vector<ViewTransform> m_viewHistory;
    int m_lastCommand = 0;
    std::map<int, QMenu*> m_menus;
    std::map<int, QCursor> m_commandCursors;
    static constexpr unsigned objectModes = SnapObjects | SnapNearest;
    unsigned m_objectModesOff = SnapObjects; // what object snap brings back when turned on
    std::vector<std::pair<QKeySequence, std::function<void()>>> m_accelerators;
    QString m_messageTitle;
};

} // namespace quadrilo::cad::canvas

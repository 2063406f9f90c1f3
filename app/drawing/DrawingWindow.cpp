// The engine's drawing window inside `pnlCad`.
#include "app/drawing/DrawingWindow.h"

#include "app/drawing/CadSession.h"

#include "cad/canvas/CadCanvas.h"
#include "cad/canvas/CommandLine.h"
#include "cad/canvas/DraftingStatusBar.h"
#include "cad/canvas/LayerCombo.h"

#include <QApplication>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace quadrilo::app {

DrawingWindow::DrawingWindow(CadSession& cad, QWidget* parent)
    : QWidget(parent), m_cad(cad), m_canvas(new cad::canvas::CadCanvas(cad.document(), this)) {
    m_commandLine = new cad::canvas::CommandLine(*m_canvas, nullptr, this);
    setObjectName(QStringLiteral("cadWindow"));
    m_canvas->setObjectName(QStringLiteral("cadCanvas"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_canvas, 1);
    layout->addWidget(m_commandLine);
    layout->addWidget(new cad::canvas::DraftingStatusBar(*m_canvas, this));
    cad.ui().addWindow(*m_canvas);
    connect(m_canvas, &cad::canvas::CadCanvas::cursorMoved, this,
            [this](double x, double y, double) { emit cursorMoved(x, y); });
}

QWidget* DrawingWindow::createLayerCombo(QWidget* parent) {
    return new cad::canvas::LayerCombo(*m_canvas, parent);
}

void DrawingWindow::execute(int command) {
    (void)m_canvas->execute(command);
}

void DrawingWindow::zoomAll() {
    execute(cad::canvas::CmdZoomAll);
}

void DrawingWindow::redraw() {
    // The layer combo box and the canvas follow the drawing's current settings.
    m_cad.document().notifyChanged();
    m_canvas->regen();
}

void DrawingWindow::showGrid(bool show) {
    m_canvas->setGridShown(show); // the status bar's toggle follows
}

void DrawingWindow::showCross(bool show) {
    m_canvas->setShowCross(show);
}

void DrawingWindow::showLineweights(bool show) {
    m_canvas->renderStyle().showLineweights = show;
    m_canvas->regen();
}

UserProfile DrawingWindow::profile() const {
    const auto& snap = m_canvas->snapSettings();
    const auto& style = m_canvas->renderStyle();
    return UserProfile{snap.modes,           snap.gridSpacingX, snap.gridSpacingY,
                       m_canvas->ortho(),    style.showGrid,    m_canvas->showCross(),
                       style.showLineweights};
}

void DrawingWindow::applyProfile(const UserProfile& p) {
    auto& snap = m_canvas->snapSettings();
    auto& style = m_canvas->renderStyle();
    snap.modes = p.snapModes;
    snap.gridSpacingX = style.gridSpacingX = p.gridSpacingX;
    snap.gridSpacingY = style.gridSpacingY = p.gridSpacingY;
    m_canvas->setOrtho(p.ortho);
    style.showGrid = p.showGrid;
    m_canvas->setShowCross(p.showCross);
    style.showLineweights = p.showLineweights;
    m_canvas->regen();
}

void DrawingWindow::mouse(int type, double x, double y) {
    const QPointF at = m_canvas->view().toScreen({x, y, 0});
    const auto kind = static_cast<QEvent::Type>(type);
    const Qt::MouseButtons held =
        kind == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(kind, at, m_canvas->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(m_canvas, &event);
}

void DrawingWindow::click(double x, double y) {
    mouse(QEvent::MouseMove, x, y); // the pointer comes to the point first
    mouse(QEvent::MouseButtonPress, x, y);
    mouse(QEvent::MouseButtonRelease, x, y);
}

void DrawingWindow::selectWindow(double x1, double y1, double x2, double y2) {
    if (m_cad.document().runner().waiting()) {
        click(x1, y1);
        click(x2, y2);
        return;
    }
    // A box dragged left to right takes what lies inside; right to left also what crosses it.
    cad::Extent box = cad::Extent::of({x1, y1, 0});
    box.add({x2, y2, 0});
    (void)m_cad.document().selectWindow(box, x2 < x1, true);
    m_canvas->regen();
}

void DrawingWindow::doubleClick(double x, double y) {
    click(x, y);
    mouse(QEvent::MouseButtonDblClick, x, y);
    mouse(QEvent::MouseButtonRelease, x, y);
}

} // namespace quadrilo::app

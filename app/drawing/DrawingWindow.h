// The engine's drawing window inside `pnlCad`: the canvas and the engine's command line.
#pragma once

#include "app/documents/UserProfile.h"

#include <QWidget>

namespace quadrilo::cad::canvas {
class CadCanvas;
class CommandLine;
} // namespace quadrilo::cad::canvas

namespace quadrilo::app {

class CadSession;

// The engine's drawing window inside `pnlCad`: the canvas with the engine's command line under it,
// registered with the engine's furniture (context menus, accelerators). Pointer input at drawing
// points goes through here, as the mouse would give it.
class DrawingWindow : public QWidget {
    Q_OBJECT
public:
    DrawingWindow(CadSession& cad, QWidget* parent);

    [[nodiscard]] cad::canvas::CadCanvas& canvas() { return *m_canvas; }
    [[nodiscard]] cad::canvas::CommandLine& commandLine() { return *m_commandLine; }
    // The engine's layer combo box of this window's drawing.
    [[nodiscard]] QWidget* createLayerCombo(QWidget* parent);

    // An engine command by number (914: the whole drawing with its limits).
    void execute(int command);
    void zoomAll();
    // Redraw after a change of the drawing.
    void redraw();
    void showGrid(bool show);
    void showCross(bool show);
    void showLineweights(bool show);

    [[nodiscard]] UserProfile profile() const;
    void applyProfile(const UserProfile& profile);

    // A left click, a window (two clicks while a command waits for points) and a double click
    // at drawing points.
    void click(double x, double y);
    void selectWindow(double x1, double y1, double x2, double y2);
    void doubleClick(double x, double y);

signals:
    void cursorMoved(double x, double y);

private:
    void mouse(int type, double x, double y);

    CadSession& m_cad;
    cad::canvas::CadCanvas* m_canvas;
    cad::canvas::CommandLine* m_commandLine;
};

} // namespace quadrilo::app

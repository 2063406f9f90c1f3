// The status-bar piece the program places under its drawing: the cursor read-out and the
// drafting toggles (object snap F3, grid F7, ortho F8, grid snap F9) showing their state.
#pragma once

#include <QWidget>

#include <string>

class QLabel;
class QToolButton;

namespace quadrilo::cad::canvas {

class CadCanvas;

// One coordinate of the read-out: two decimals, no "-0.00", and the general form for values
// too large to write out, so the read-out keeps its width.
[[nodiscard]] std::string readoutNumber(double value);

class DraftingStatusBar : public QWidget {
    Q_OBJECT
public:
    explicit DraftingStatusBar(CadCanvas& canvas, QWidget* parent = nullptr);
    QString readout() const;
    // The toggle buttons, by object name: "snapButton", "gridButton", "orthoButton",
    // "gridSnapButton".
    QToolButton* button(const char* name) const;

private:
    QToolButton* addToggle(const char* name, const QString& caption, void (CadCanvas::*set)(bool));
    void showState();
    void showCursor(double x, double y, double z);

    CadCanvas& m_canvas;
    QLabel* m_readout;
};

} // namespace quadrilo::cad::canvas

// The layer combo box the main window places: lists the layers with their colour, shows the
// current one and makes the chosen one current.
#pragma once

#include <QComboBox>

namespace quadrilo::cad::canvas {

class CadCanvas;

class LayerCombo : public QComboBox {
    Q_OBJECT
public:
    LayerCombo(CadCanvas& canvas, QWidget* parent = nullptr);
    // Reads the layers again (after the drawing changed).
    void refresh();

private:
    CadCanvas& m_canvas;
    bool m_filling = false;
};

} // namespace quadrilo::cad::canvas

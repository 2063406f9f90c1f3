// Layer combo box: one entry per layer in the drawing's layer order, with a colour swatch.
#include "cad/canvas/LayerCombo.h"

#include "cad/Document.h"
#include "cad/canvas/CadCanvas.h"
#include "cad/canvas/PropertyWidgets.h"

namespace quadrilo::cad::canvas {

LayerCombo::LayerCombo(CadCanvas& canvas, QWidget* parent) : QComboBox(parent), m_canvas(canvas) {
    setObjectName(QStringLiteral("layerCombo"));
    connect(&canvas, &CadCanvas::drawingChanged, this, &LayerCombo::refresh);
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (m_filling || index < 0 || !m_canvas.hasDocument())
            return;
        (void)m_canvas.document().setCurrentLayer(LayerId(itemData(index).toUInt()));
        // Typing goes on to the command line, not into this box as a search for a layer.
        m_canvas.setFocus(Qt::OtherFocusReason);
    });
    refresh();
}

void LayerCombo::refresh() {
    m_filling = true;
    clear();
    if (!m_canvas.hasDocument()) {
        m_filling = false;
        return;
    }
    const Drawing& d = m_canvas.document().drawing();
    for (const LayerId id : d.layerOrder()) {
        const Layer* layer = d.layer(id);
        addItem(colorSwatch(d, layer->color), QString::fromStdString(layer->name),
                QVariant(id.value));
        if (id == d.settings().currentLayer) {
            setCurrentIndex(count() - 1);
            setToolTip(QString::fromStdString(
                m_canvas.document().texts().format(TextId::CurrentLayerIs, {layer->name})));
        }
    }
    m_filling = false;
}

} // namespace quadrilo::cad::canvas

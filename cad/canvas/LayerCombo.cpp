// Layer combo box: one entry per layer in the drawing's layer order, with a colour swatch.
#include "LayerCombo.h"

#include "CadCanvas.h"
#include "Document.h"
#include "Renderer.h"

#include <QPainter>
#include <QPixmap>

namespace cad::canvas {

LayerCombo::LayerCombo(CadCanvas& canvas, QWidget* parent) : QComboBox(parent), m_canvas(canvas) {
    setObjectName(QStringLiteral("layerCombo"));
    connect(&canvas, &CadCanvas::drawingChanged, this, &LayerCombo::refresh);
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (m_filling || index < 0 || !m_canvas.hasDocument())
            return;
        Drawing& d = m_canvas.document().drawing();
        const LayerId id(itemData(index).toUInt());
        if (d.layer(id)) {
            d.settings().currentLayer = id;
            m_canvas.document().notifyChanged();
        }
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
        QPixmap swatch(12, 12);
        swatch.fill(paletteColor(d, layer->color));
        addItem(QIcon(swatch), QString::fromStdString(layer->name), QVariant(id.value));
        if (id == d.settings().currentLayer)
            setCurrentIndex(count() - 1);
    }
    m_filling = false;
}

} // namespace cad::canvas

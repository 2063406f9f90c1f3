// Colour swatches and named lineweights.
#include "cad/canvas/PropertyWidgets.h"

#include "cad/Drawing.h"
#include "cad/EngineTexts.h"
#include "cad/canvas/Renderer.h"

#include <QPainter>
#include <QPixmap>

#include <algorithm>

namespace quadrilo::cad::canvas {

QIcon colorSwatch(const Drawing& drawing, int index) {
    QPixmap swatch(14, 14);
    swatch.fill(paletteColor(drawing, index));
    QPainter(&swatch).drawRect(0, 0, 13, 13); // an edge, so that a colour like the list's shows
    return QIcon(swatch);
}

ColorCombo::ColorCombo(const Drawing& drawing, const TextTable& texts, Choice choice,
                       QWidget* parent)
    : QComboBox(parent) {
    if (choice == Choice::EntityColor) {
        addItem(QString::fromStdString(texts.text(TextId::PropertyByLayer)), ByLayerColor);
        addItem(QString::fromStdString(texts.text(TextId::PropertyByBlock)), 0);
    }
    for (int index = 1; index <= 255; ++index)
        addItem(colorSwatch(drawing, index), QString::number(index), index);
    setMaxVisibleItems(16);
}

void ColorCombo::setColorIndex(int index) {
    if (const int at = findData(index); at >= 0)
        setCurrentIndex(at);
}

LineweightCombo::LineweightCombo(const TextTable& texts, int lineweight, QWidget* parent)
    : QComboBox(parent) {
    const auto named = [&](TextId name, int code) {
        addItem(QString::fromStdString(texts.text(name)), code);
    };
    named(TextId::PropertyByLayer, LineweightByLayer);
    named(TextId::PropertyByBlock, LineweightByBlock);
    named(TextId::PropertyDefault, LineweightDefault);
    std::vector<int> weights(StandardLineweights.begin(), StandardLineweights.end());
    if (lineweight >= 0 && std::find(weights.begin(), weights.end(), lineweight) == weights.end())
        weights.insert(std::upper_bound(weights.begin(), weights.end(), lineweight), lineweight);
    for (const int w : weights)
        addItem(QStringLiteral("%1 mm").arg(w / 100.0, 0, 'f', 2), w);
    const int at = findData(lineweight);
    setCurrentIndex(at >= 0 ? at : 0);
}

} // namespace quadrilo::cad::canvas

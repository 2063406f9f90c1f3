// The pickers of an entity's or layer's look: colours as palette swatches, lineweights by name.
#pragma once

#include <QComboBox>
#include <QIcon>

namespace quadrilo::cad {
class Drawing;
class TextTable;
} // namespace quadrilo::cad

namespace quadrilo::cad::canvas {

// A small square of the palette colour the index stands for.
[[nodiscard]] QIcon colorSwatch(const Drawing& drawing, int index);

// The palette's colours 1 to 255 as swatches, led by "ByLayer" (256) and "ByBlock" (0) when an
// entity's colour is chosen; a layer's colour is one of the palette.
class ColorCombo : public QComboBox {
    Q_OBJECT
public:
    enum class Choice { EntityColor, LayerColor };
    ColorCombo(const Drawing& drawing, const TextTable& texts, Choice choice,
               QWidget* parent = nullptr);
    [[nodiscard]] int colorIndex() const { return currentData().toInt(); }
    // An index the list does not hold leaves the choice as it was.
    void setColorIndex(int index);
};

// The standard lineweights in millimetres, led by "ByLayer", "ByBlock" and "Default". A
// lineweight of another value (read from a file) is listed where it falls.
class LineweightCombo : public QComboBox {
    Q_OBJECT
public:
    LineweightCombo(const TextTable& texts, int lineweight, QWidget* parent = nullptr);
    [[nodiscard]] int lineweight() const { return currentData().toInt(); }
};

} // namespace quadrilo::cad::canvas

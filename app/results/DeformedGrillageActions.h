// "Malha Deformada: ": drawing, deleting, colouring and showing the deformed malha.
#pragma once

#include <QColor>

#include <functional>
#include <optional>

namespace quadrilo::app {

class TfrmMain;

// The actions of the group "Malha Deformada: ": `actDeformada`, `actDelDeformada`, `actColor`
// and `actLayerDefVis`. The deformed malha is a derived layer: drawing a copy and deleting every
// copy are each one undo step that replaces the layer's contents.
class DeformedGrillageActions {
public:
    // Asks the user for the deformed malha's colour, starting from the current one.
    using ColourChooser = std::function<std::optional<QColor>(const QColor& current)>;

    DeformedGrillageActions(TfrmMain& main, ColourChooser chooseColour);

    void actDeformada();
    void actDelDeformada();
    void actColor();
    void actLayerDefVis();

private:
    // Regenerates and calculates what is stale; false when there is no malha to draw from.
    [[nodiscard]] bool settleMalhaAndResults();
    // Reads the results into the records and adds the lifted copy; false after an error line.
    [[nodiscard]] bool drawFromResults();
    void trigger(const char* action);

    TfrmMain& m_main;
    ColourChooser m_chooseColour;
};

} // namespace quadrilo::app

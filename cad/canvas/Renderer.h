// Paints the drawing's entities onto a QPainter through the view transform: palette colours,
// lineweights, point style, texts, inserts, multilines, infinite lines clipped to the window.
#pragma once

#include "cad/Drawing.h"
#include "cad/Selection.h"
#include "cad/canvas/RenderStyle.h"
#include "cad/canvas/ViewTransform.h"

#include <QFont>

#include <string>
#include <vector>

class QPainter;

namespace quadrilo::cad::canvas {

// The model-space entities that can show in the view, visible and on visible layers, in drawing
// order (the layer order, then creation order). The plan view asks the spatial index.
[[nodiscard]] std::vector<EntityId> entitiesToDraw(Drawing& drawing, const ViewTransform& view);

// Resolves an entity's colour index (by layer, by block) to its palette colour.
[[nodiscard]] QColor paletteColor(const Drawing& drawing, int index);

// Writes the drawing area (drawing units) as a bitmap of scale pixels per unit, in the format of
// the name's extension (BMP without one), whole or not at all.
enum class RasterizeResult { Written, BadArea, TooLarge, CannotWrite };
[[nodiscard]] RasterizeResult rasterize(Drawing& drawing, const std::string& path,
                                        const Extent& area, double scale, const RenderStyle& style);

class Renderer {
public:
    Renderer(const Drawing& drawing, const ViewTransform& view, const RenderStyle& style);

    void drawGrid(QPainter& painter) const;
    // Draws the entities in the given order; selected ones dashed.
    void draw(QPainter& painter, const std::vector<EntityId>& ids, const Selection* selection);
    // Draws one entity in a fixed colour (highlights, previews).
    void drawHighlighted(QPainter& painter, const Entity& entity, const QColor& color);

private:
    struct Batch;
    struct TextItem;
    class Scene;

    const Drawing& m_drawing;
    const ViewTransform& m_view;
    RenderStyle m_style;
    QFont m_font;
    double m_capHeight = 70.0; // of m_font, in its pixels
};

} // namespace quadrilo::cad::canvas

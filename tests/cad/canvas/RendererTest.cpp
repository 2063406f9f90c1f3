// The renderer's picture: palette colours by layer and by entity, construction lines across the
// whole window, hidden layers, small texts, and the plan's Y axis pointing up.
#include "CanvasFixture.h"

#include "Renderer.h"

#include <QPainter>

using namespace cad::canvas;

namespace {

class RendererPicture : public ToolFixture {
protected:
    ViewTransform view;
    RenderStyle style;

    RendererPicture() {
        ensureApplication();
        view.setViewport({200, 100});
        view.setCentre({100, 50, 0}); // drawing (x, y) at pixel (x, 100 - y)
        view.setPixelsPerUnit(1.0);
        style.background = Qt::black;
    }
    QImage render() {
        QImage image(200, 100, QImage::Format_RGB32);
        image.fill(style.background);
        QPainter p(&image);
        Renderer(doc.drawing(), view, style).draw(p, entitiesToDraw(doc.drawing(), view), nullptr);
        return image;
    }
    static int countColour(const QImage& image, QRgb colour, int row = -1) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if ((row < 0 || y == row) && image.pixel(x, y) == colour)
                    ++n;
        return n;
    }
};

TEST_F(RendererPicture, ConstructionLineCrossesTheWholeWindowInItsLayerColour) {
    CadAddLayer(dwg, "Linhas de Construção", 1, 0, -1); // red
    CadSetCurLayerByName(dwg, "Linhas de Construção");
    CadAddXLine(dwg, 5000, 70, 0, 1, 0, 0); // based far outside the window
    const QImage image = render();
    // One full row of red at y = 70, pixel row 30 (the aliased line may round to its neighbour).
    const QRgb red = qRgb(255, 0, 0);
    EXPECT_EQ(countColour(image, red), 200);
    EXPECT_EQ(countColour(image, red, 29) + countColour(image, red, 30), 200);
}

TEST_F(RendererPicture, EntityColourOverridesTheLayerAndHiddenLayersDrawNothing) {
    const CadHandle line = CadAddLine(dwg, 10, 20, 0, 150, 20, 0);
    CadEntityPutColor(line, 3); // green, over layer 0's white
    const CadHandle hidden = CadAddLayer(dwg, "Oculta", 5, 0, -1);
    CadSetCurLayerByName(dwg, "Oculta");
    CadAddLine(dwg, 10, 60, 0, 150, 60, 0);
    CadLayerPutVisible(hidden, 0);
    const QImage image = render();
    EXPECT_GE(countColour(image, qRgb(0, 255, 0), 80), 140);
    EXPECT_EQ(countColour(image, qRgb(0, 0, 255)), 0);
}

TEST_F(RendererPicture, TextsBelowAPixelVanishAndReadableOnesDraw) {
    CadAddText(dwg, "L1", 100, 50, 0, 0.5, 0, 4); // half a pixel high
    EXPECT_EQ(countColour(render(), qRgb(255, 255, 255)), 0);
    CadAddText(dwg, "L1", 100, 50, 0, 20, 0, 4);
    EXPECT_GT(countColour(render(), qRgb(255, 255, 255)), 20);
}

} // namespace

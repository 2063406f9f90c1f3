// The renderer's picture: palette colours by layer and by entity, construction lines across the
// whole window, hidden layers, small texts, and the plan's Y axis pointing up.
#include "CanvasFixture.h"

#include "cad/canvas/Renderer.h"

#include <QPainter>

namespace quadrilo::cad::canvas::test {
namespace {

class RendererPicture : public ::testing::Test {
protected:
    Engine engine;
    Document& doc = engine.createDocument();
    ViewTransform view;
    RenderStyle style;

    EntityId add(Shape shape, LayerId layer = {}, int color = ByLayerColor) {
        return Transaction(doc.drawing())
            .add(Entity{.layer = layer, .color = color, .shape = shape});
    }
    LayerId addLayer(const char* name, int color, bool visible = true) {
        return Transaction(doc.drawing()).addLayer(Layer{name, color, 0, -1, visible});
    }

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
    const LayerId lines = addLayer("Linhas de Construção", 1); // red
    add(XLineShape{{5000, 70, 0}, {1, 0, 0}}, lines);          // based far outside the window
    const QImage image = render();
    // One full row of red at y = 70, pixel row 30 (the aliased line may round to its neighbour).
    const QRgb red = qRgb(255, 0, 0);
    EXPECT_EQ(countColour(image, red), 200);
    EXPECT_EQ(countColour(image, red, 29) + countColour(image, red, 30), 200);
}

TEST_F(RendererPicture, EntityColourOverridesTheLayerAndHiddenLayersDrawNothing) {
    add(LineShape{{10, 20, 0}, {150, 20, 0}}, {}, 3); // green, over layer 0's white
    add(LineShape{{10, 60, 0}, {150, 60, 0}}, addLayer("Oculta", 5, false));
    const QImage image = render();
    EXPECT_GE(countColour(image, qRgb(0, 255, 0), 80), 140);
    EXPECT_EQ(countColour(image, qRgb(0, 0, 255)), 0);
}

TEST_F(RendererPicture, TextsBelowAPixelVanishAndReadableOnesDraw) {
    add(TextShape{{100, 50, 0}, "L1", {0.5, 0, 4}}); // half a pixel high
    EXPECT_EQ(countColour(render(), qRgb(255, 255, 255)), 0);
    add(TextShape{{100, 50, 0}, "L1", {20, 0, 4}});
    EXPECT_GT(countColour(render(), qRgb(255, 255, 255)), 20);
}

TEST_F(RendererPicture, AMultiLineTextDrawsEachLineInTheHeightOfItsCode) {
    // Top left at (10, 90): a small line, then one four times as high whose capitals reach
    // down from y 90 - 5 - 10/3 - 20 = 61.7 to 81.7; nothing is drawn lower.
    add(MTextShape{{10, 90, 0}, "ab\\P\\H4x;CD", 5, 0, 0, 1});
    const QImage image = render();
    const auto inkInRows = [&](int from, int to) {
        int n = 0;
        for (int y = from; y < to; ++y)
            n += 200 - countColour(image, qRgb(0, 0, 0), y);
        return n;
    };
    EXPECT_GT(inkInRows(100 - 90, 100 - 85), 0) << "the first line";
    EXPECT_GT(inkInRows(100 - 80, 100 - 63), 60) << "the tall second line";
    EXPECT_EQ(inkInRows(100 - 58, 100), 0);
}

} // namespace
} // namespace quadrilo::cad::canvas::test

// The renderer's picture: palette colours by layer and by entity, construction lines across the
// whole window, hidden layers, small texts, and the plan's Y axis pointing up.
#include "CanvasFixture.h"

#include "cad/canvas/Renderer.h"

#include <QPainter>

#include <cmath>
#include <string>

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
    QImage render(const Selection* selection = nullptr) {
        QImage image(200, 100, QImage::Format_RGB32);
        image.fill(style.background);
        QPainter p(&image);
        Renderer(doc.drawing(), view, style)
            .draw(p, entitiesToDraw(doc.drawing(), view), selection);
        return image;
    }
    // Rows from..to-1 that hold anything but the background.
    int inkedRows(const QImage& image, int from = 0, int to = 100) const {
        int rows = 0;
        for (int y = from; y < to; ++y)
            rows += countColour(image, style.background.rgb(), y) < image.width();
        return rows;
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

TEST_F(RendererPicture, ASelectedTextIsFramedAsSelectedLinesAreDashed) {
    // Capitals from pixel row 40 to the baseline at row 60, from x = 50 on.
    const EntityId note = add(TextShape{{50, 40, 0}, "HH", {20, 0, 0}});
    Selection selection;
    EXPECT_EQ(inkedRows(render(&selection), 30, 39), 0) << "nothing above an unselected text";
    selection.add(note);
    EXPECT_GT(inkedRows(render(&selection), 30, 39), 0) << "the frame above a selected one";
}

TEST_F(RendererPicture, ATextOnTheFloorLiesInItInASlantedViewAndOneAboveItFacesTheScreen) {
    // Seen from 30 degrees above the floor, the floor's Y shortens to half on the screen.
    view.setAngles({90.0, 30.0});
    const double capitals = 30.0;
    const EntityId onFloor = add(TextShape{{60, 50, 0}, "HHH", {capitals, 0, 0}});
    const int lying = inkedRows(render());
    EXPECT_NEAR(lying, capitals / 2, 3) << "foreshortened like the floor";

    Transaction(doc.drawing()).edit(onFloor, [](Entity& e) {
        std::get<TextShape>(e.shape).at.z = 10.0;
    });
    EXPECT_NEAR(inkedRows(render()), capitals, 3) << "above the floor: a label facing the viewer";
}

// Sixteen blocks, each holding four inserts of the next (side by side, `apart` apart at the
// last level, twice that a level up), the last a line from 0,0 to 10,0: 4^15 lines in all.
EntityId addBlockChain(Drawing& d, double apart) {
    Transaction tx(d);
    BlockId inner = tx.addBlock("B16", {});
    tx.addToBlock(inner, Entity{.shape = LineShape{{0, 0, 0}, {10, 0, 0}}});
    for (int level = 15; level >= 1; --level) {
        const BlockId outer = tx.addBlock("B" + std::to_string(level), {});
        const double step = apart * std::pow(2.0, 15 - level);
        for (const auto& [i, j] : {std::pair{0, 0}, {1, 0}, {0, 1}, {1, 1}})
            tx.addToBlock(outer,
                          Entity{.shape = *d.insertOf(inner, {i * step, j * step, 0}, 1, 0)});
        inner = outer;
    }
    return tx.add(Entity{.shape = *d.insertOf(inner, {0, 0, 0}, 1, 0)});
}

// Drawing, picking, snapping and extents work from the blocks' cached extents and finish.
TEST(BlockChain, SixteenNestedBlocksOfFourInsertsDrawPickAndSnap) {
    ensureApplication();
    Engine engine;
    Document& doc = engine.createDocument();
    Drawing& d = doc.drawing();
    const EntityId top = addBlockChain(d, 20.0);
    ASSERT_TRUE(top);
    const Extent whole = d.extentOf(*d.entity(top));
    EXPECT_DOUBLE_EQ(whole.maxX, 20.0 * (std::pow(2.0, 15) - 1) + 10.0);
    EXPECT_DOUBLE_EQ(whole.maxY, 20.0 * (std::pow(2.0, 15) - 1));

    CadCanvas canvas(doc);
    canvas.resize(800, 600);
    canvas.view().setViewport({800, 600});
    canvas.zoomExtents();
    EXPECT_EQ(canvas.grab().size(), canvas.size());
    // Zoomed onto the first lines, where each of them is drawn and snapped to.
    canvas.view().setCentre({20, 0, 0});
    canvas.view().setPixelsPerUnit(10.0);
    canvas.commitView();
    const QImage close = canvas.grab().toImage();
    const auto inkNear = [&](const Point3& p) {
        const QPoint c = canvas.view().toScreen(p).toPoint();
        int n = 0;
        for (int y = c.y() - 1; y <= c.y() + 1; ++y)
            for (int x = c.x() - 1; x <= c.x() + 1; ++x)
                n += close.pixel(x, y) != canvas.renderStyle().background.rgb();
        return n;
    };
    EXPECT_GT(inkNear({25, 0, 0}), 0) << "the line from x 20 to 30 is drawn";
    EXPECT_EQ(inkNear({35, 10, 0}), 0) << "the space beside it is empty";
    canvas.snapSettings().modes = SnapEndpoint;
    EXPECT_EQ(canvas.inputPointAt(canvas.view().toScreen({30.2, 0.3, 0})), (Point3{30, 0, 0}));
    EXPECT_EQ(doc.entityAt({25, 0, 0}, 1.0), top);
    canvas.setViewAngles(standardView(137));
    EXPECT_EQ(canvas.grab().size(), canvas.size());
}

// The same chain with every insert on top of the others: nothing to cull, 4^15 lines in one
// place. The picture, a snap and a pick still finish, the line drawn and found.
TEST(BlockChain, SixteenLevelsOfFourInsertsOnTopOfEachOtherStillDrawAndSnap) {
    ensureApplication();
    Engine engine;
    Document& doc = engine.createDocument();
    const EntityId top = addBlockChain(doc.drawing(), 0.0);
    CadCanvas canvas(doc);
    canvas.resize(400, 300);
    canvas.view().setViewport({400, 300});
    canvas.zoomExtents();
    const QImage shown = canvas.grab().toImage();
    const QPoint middle = canvas.view().toScreen({5, 0, 0}).toPoint();
    int ink = 0;
    for (int y = middle.y() - 1; y <= middle.y() + 1; ++y)
        ink += shown.pixel(middle.x(), y) != canvas.renderStyle().background.rgb();
    EXPECT_GT(ink, 0);
    canvas.snapSettings().modes = SnapEndpoint;
    EXPECT_EQ(canvas.inputPointAt(canvas.view().toScreen({9.9, 0.05, 0})), (Point3{10, 0, 0}));
    EXPECT_EQ(doc.entityAt({5, 0, 0}, 1.0), top);
}

} // namespace
} // namespace quadrilo::cad::canvas::test

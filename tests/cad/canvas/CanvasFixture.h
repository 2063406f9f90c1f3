// A fresh engine and document with a canvas whose view maps drawing (x, y) to pixel
// (x, 600 - y); the canvas brings the engine's drawing tools with it.
#pragma once

#include "cad/Document.h"
#include "cad/Engine.h"
#include "cad/Transaction.h"
#include "cad/canvas/CadCanvas.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace quadrilo::cad::canvas::test {

inline void ensureApplication() {
    if (QApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "cad_canvas_tests";
    static char* argv[] = {name, nullptr};
    // Never destroyed: tearing Qt down from the exit handlers crashes in its input devices.
    new QApplication(argc, argv);
}

class CanvasFixture : public ::testing::Test {
protected:
    Engine engine;
    Document& doc = engine.createDocument();
    std::unique_ptr<CadCanvas> canvas;

    CanvasFixture() {
        ensureApplication();
        canvas = std::make_unique<CadCanvas>(doc);
        canvas->resize(800, 600);
        canvas->show();
        canvas->view().setViewport({800, 600});
        canvas->view().setCentre({400, 300, 0});
        canvas->view().setPixelsPerUnit(1.0);
        canvas->setAperturePixels(8);
        canvas->commitView();
    }
    Drawing& drawing() { return doc.drawing(); }
    EntityId add(Shape shape, LayerId layer = {}) {
        Transaction tx(drawing());
        return tx.add(Entity{.layer = layer, .shape = std::move(shape)});
    }
    template <class S> std::vector<S> shapes() {
        std::vector<S> out;
        for (const LayerId layer : drawing().layerOrder())
            for (EntityId id = drawing().firstInLayer(layer); id; id = drawing().nextEntity(id))
                if (const auto* s = std::get_if<S>(&drawing().entity(id)->shape))
                    out.push_back(*s);
        return out;
    }
    std::size_t entityCount() {
        std::size_t n = 0;
        for (const LayerId layer : drawing().layerOrder())
            n += drawing().layerCount(layer);
        return n;
    }
    static QPoint px(double x, double y) { return QPoint(int(x), int(600 - y)); }
    void click(double x, double y, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(canvas.get(), button, modifiers, px(x, y));
    }
};

} // namespace quadrilo::cad::canvas::test

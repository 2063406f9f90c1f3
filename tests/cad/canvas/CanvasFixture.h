// A fresh engine and drawing with the drawing tools, and (for widget tests) a canvas whose view
// maps drawing (x, y) to pixel (x, 600 - y).
#pragma once

#include "CadApi.h"
#include "CadCanvas.h"
#include "Document.h"
#include "DrawingTools.h"
#include "Engine.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

inline void ensureApplication() {
    if (QApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "cad_canvas_tests";
    static char* argv[] = {name, nullptr};
    // Never destroyed: tearing Qt down from the exit handlers crashes in its input devices.
    new QApplication(argc, argv);
}

class ToolFixture : public ::testing::Test {
protected:
    cad::Engine engine;
    CadEngineScope scope{engine};
    CadHandle dwg = CadCreate();
    cad::Document& doc = *engine.document(static_cast<int>(dwg));

    ToolFixture() { cad::canvas::registerDrawingTools(doc); }

    template <class Shape> std::vector<Shape> shapes() {
        std::vector<Shape> out;
        auto& d = doc.drawing();
        for (const cad::LayerId layer : d.layerOrder())
            for (cad::EntityId id = d.firstInLayer(layer); id; id = d.nextEntity(id))
                if (const auto* s = std::get_if<Shape>(&d.entity(id)->shape))
                    out.push_back(*s);
        return out;
    }
    std::size_t entityCount() {
        std::size_t n = 0;
        auto& d = doc.drawing();
        for (const cad::LayerId layer : d.layerOrder())
            n += d.layerCount(layer);
        return n;
    }
    void type(const std::string& text) { (void)doc.typeText(text); }
};

class CanvasFixture : public ToolFixture {
protected:
    std::unique_ptr<cad::canvas::CadCanvas> canvas;

    CanvasFixture() {
        ensureApplication();
        canvas = std::make_unique<cad::canvas::CadCanvas>(doc);
        canvas->resize(800, 600);
        canvas->show();
        canvas->view().setViewport({800, 600});
        canvas->view().setCentre({400, 300, 0});
        canvas->view().setPixelsPerUnit(1.0);
        canvas->setAperturePixels(8);
        canvas->commitView();
    }
    static QPoint px(double x, double y) { return QPoint(int(x), int(600 - y)); }
    void click(double x, double y, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(canvas.get(), button, modifiers, px(x, y));
    }
};

// A fresh program with a calculated floor, and the reads the results tests make of its drawing.
#pragma once

#include "../AppFixture.h"
#include "CalculatedFloor.h"

#include "app/drawing/DrawingLayers.h"
#include "app/tabs/CalculationTab.h"

#include "elements/ElementKind.h"
#include "mesh/TBarData.h"
#include "mesh/TNodeData.h"

#include <QGroupBox>

namespace quadrilo::app::test {

class ResultsFixture : public AppFixture {
protected:
    // The floor calculated as "Calcular" leaves it, with the group "Malha Deformada: " enabled.
    void calculate() {
        ASSERT_EQ(CalculateLShapedFloor(*state), "");
        window->calculationTab().grpMalhaDeformada->setEnabled(true);
    }

    // The entities of a layer with the kind code, in drawing order.
    std::vector<const cad::Entity*> inLayer(const char* layer, int kind) {
        std::vector<const cad::Entity*> out;
        const cad::Drawing& d = drawing();
        const cad::LayerId id = d.layerByName(layer);
        for (cad::EntityId e = d.firstInLayer(id); e; e = d.nextEntity(e))
            if (d.entity(e)->userData == kind)
                out.push_back(d.entity(e));
        return out;
    }
    std::size_t countInLayer(const char* layer) {
        const cad::Drawing& d = drawing();
        std::size_t n = 0;
        for (cad::EntityId e = d.firstInLayer(d.layerByName(layer)); e; e = d.nextEntity(e))
            ++n;
        return n;
    }
    bool logHas(const QString& text) const { return log().contains(text); }
    bool logStartsWith(const QString& prefix) const {
        for (const QString& line : log())
            if (line.startsWith(prefix))
                return true;
        return false;
    }
    // A click at a drawing point, as the canvas hands it to the waiting command.
    void pick(double x, double y) { (void)cad().document().inputPoint({x, y, 0}); }
};

} // namespace quadrilo::app::test

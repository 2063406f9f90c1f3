// The program with the helpers the element tests share: scripts, entities by kind, records, a
// malha laid over a laje.
#pragma once

#include "../ScriptFixture.h"

#include "elements/ElementKind.h"
#include "elements/Layers.h"
#include "mesh/MeshGeneration.h"

#include <QListWidget>

namespace quadrilo::app::test {

class ElementFixture : public ScriptFixture {
protected:
    // Runs the script; every line must run.
    void script(const QString& text) { ASSERT_EQ(run(text), 0) << err.toStdString(); }

    // The model-space entities of the kind, in drawing order.
    std::vector<const cad::Entity*> ofKind(elements::ElementKind kind) {
        std::vector<const cad::Entity*> found;
        const cad::Drawing& d = drawing();
        for (const cad::LayerId layer : d.layerOrder())
            for (cad::EntityId id = d.firstInLayer(layer); id; id = d.nextEntity(id))
                if (d.entity(id)->userData == elements::KindCode(kind))
                    found.push_back(d.entity(id));
        return found;
    }
    template <class Record> Record recordOf(const cad::Entity& e) {
        return Record::Decode(e.exData);
    }
    template <class Record> Record recordOf(cad::EntityId id) {
        return recordOf<Record>(*drawing().entity(id));
    }
    const cad::InsertShape& insertOf(const cad::Entity& e) {
        return std::get<cad::InsertShape>(e.shape);
    }
    std::string blockName(const cad::Entity& e) { return drawing().block(insertOf(e).block)->name; }
    // The entities inside the insert's block, in the order they went in.
    std::vector<const cad::Entity*> blockContent(const cad::Entity& insert) {
        std::vector<const cad::Entity*> content;
        const cad::Drawing& d = drawing();
        for (cad::EntityId id = d.firstInBlock(insertOf(insert).block); id; id = d.nextEntity(id))
            content.push_back(d.entity(id));
        return content;
    }
    bool logged(const QString& line) { return log().contains(line); }
    // The log's lines from `first` on.
    QStringList logFrom(qsizetype first) { return log().mid(first); }
    cad::Document& document() { return cad().document(); }
    WorkflowFlags& flags() { return state->flags; }
    // Both flags as a finished calculation leaves them.
    void calculated() { flags() = WorkflowFlags{false, true}; }

    // A malha of 4 × 4 divisions over a laje from (0, 0) to (400, 400), made as the grillage
    // generation makes it: its layer replaced in one step, nodes and bars with their records.
    void layGrillage() {
        script(QStringLiteral("LAJE\n0,0\n400,400\n"));
        const TSlabData slab = recordOf<TSlabData>(*ofKind(elements::ElementKind::Slab).back());
        const mesh::MeshPlanResult plan = mesh::PlanMesh(std::span(&slab, 1), 4, 4);
        ASSERT_TRUE(plan.Plan) << plan.Error;
        const mesh::MeshGrid grid = mesh::GenerateMesh(*plan.Plan, state->project);
        std::vector<cad::Entity> entities;
        for (const mesh::MeshNode& n : grid.Nodes)
            entities.push_back(
                cad::Entity{.userData = elements::KindCode(elements::ElementKind::GrillageNode),
                            .exData = n.Record.Encode(),
                            .shape = cad::PointShape{{n.Record.X, n.Record.Y, 0}}});
        for (const mesh::MeshBar& b : grid.Bars)
            entities.push_back(
                cad::Entity{.userData = elements::KindCode(elements::ElementKind::GrillageBar),
                            .exData = b.Record.Encode(),
                            .shape = cad::LineShape{{b.Record.X1, b.Record.Y1, 0},
                                                    {b.Record.X2, b.Record.Y2, 0}}});
        cad::Transaction tx(drawing());
        const cad::LayerId layer =
            tx.addLayer(cad::Layer{std::string(elements::GrillageLayer), 254});
        ASSERT_EQ(tx.replaceLayerContents(layer, std::move(entities)).size(),
                  grid.Nodes.size() + grid.Bars.size());
    }
    // The malha's node entity at (x, y).
    const cad::Entity* nodeAt(double x, double y) {
        for (const cad::Entity* e : ofKind(elements::ElementKind::GrillageNode))
            if (std::get<cad::PointShape>(e->shape).at == cad::Point3{x, y, 0})
                return e;
        return nullptr;
    }
};

} // namespace quadrilo::app::test

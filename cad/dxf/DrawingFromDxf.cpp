// DXF content into a drawing.
#include "cad/dxf/DrawingFromDxf.h"

#include "cad/dxf/AciPalette.h"

#include <cmath>

namespace quadrilo::dxf {
namespace {

constexpr double Reach = 1e12;

bool inReach(double v) {
    return std::isfinite(v) && std::abs(v) < Reach;
}
bool inReach(const cad::Point3& p) {
    return inReach(p.x) && inReach(p.y) && inReach(p.z);
}

// Every coordinate and size of the shape inside the range the canvas can draw.
bool drawable(const cad::Shape& shape) {
    for (const cad::Point3& p : cad::gripPoints(shape))
        if (!inReach(p))
            return false;
    if (const auto* c = std::get_if<cad::CircleShape>(&shape))
        return inReach(c->radius);
    if (const auto* t = std::get_if<cad::TextShape>(&shape))
        return inReach(t->look.height) && inReach(t->look.angle);
    if (const auto* m = std::get_if<cad::MTextShape>(&shape))
        return inReach(m->height) && inReach(m->width) && inReach(m->angle);
    if (const auto* i = std::get_if<cad::InsertShape>(&shape))
        return inReach(i->scale) && inReach(i->angle);
    return true;
}

class Builder {
public:
    Builder(cad::Drawing& drawing, std::size_t& skipped) : m_d(drawing), m_skipped(skipped) {}

    void layers(const std::vector<cad::Layer>& layers) {
        for (const cad::Layer& layer : layers) {
            const cad::LayerId existing = m_d.layerByName(layer.name);
            if (!existing)
                m_d.addLayer(layer);
            else
                (void)m_d.changeLayer(existing, layer); // layer "0" is already there
        }
    }

    // Blocks first, all of them, so that inserts inside blocks find blocks defined later.
    void blocks(const std::vector<DxfBlock>& blocks) {
        std::vector<cad::BlockId> ids;
        for (const DxfBlock& b : blocks)
            ids.push_back(m_d.addBlock(b.name, b.base));
        for (std::size_t i = 0; i < blocks.size(); ++i)
            for (const DxfEntity& e : blocks[i].entities)
                if (ids[i])
                    if (const cad::EntityId id = add(e); id && !m_d.moveToBlock(id, ids[i])) {
                        (void)m_d.eraseEntity(id); // an insert of its own block
                        ++m_skipped;
                    }
    }

    void entities(const std::vector<DxfEntity>& entities) {
        for (const DxfEntity& e : entities)
            (void)add(e);
    }

private:
    cad::EntityId add(const DxfEntity& from) {
        cad::Entity e;
        e.layer = layerNamed(from.layer);
        e.color = from.color;
        e.lineweight = from.lineweight;
        e.shape = from.shape;
        if (auto* insert = std::get_if<cad::InsertShape>(&e.shape))
            insert->block = m_d.blockByName(from.insertBlock);
        const auto* insert = std::get_if<cad::InsertShape>(&e.shape);
        if ((insert && !insert->block) || !drawable(e.shape)) {
            ++m_skipped;
            return {};
        }
        return m_d.addEntity(std::move(e));
    }

    cad::LayerId layerNamed(const std::string& name) {
        const cad::LayerId id = m_d.layerByName(name);
        return id ? id : m_d.addLayer(cad::Layer{name, 7});
    }

    cad::Drawing& m_d;
    std::size_t& m_skipped;
};

} // namespace

std::unique_ptr<cad::Drawing> BuildDrawing(const DxfContent& content, std::size_t& skipped) {
    auto drawing = std::make_unique<cad::Drawing>();
    skipped = content.skipped;
    {
        // One step, so that moving new entities into their blocks copies nothing.
        cad::UndoGroup step(*drawing);
        drawing->editData([](cad::DrawingData& data) { data.palette = AciPalette(); });
        Builder builder(*drawing, skipped);
        builder.layers(content.layers);
        builder.blocks(content.blocks);
        builder.entities(content.entities);
    }
    drawing->settings().currentLayer = drawing->layerByName("0");
    drawing->clearUndo();
    drawing->setDirty(false);
    return drawing;
}

} // namespace quadrilo::dxf

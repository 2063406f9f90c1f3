// DXF content into a drawing.
#include "cad/dxf/DrawingFromDxf.h"

#include "cad/Transaction.h"
#include "cad/dxf/AciPalette.h"

#include <cmath>
#include <optional>

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
    Builder(cad::Transaction& tx, std::size_t& skipped)
        : m_tx(tx), m_d(tx.drawing()), m_skipped(skipped) {}

    void layers(const std::vector<cad::Layer>& layers) {
        for (const cad::Layer& layer : layers) {
            const cad::LayerId existing = m_d.layerByName(layer.name);
            if (!existing)
                m_tx.addLayer(layer);
            else
                (void)m_tx.changeLayer(existing, layer); // layer "0" is already there
        }
    }

    // Blocks first, all of them, so that inserts inside blocks find blocks defined later.
    void blocks(const std::vector<DxfBlock>& blocks) {
        std::vector<cad::BlockId> ids;
        for (const DxfBlock& b : blocks)
            ids.push_back(m_tx.addBlock(b.name, b.base));
        for (std::size_t i = 0; i < blocks.size(); ++i)
            for (const DxfEntity& e : blocks[i].entities)
                if (ids[i])
                    if (std::optional<cad::Entity> entity = entityOf(e))
                        // Refused for an insert of its own block.
                        counted(m_tx.addToBlock(ids[i], std::move(*entity)));
    }

    void entities(const std::vector<DxfEntity>& entities) {
        for (const DxfEntity& e : entities)
            if (std::optional<cad::Entity> entity = entityOf(e))
                counted(m_tx.add(std::move(*entity)));
    }

private:
    // The entity, or none (counted) when the canvas could not draw it.
    std::optional<cad::Entity> entityOf(const DxfEntity& from) {
        cad::Entity e;
        e.layer = layerNamed(from.layer);
        e.color = from.color;
        e.lineweight = from.lineweight;
        e.shape = from.shape;
        if (auto* insert = std::get_if<cad::InsertShape>(&e.shape))
            insert->block = m_d.blockByName(from.insertBlock);
        if (!drawable(e.shape)) {
            ++m_skipped;
            return std::nullopt;
        }
        return e;
    }

    // An entity the drawing refused (an insert of a missing block) is counted.
    void counted(cad::EntityId added) {
        if (!added)
            ++m_skipped;
    }

    cad::LayerId layerNamed(const std::string& name) {
        return m_tx.addLayer(cad::Layer{name, 7}); // the existing layer if there is one
    }

    cad::Transaction& m_tx;
    const cad::Drawing& m_d;
    std::size_t& m_skipped;
};

} // namespace

std::unique_ptr<cad::Drawing> BuildDrawing(const DxfContent& content, std::size_t& skipped) {
    auto drawing = std::make_unique<cad::Drawing>();
    skipped = content.skipped;
    {
        cad::Transaction tx(*drawing);
        tx.setPalette(AciPalette());
        Builder builder(tx, skipped);
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

// The element routines' plain drawings turned into entities of the CAD engine.
#include "app/elements/ElementEntities.h"

#include "app/drawing/DrawingLayers.h"
#include "app/drawing/StartDrawing.h"

#include "cad/Overloaded.h"

#include <numbers>

namespace quadrilo::app {
namespace {

constexpr double Degree = std::numbers::pi / 180.0;

int colorOr(const std::optional<int>& color) {
    return color.value_or(cad::ByLayerColor);
}

cad::TextLook lookOf(const std::optional<elements::TextLook>& look) {
    if (!look)
        return cad::TextLook{};
    return cad::TextLook{look->height, look->angleDeg * Degree, look->align};
}

cad::Entity blockItem(const elements::BlockItem& item) {
    return std::visit(
        cad::Overloaded{
            [](const elements::RectangleItem& r) {
                return cad::Entity{.color = colorOr(r.color),
                                   .shape = cad::rectangle(ToCad(r.centre), r.width, r.height, 0)};
            },
            [](const elements::AttributeItem& a) {
                return cad::Entity{
                    .color = colorOr(a.color),
                    .shape = cad::AttDefShape{ToCad(a.at), a.tag, a.defaultText, lookOf(a.look)}};
            },
            [](const elements::PointItem& p) {
                return cad::Entity{.color = colorOr(p.color),
                                   .shape = cad::PointShape{ToCad(p.at)}};
            },
        },
        item);
}

// The block the insert shows: the one of that name, else the definition added now.
cad::BlockId blockFor(cad::Transaction& tx, const elements::InsertDrawing& insert) {
    if (const cad::BlockId found = tx.drawing().blockByName(insert.blockName))
        return found;
    if (!insert.definition)
        return {};
    const cad::BlockId block = tx.addBlock(insert.blockName, ToCad(insert.definition->base));
    for (const elements::BlockItem& item : insert.definition->items)
        (void)tx.addToBlock(block, blockItem(item));
    return block;
}

std::optional<cad::Shape> insertShape(cad::Transaction& tx, const elements::InsertDrawing& insert) {
    const cad::BlockId block = blockFor(tx, insert);
    auto shape =
        tx.drawing().insertOf(block, ToCad(insert.at), insert.scale, insert.angleDeg * Degree);
    if (!shape)
        return std::nullopt;
    // Each insert shows its own text, whatever the insert that defined the block showed.
    for (cad::Attribute& attribute : shape->attributes) {
        if (attribute.tag != insert.attribute.tag)
            continue;
        attribute.value = insert.attribute.text;
        if (insert.attribute.align)
            attribute.look.align = *insert.attribute.align;
    }
    return cad::Shape{std::move(*shape)};
}

cad::Shape multilineShape(const cad::Drawing& d, const elements::MultilineDrawing& m) {
    std::vector<cad::Point3> vertices;
    for (const elements::Point3& p : m.vertices)
        vertices.push_back(ToCad(p));
    auto shape = d.mlineOf(d.mlineStyleByName(m.style), vertices, false);
    if (!shape)
        shape = cad::MlineShape{vertices, false, m.style, 0, {{}, {}, {}}};
    // The beam's own width: lines 1 and 2 around the axis.
    if (shape->lines.size() >= 3) {
        shape->lines[1].offset = m.width.line1Offset;
        shape->lines[2].offset = m.width.line2Offset;
    }
    return *shape;
}

cad::LayerId layerFor(cad::Transaction& tx, const std::string& name) {
    if (name.empty())
        return {};
    if (const cad::LayerId found = tx.drawing().layerByName(name))
        return found;
    for (const ProgramLayer& layer : ProgramLayers)
        if (name == layer.name)
            return tx.addLayer(cad::Layer{layer.name, layer.color});
    return tx.addLayer(cad::Layer{name});
}

} // namespace

cad::EntityId DrawElement(cad::Transaction& tx, const elements::ElementDrawing& e) {
    cad::Entity entity{.layer = layerFor(tx, e.layer), .userData = elements::KindCode(e.kind)};
    const bool built =
        std::visit(cad::Overloaded{
                       [&](const elements::InsertDrawing& insert) {
                           auto shape = insertShape(tx, insert);
                           if (shape)
                               entity.shape = std::move(*shape);
                           return shape.has_value();
                       },
                       [&](const elements::MultilineDrawing& m) {
                           entity.color = m.color;
                           entity.shape = multilineShape(tx.drawing(), m);
                           return true;
                       },
                       [&](const elements::LineDrawing& line) {
                           entity.color = line.color;
                           entity.lineweight = line.lineweight;
                           entity.ltScale = line.ltScale;
                           entity.shape = cad::LineShape{ToCad(line.start), ToCad(line.end)};
                           return true;
                       },
                   },
                   e.shape);
    if (!built)
        return {};
    // The id the entity is about to take, so that its record names it from the start.
    entity.exData = elements::EncodeRecord(e.record);
    const elements::EntityView view{
        static_cast<std::int32_t>(tx.drawing().nextId()), entity.userData, entity.exData, {}};
    if (const auto own = elements::RecordWithOwnEntityId(view))
        entity.exData = elements::EncodeRecord(*own);
    return tx.add(std::move(entity));
}

void EnsureLoadBlocks(cad::Transaction& tx) {
    for (const auto& [name, upward] : {std::pair{"+Load", true}, std::pair{"-Load", false}})
        if (!tx.drawing().blockByName(name))
            AddLoadBlock(tx, name, upward);
}

std::vector<elements::Point3> MultilineVertices(const cad::Entity& entity) {
    std::vector<elements::Point3> vertices;
    if (const auto* m = std::get_if<cad::MlineShape>(&entity.shape))
        for (const cad::Point3& p : m->vertices)
            vertices.push_back(FromCad(p));
    return vertices;
}

elements::EntityView ViewOf(const cad::Entity& entity, std::vector<elements::Point3>& vertices) {
    vertices = MultilineVertices(entity);
    return {static_cast<std::int32_t>(entity.id.value), entity.userData, entity.exData, vertices};
}

} // namespace quadrilo::app

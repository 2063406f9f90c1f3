// Entity records: common properties, then a kind byte and the fields of that kind's shape.
#include "cad/EntityCodec.h"

#include "cad/Overloaded.h"

namespace quadrilo::cad {
namespace {

void writeLook(ByteWriter& out, const TextLook& look) {
    out.f64(look.height);
    out.f64(look.angle);
    out.i32(look.align);
}

TextLook readLook(ByteReader& in) {
    TextLook look;
    look.height = in.f64();
    look.angle = in.f64();
    look.align = in.i32();
    return look;
}

void writePoints(ByteWriter& out, const std::vector<Point3>& points) {
    out.u32(static_cast<std::uint32_t>(points.size()));
    for (const Point3& p : points)
        out.point(p);
}

std::vector<Point3> readPoints(ByteReader& in) {
    std::vector<Point3> points(in.count(24));
    for (Point3& p : points)
        p = in.point();
    return points;
}

void writeShape(ByteWriter& out, const Shape& shape) {
    std::visit(Overloaded{
                   [&](const PointShape& s) { out.point(s.at); },
                   [&](const LineShape& s) {
                       out.point(s.start);
                       out.point(s.end);
                   },
                   [&](const XLineShape& s) {
                       out.point(s.base);
                       out.point(s.dir);
                   },
                   [&](const RayShape& s) {
                       out.point(s.base);
                       out.point(s.dir);
                   },
                   [&](const CircleShape& s) {
                       out.point(s.centre);
                       out.f64(s.radius);
                   },
                   [&](const PolylineShape& s) {
                       writePoints(out, s.vertices);
                       out.u8(s.closed);
                       out.i32(s.type);
                   },
                   [&](const MlineShape& s) {
                       writePoints(out, s.vertices);
                       out.u8(s.closed);
                       out.str(s.style);
                       out.i32(s.drawMode);
                       writeMlineLines(out, s.lines);
                   },
                   [&](const TextShape& s) {
                       out.point(s.at);
                       out.str(s.text);
                       writeLook(out, s.look);
                   },
                   [&](const MTextShape& s) {
                       out.point(s.at);
                       out.str(s.text);
                       out.f64(s.height);
                       out.f64(s.width);
                       out.f64(s.angle);
                       out.i32(s.attachment);
                   },
                   [&](const AttDefShape& s) {
                       out.point(s.at);
                       out.str(s.tag);
                       out.str(s.defaultText);
                       writeLook(out, s.look);
                   },
                   [&](const InsertShape& s) {
                       out.u32(s.block.value);
                       out.point(s.at);
                       out.f64(s.scale);
                       out.f64(s.angle);
                       out.u32(static_cast<std::uint32_t>(s.attributes.size()));
                       for (const Attribute& a : s.attributes) {
                           out.str(a.tag);
                           out.str(a.value);
                           out.point(a.at);
                           writeLook(out, a.look);
                       }
                   },
                   [&](const DimensionShape& s) {
                       out.u8(s.aligned);
                       out.point(s.first);
                       out.point(s.second);
                       out.point(s.linePos);
                       out.f64(s.angle);
                       out.u32(s.style.value);
                   },
               },
               shape);
}

Shape readShape(ByteReader& in, EntityKind kind) {
    switch (kind) {
    case EntityKind::Point:
        return PointShape{in.point()};
    case EntityKind::Line: {
        LineShape s;
        s.start = in.point();
        s.end = in.point();
        return s;
    }
    case EntityKind::XLine: {
        XLineShape s;
        s.base = in.point();
        s.dir = in.point();
        return s;
    }
    case EntityKind::Ray: {
        RayShape s;
        s.base = in.point();
        s.dir = in.point();
        return s;
    }
    case EntityKind::Circle: {
        CircleShape s;
        s.centre = in.point();
        s.radius = in.f64();
        return s;
    }
    case EntityKind::Polyline: {
        PolylineShape s;
        s.vertices = readPoints(in);
        s.closed = in.flag();
        s.type = in.i32();
        return s;
    }
    case EntityKind::Mline: {
        MlineShape s;
        s.vertices = readPoints(in);
        s.closed = in.flag();
        s.style = in.str();
        s.drawMode = in.i32();
        s.lines = readMlineLines(in);
        return s;
    }
    case EntityKind::Text: {
        TextShape s;
        s.at = in.point();
        s.text = in.str();
        s.look = readLook(in);
        return s;
    }
    case EntityKind::MText: {
        MTextShape s;
        s.at = in.point();
        s.text = in.str();
        s.height = in.f64();
        s.width = in.f64();
        s.angle = in.f64();
        s.attachment = in.i32();
        return s;
    }
    case EntityKind::AttDef: {
        AttDefShape s;
        s.at = in.point();
        s.tag = in.str();
        s.defaultText = in.str();
        s.look = readLook(in);
        return s;
    }
    case EntityKind::Insert: {
        InsertShape s;
        s.block = BlockId(in.u32());
        s.at = in.point();
        s.scale = in.f64();
        s.angle = in.f64();
        s.attributes.resize(in.count(8 + 24 + 20));
        for (Attribute& a : s.attributes) {
            a.tag = in.str();
            a.value = in.str();
            a.at = in.point();
            a.look = readLook(in);
        }
        return s;
    }
    case EntityKind::Dimension: {
        DimensionShape s;
        s.aligned = in.flag();
        s.first = in.point();
        s.second = in.point();
        s.linePos = in.point();
        s.angle = in.f64();
        s.style = DimStyleId(in.u32());
        return s;
    }
    }
    throw FormatError("unknown entity kind");
}

} // namespace

void writeEntity(ByteWriter& out, const Entity& e) {
    out.u32(e.id.value);
    out.u32(e.layer.value);
    out.u32(e.owner.value);
    out.i32(e.color);
    out.i32(e.lineweight);
    out.f64(e.ltScale);
    out.u8(e.visible);
    out.u8(e.locked);
    out.i32(e.userData);
    out.blob(e.exData);
    out.u8(static_cast<std::uint8_t>(e.kind()));
    writeShape(out, e.shape);
}

Entity readEntity(ByteReader& in) {
    Entity e;
    e.id = EntityId(in.u32());
    e.layer = LayerId(in.u32());
    e.owner = BlockId(in.u32());
    e.color = in.i32();
    e.lineweight = in.i32();
    e.ltScale = in.f64();
    e.visible = in.flag();
    e.locked = in.flag();
    e.userData = in.i32();
    e.exData = in.blob();
    const int kind = in.u8();
    if (kind < static_cast<int>(EntityKind::Point) ||
        kind > static_cast<int>(EntityKind::Dimension))
        throw FormatError("unknown entity kind");
    e.shape = readShape(in, static_cast<EntityKind>(kind));
    return e;
}

void writeMlineLines(ByteWriter& out, const std::vector<MlineLine>& lines) {
    out.u32(static_cast<std::uint32_t>(lines.size()));
    for (const MlineLine& l : lines) {
        out.f64(l.offset);
        out.i32(l.color);
    }
}

std::vector<MlineLine> readMlineLines(ByteReader& in) {
    std::vector<MlineLine> lines(in.count(12));
    for (MlineLine& l : lines) {
        l.offset = in.f64();
        l.color = in.i32();
    }
    return lines;
}

void writeLayer(ByteWriter& out, LayerId id, const Layer& l) {
    out.u32(id.value);
    out.str(l.name);
    out.i32(l.color);
    out.i32(l.lineType);
    out.i32(l.lineWeight);
    out.u8(l.visible);
    out.u8(l.locked);
}

std::pair<std::uint32_t, Layer> readLayer(ByteReader& in) {
    const std::uint32_t id = in.u32();
    Layer l;
    l.name = in.str();
    l.color = in.i32();
    l.lineType = in.i32();
    l.lineWeight = in.i32();
    l.visible = in.flag();
    l.locked = in.flag();
    return {id, std::move(l)};
}

void writeDimStyle(ByteWriter& out, DimStyleId id, const DimStyle& s) {
    out.u32(id.value);
    out.str(s.name);
    out.f64(s.textHeight);
    out.f64(s.arrowSize);
    out.f64(s.extensionOffset);
    out.f64(s.extensionBeyond);
    out.i32(s.decimals);
}

std::pair<std::uint32_t, DimStyle> readDimStyle(ByteReader& in) {
    const std::uint32_t id = in.u32();
    DimStyle s;
    s.name = in.str();
    s.textHeight = in.f64();
    s.arrowSize = in.f64();
    s.extensionOffset = in.f64();
    s.extensionBeyond = in.f64();
    s.decimals = in.i32();
    return {id, std::move(s)};
}

void writeBlock(ByteWriter& out, const Drawing& d, BlockId id) {
    const Block& b = *d.block(id);
    out.u32(id.value);
    out.str(b.name);
    out.point(b.base);
    out.u32(static_cast<std::uint32_t>(d.blockCount(id)));
    for (EntityId e = d.firstInBlock(id); e; e = d.nextEntity(e))
        writeEntity(out, *d.entity(e));
}

std::pair<std::uint32_t, Block> readBlockHead(ByteReader& in) {
    const std::uint32_t id = in.u32();
    Block b;
    b.name = in.str();
    b.base = in.point();
    return {id, std::move(b)};
}

} // namespace quadrilo::cad

// Clipboard payloads of copied entities, framed like the drawing file.
#include "Clipboard.h"

#include "DrawingFile.h"
#include "EntityCodec.h"

#include <set>

namespace cad {
namespace {

constexpr char ClipMagic[9] = "QDRLCLIP";
constexpr std::uint32_t ClipVersion = 1;

void collectBlocks(const Drawing& d, const Entity& e, std::vector<BlockId>& order,
                   std::set<BlockId>& seen, int depth) {
    const auto* ins = std::get_if<InsertShape>(&e.shape);
    if (!ins || depth > 16 || seen.count(ins->block) || !d.block(ins->block))
        return;
    seen.insert(ins->block);
    for (EntityId id = d.firstInBlock(ins->block); id; id = d.nextEntity(id))
        collectBlocks(d, *d.entity(id), order, seen, depth + 1);
    order.push_back(ins->block); // after the blocks it inserts
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

} // namespace

void MemoryClipboard::setData(const std::string& mimeType, std::vector<std::uint8_t> data) {
    m_mime = mimeType;
    m_data = std::move(data);
}

std::vector<std::string> MemoryClipboard::formats() const {
    return m_mime.empty() ? std::vector<std::string>{} : std::vector<std::string>{m_mime};
}

std::vector<std::uint8_t> MemoryClipboard::data(const std::string& mimeType) const {
    return mimeType == m_mime ? m_data : std::vector<std::uint8_t>{};
}

bool clipboardHoldsEntities(const Clipboard& clipboard) {
    const auto formats = clipboard.formats();
    return !formats.empty() && formats.front() == EntityClipboardMime;
}

std::vector<std::uint8_t> encodeEntities(const Drawing& d, const std::vector<EntityId>& ids) {
    std::vector<const Entity*> entities;
    std::vector<BlockId> blocks;
    std::set<BlockId> seenBlocks;
    std::set<LayerId> layers;
    std::set<DimStyleId> dimStyles;
    for (EntityId id : ids) {
        const Entity* e = d.entity(id);
        if (!e || e->owner)
            continue;
        entities.push_back(e);
        collectBlocks(d, *e, blocks, seenBlocks, 0);
    }
    auto noteStyles = [&](const Entity& e) {
        layers.insert(e.layer);
        if (const auto* dim = std::get_if<DimensionShape>(&e.shape); dim && d.dimStyle(dim->style))
            dimStyles.insert(dim->style);
    };
    for (const Entity* e : entities)
        noteStyles(*e);
    for (BlockId b : blocks)
        for (EntityId id = d.firstInBlock(b); id; id = d.nextEntity(id))
            noteStyles(*d.entity(id));

    ByteWriter out;
    beginFrame(out, ClipMagic, ClipVersion);
    out.u32(static_cast<std::uint32_t>(layers.size()));
    for (LayerId id : layers)
        writeLayer(out, id, *d.layer(id));
    out.u32(static_cast<std::uint32_t>(dimStyles.size()));
    for (DimStyleId id : dimStyles) {
        const DimStyle& s = *d.dimStyle(id);
        out.u32(id.value);
        out.str(s.name);
        out.f64(s.textHeight);
        out.f64(s.arrowSize);
        out.f64(s.extensionOffset);
        out.f64(s.extensionBeyond);
        out.i32(s.decimals);
    }
    out.u32(static_cast<std::uint32_t>(blocks.size()));
    for (BlockId b : blocks) {
        out.u32(b.value);
        out.str(d.block(b)->name);
        out.point(d.block(b)->base);
        std::uint32_t count = 0;
        for (EntityId id = d.firstInBlock(b); id; id = d.nextEntity(id))
            ++count;
        out.u32(count);
        for (EntityId id = d.firstInBlock(b); id; id = d.nextEntity(id))
            writeEntity(out, *d.entity(id));
    }
    out.u32(static_cast<std::uint32_t>(entities.size()));
    for (const Entity* e : entities)
        writeEntity(out, *e);
    sealFrame(out);
    return std::move(out.bytes());
}

ClipboardContent decodeEntities(const std::vector<std::uint8_t>& bytes) {
    const auto [at, size] = unframe(ClipMagic, ClipVersion, bytes, "The clipboard content");
    ByteReader in(bytes.data() + at, size);
    ClipboardContent c;
    std::set<std::uint32_t> layerIds;
    std::set<std::uint32_t> blockIds;
    for (std::uint32_t i = 0, n = in.count(24); i < n; ++i) {
        const std::uint32_t id = in.u32();
        Layer l;
        l.name = in.str();
        l.color = in.i32();
        l.lineType = in.i32();
        l.lineWeight = in.i32();
        l.visible = in.flag();
        l.locked = in.flag();
        if (l.name.empty())
            throw FormatError("The clipboard content is damaged (a layer without name).");
        layerIds.insert(id);
        c.layers.emplace_back(id, std::move(l));
    }
    for (std::uint32_t i = 0, n = in.count(44); i < n; ++i) {
        const std::uint32_t id = in.u32();
        DimStyle s;
        s.name = in.str();
        s.textHeight = in.f64();
        s.arrowSize = in.f64();
        s.extensionOffset = in.f64();
        s.extensionBeyond = in.f64();
        s.decimals = in.i32();
        c.dimStyles.emplace_back(id, std::move(s));
    }
    auto check = [&](const Entity& e) {
        const auto* ins = std::get_if<InsertShape>(&e.shape);
        if (!layerIds.count(e.layer.value) || (ins && !blockIds.count(ins->block.value)))
            throw FormatError("The clipboard content is damaged (a missing layer or block).");
    };
    for (std::uint32_t i = 0, n = in.count(36); i < n; ++i) {
        ClipboardContent::StoredBlock b;
        b.storedId = in.u32();
        b.block.name = in.str();
        b.block.base = in.point();
        if (b.block.name.empty())
            throw FormatError("The clipboard content is damaged (a block without name).");
        for (std::uint32_t k = 0, m = in.count(40); k < m; ++k) {
            b.entities.push_back(readEntity(in));
            check(b.entities.back());
        }
        blockIds.insert(b.storedId);
        c.blocks.push_back(std::move(b));
    }
    for (std::uint32_t i = 0, n = in.count(40); i < n; ++i) {
        c.entities.push_back(readEntity(in));
        check(c.entities.back());
    }
    if (in.remaining() != 0)
        throw FormatError("The clipboard content is damaged (unexpected data at its end).");
    return c;
}

} // namespace cad

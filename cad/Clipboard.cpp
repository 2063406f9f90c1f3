// Clipboard payloads of copied entities, framed like the drawing file.
#include "cad/Clipboard.h"

#include "cad/BlockNesting.h"
#include "cad/DrawingFile.h"
#include "cad/EntityCodec.h"

#include <set>
#include <tuple>

namespace quadrilo::cad {
namespace {

// Every block an insert reaches, each once: the drawing's blocks nest at most MaxBlockNesting
// deep, so the payload holds all of them and paste accepts what copy wrote.
void collectBlocks(const Drawing& d, const Entity& e, std::vector<BlockId>& order,
                   std::set<BlockId>& seen) {
    const auto* ins = std::get_if<InsertShape>(&e.shape);
    if (!ins || seen.count(ins->block) || !d.block(ins->block))
        return;
    seen.insert(ins->block);
    for (EntityId id = d.firstInBlock(ins->block); id; id = d.nextEntity(id))
        collectBlocks(d, *d.entity(id), order, seen);
    order.push_back(ins->block); // after the blocks it inserts
}

} // namespace

void MemoryClipboard::setData(const std::string& mimeType, std::vector<std::uint8_t> data) {
    m_mime = mimeType;
    m_data = std::move(data);
}

bool MemoryClipboard::hasFormat(const std::string& mimeType) const {
    return !m_mime.empty() && mimeType == m_mime;
}

std::vector<std::uint8_t> MemoryClipboard::data(const std::string& mimeType) const {
    return mimeType == m_mime ? m_data : std::vector<std::uint8_t>{};
}

bool clipboardHoldsEntities(const Clipboard& clipboard) {
    return clipboard.hasFormat(EntityClipboardMime);
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
        collectBlocks(d, *e, blocks, seenBlocks);
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
    beginFrame(out, ClipboardMagic, ClipboardFormatVersion);
    out.u32(static_cast<std::uint32_t>(layers.size()));
    for (LayerId id : layers)
        writeLayer(out, id, *d.layer(id));
    out.u32(static_cast<std::uint32_t>(dimStyles.size()));
    for (DimStyleId id : dimStyles)
        writeDimStyle(out, id, *d.dimStyle(id));
    out.u32(static_cast<std::uint32_t>(blocks.size()));
    for (BlockId b : blocks)
        writeBlock(out, d, b);
    out.u32(static_cast<std::uint32_t>(entities.size()));
    for (const Entity* e : entities)
        writeEntity(out, *e);
    sealFrame(out);
    return std::move(out.bytes());
}

ClipboardContent decodeEntities(const std::vector<std::uint8_t>& bytes) {
    const auto [at, size] = unframe(ClipboardMagic, ClipboardFormatVersion, bytes);
    ByteReader in(bytes.data() + at, size);
    ClipboardContent c;
    std::set<std::uint32_t> layerIds;
    std::set<std::uint32_t> blockIds;
    for (std::uint32_t i = 0, n = in.count(24); i < n; ++i) {
        auto [id, l] = readLayer(in);
        if (l.name.empty())
            throw FormatError("a layer without name");
        layerIds.insert(id);
        c.layers.emplace_back(id, std::move(l));
    }
    for (std::uint32_t i = 0, n = in.count(44); i < n; ++i) {
        c.dimStyles.push_back(readDimStyle(in));
    }
    auto check = [&](const Entity& e) {
        const auto* ins = std::get_if<InsertShape>(&e.shape);
        if (!layerIds.count(e.layer.value) || (ins && !blockIds.count(ins->block.value)))
            throw FormatError("a missing layer or block");
    };
    for (std::uint32_t i = 0, n = in.count(36); i < n; ++i) {
        ClipboardContent::StoredBlock b;
        std::tie(b.storedId, b.block) = readBlockHead(in);
        if (b.block.name.empty())
            throw FormatError("a block without name");
        if (blockIds.count(b.storedId))
            throw FormatError("a repeated block");
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
    BlockNesting nesting;
    for (const auto& b : c.blocks)
        for (const Entity& e : b.entities)
            if (const auto* ins = std::get_if<InsertShape>(&e.shape))
                nesting.addInsert(b.storedId, ins->block.value);
    if (const NestingVerdict v = nesting.verdict(); v != NestingVerdict::Fine)
        throw FormatError(nestingProblem(v));
    if (in.remaining() != 0)
        throw FormatError("unexpected data at its end");
    return c;
}

} // namespace quadrilo::cad

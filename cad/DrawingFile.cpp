// Reading and writing the ".vec" drawing file.
#include "cad/DrawingFile.h"

#include "cad/BlockNesting.h"
#include "cad/EntityCodec.h"
#include "common/AtomicFile.h"

#include <zlib.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace quadrilo::cad {
namespace {

std::uint32_t checksum(const std::uint8_t* data, std::size_t size) {
    // zlib's CRC-32 (the one of zip and PNG), fed in pieces its 32-bit length can take.
    uLong crc = ::crc32(0L, Z_NULL, 0);
    while (size > 0) {
        const auto piece = static_cast<uInt>(std::min<std::size_t>(size, 1u << 30));
        crc = ::crc32(crc, data, piece);
        data += piece;
        size -= piece;
    }
    return static_cast<std::uint32_t>(crc);
}

} // namespace

constexpr std::size_t FrameHeadSize = 8 + 4 + 8;

void beginFrame(ByteWriter& out, const char (&magic)[9], std::uint32_t version) {
    out.raw(magic, 8);
    out.u32(version);
    out.u64(0); // the payload size, filled in by sealFrame
}

void sealFrame(ByteWriter& out) {
    std::vector<std::uint8_t>& b = out.bytes();
    const std::uint64_t size = b.size() - FrameHeadSize;
    for (int i = 0; i < 8; ++i)
        b[12 + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(size >> (8 * i));
    out.u32(checksum(b.data(), b.size()));
}

std::vector<std::uint8_t> frame(const char (&magic)[9], std::uint32_t version,
                                const std::vector<std::uint8_t>& payload) {
    ByteWriter out;
    beginFrame(out, magic, version);
    out.raw(payload.data(), payload.size());
    sealFrame(out);
    return std::move(out.bytes());
}

std::uint64_t checkFrameHead(const char (&magic)[9], std::uint32_t version,
                             const std::vector<std::uint8_t>& head, std::uint64_t total) {
    if (head.size() < 8 || std::memcmp(head.data(), magic, 8) != 0)
        throw FormatError("unknown header", FileError::NotADrawing);
    if (total < FrameHeadSize + 4 || head.size() < FrameHeadSize)
        throw FormatError("shorter than its header", FileError::Truncated);
    ByteReader header(head.data() + 8, FrameHeadSize - 8);
    const std::uint32_t stored = header.u32();
    if (stored == 0 || stored > version)
        throw FormatError(std::to_string(stored), FileError::NewerVersion);
    const std::uint64_t size = header.u64();
    if (size > total - FrameHeadSize - 4)
        throw FormatError("shorter than its stated size", FileError::Truncated);
    if (size != total - FrameHeadSize - 4)
        throw FormatError("unexpected data after its end");
    return size;
}

std::pair<std::size_t, std::size_t> unframe(const char (&magic)[9], std::uint32_t version,
                                            const std::vector<std::uint8_t>& bytes) {
    const std::uint64_t size = checkFrameHead(magic, version, bytes, bytes.size());
    ByteReader tail(bytes.data() + FrameHeadSize + size, 4);
    if (tail.u32() != checksum(bytes.data(), FrameHeadSize + size))
        throw FormatError("checksum mismatch");
    return {FrameHeadSize, static_cast<std::size_t>(size)};
}

// Builds a drawing from the stored tables without undo records, checking every reference.
class DrawingLoader {
public:
    static void encode(const Drawing& d, ByteWriter& out) {
        std::size_t entities = 64;
        for (LayerId id : d.m_layerOrder)
            entities += d.layerCount(id);
        out.bytes().reserve(out.bytes().size() + 256 * entities);
        out.u32(d.m_nextId);
        for (std::uint32_t rgb : d.m_data.palette)
            out.u32(rgb);
        out.blob(d.m_data.exData);
        const DrawingSettings& s = d.m_settings;
        out.u32(s.currentLayer.value);
        out.u32(s.currentMlineStyle.value);
        out.u32(s.currentDimStyle.value);
        out.str(s.pointStyle);
        out.i32(s.pointMode);
        out.f64(s.pointSize);
        out.f64(s.textHeight);
        out.point(s.view.centre);
        out.f64(s.view.height);
        out.f64(s.view.angleHor);
        out.f64(s.view.angleVer);

        out.u32(static_cast<std::uint32_t>(d.m_layerOrder.size()));
        for (LayerId id : d.m_layerOrder)
            writeLayer(out, id, *d.layer(id));

        out.u32(static_cast<std::uint32_t>(d.m_mlineStyleNames.size()));
        for (std::uint32_t i = 1; i < d.m_mlineStyles.size(); ++i) {
            if (const MlineStyle* m = d.m_mlineStyles[i].get()) {
                out.u32(i);
                out.str(m->name);
                out.i32(m->drawMode);
                writeMlineLines(out, m->lines);
            }
        }
        out.u32(static_cast<std::uint32_t>(d.m_dimStyleNames.size()));
        for (std::uint32_t i = 1; i < d.m_dimStyles.size(); ++i)
            if (const DimStyle* m = d.m_dimStyles[i].get())
                writeDimStyle(out, DimStyleId(i), *m);
        const std::vector<BlockId> blocks = d.blocks();
        out.u32(static_cast<std::uint32_t>(blocks.size()));
        for (BlockId id : blocks)
            writeBlock(out, d, id);
        for (LayerId id : d.m_layerOrder) {
            out.u32(static_cast<std::uint32_t>(d.layerCount(id)));
            for (EntityId e = d.firstInLayer(id); e; e = d.nextEntity(e))
                writeEntity(out, *d.entity(e));
        }
    }

    static std::unique_ptr<Drawing> decode(ByteReader& in) {
        auto d = std::make_unique<Drawing>();
        reset(*d);
        d->m_nextId = in.u32();
        if (d->m_nextId == 0 || d->m_nextId > MaxNextEntityId)
            throw FormatError("invalid next entity id");
        for (std::uint32_t& rgb : d->m_data.palette)
            rgb = in.u32() & 0xFFFFFF;
        d->m_data.exData = in.blob();
        DrawingSettings& s = d->m_settings;
        s.currentLayer = LayerId(in.u32());
        s.currentMlineStyle = MlineStyleId(in.u32());
        s.currentDimStyle = DimStyleId(in.u32());
        s.pointStyle = in.str();
        s.pointMode = in.i32();
        s.pointSize = in.f64();
        s.textHeight = in.f64();
        s.view.centre = in.point();
        s.view.height = in.f64();
        s.view.angleHor = in.f64();
        s.view.angleVer = in.f64();

        const std::uint32_t layers = in.count(24);
        if (layers == 0)
            throw FormatError("the drawing has no layer");
        for (std::uint32_t i = 0; i < layers; ++i) {
            auto [id, l] = readLayer(in);
            put(d->m_layers, d->m_layerNames, id, std::move(l), "layer");
            d->m_layerLists.resize(d->m_layers.size());
            d->m_layerOrder.emplace_back(id);
        }
        for (std::uint32_t i = 0, n = in.count(12); i < n; ++i) {
            const std::uint32_t id = in.u32();
            MlineStyle m;
            m.name = in.str();
            m.drawMode = in.i32();
            m.lines = readMlineLines(in);
            put(d->m_mlineStyles, d->m_mlineStyleNames, id, std::move(m), "multiline style");
        }
        for (std::uint32_t i = 0, n = in.count(44); i < n; ++i) {
            auto [id, m] = readDimStyle(in);
            put(d->m_dimStyles, d->m_dimStyleNames, id, std::move(m), "dimension style");
        }
        std::vector<Entity> blockEntities;
        for (std::uint32_t i = 0, n = in.count(36); i < n; ++i) {
            auto [id, b] = readBlockHead(in);
            put(d->m_blocks, d->m_blockNames, id, std::move(b), "block");
            d->m_blockLists.resize(d->m_blocks.size());
            for (std::uint32_t k = 0, m = in.count(40); k < m; ++k) {
                blockEntities.push_back(readEntity(in));
                if (blockEntities.back().owner != BlockId(id))
                    throw FormatError("a block entity names another block");
            }
        }
        // Block contents are placed once every block is known (an insert may name a block
        // stored after its own) and known to nest soundly.
        BlockNesting nesting;
        for (const Entity& e : blockEntities)
            if (const auto* ins = std::get_if<InsertShape>(&e.shape))
                nesting.addInsert(e.owner.value, ins->block.value);
        if (const NestingVerdict v = nesting.verdict(); v != NestingVerdict::Fine)
            throw FormatError(nestingProblem(v));
        for (Entity& e : blockEntities)
            place(*d, std::move(e));
        for (LayerId layer : std::vector<LayerId>(d->m_layerOrder)) {
            for (std::uint32_t k = 0, m = in.count(40); k < m; ++k) {
                Entity e = readEntity(in);
                if (e.layer != layer || e.owner)
                    throw FormatError("an entity is stored under the wrong layer");
                place(*d, std::move(e));
            }
        }
        if (in.remaining() != 0)
            throw FormatError("unexpected data after the entities");
        if (!d->layer(s.currentLayer))
            s.currentLayer = d->m_layerOrder.front();
        if (!d->mlineStyle(s.currentMlineStyle))
            s.currentMlineStyle = MlineStyleId();
        if (!d->dimStyle(s.currentDimStyle))
            s.currentDimStyle = DimStyleId();
        d->m_indexStale = true;
        d->m_dirty = false;
        return d;
    }

private:
    static void reset(Drawing& d) {
        d.m_entities.clear();
        d.m_links.clear();
        d.m_layers.clear();
        d.m_layers.resize(1);
        d.m_layerLists.assign(1, {});
        d.m_layerOrder.clear();
        d.m_layerNames.clear();
        d.m_blocks.clear();
        d.m_blocks.resize(1);
        d.m_blockLists.assign(1, {});
        d.m_blockInserts.clear();
        d.m_blockNames.clear();
        d.m_mlineStyles.clear();
        d.m_mlineStyles.resize(1);
        d.m_mlineStyleNames.clear();
        d.m_dimStyles.clear();
        d.m_dimStyles.resize(1);
        d.m_dimStyleNames.clear();
        d.clearUndo();
    }

    template <class T>
    static void put(std::vector<std::unique_ptr<T>>& table,
                    std::unordered_map<std::string, std::uint32_t>& names, std::uint32_t id,
                    T&& value, const char* what) {
        // Ids stay below a bound that keeps a damaged count from allocating without limit.
        if (id == 0 || id > (1u << 20) || (id < table.size() && table[id]))
            throw FormatError(std::string("invalid ") + what + " id");
        if (value.name.empty() || names.count(value.name))
            throw FormatError(std::string("duplicate or empty ") + what + " name");
        if (id >= table.size())
            table.resize(id + 1);
        names[value.name] = id;
        table[id] = std::make_unique<T>(std::move(value));
    }

    static void place(Drawing& d, Entity&& e) {
        const std::uint32_t id = e.id.value;
        if (id == 0 || id >= d.m_nextId || d.entity(EntityId(id)))
            throw FormatError("invalid or repeated entity id");
        if (!d.layer(e.layer))
            throw FormatError("an entity names a missing layer");
        if (const auto* ins = std::get_if<InsertShape>(&e.shape); ins && !d.block(ins->block))
            throw FormatError("an insert names a missing block");
        EntityPtr& slot = d.m_entities.at(id);
        slot = ownEntity(std::move(e));
        d.append(*slot);
        d.countInsert(*slot, +1);
    }
};

std::vector<std::uint8_t> encodeDrawing(const Drawing& drawing) {
    ByteWriter out;
    beginFrame(out, DrawingFileMagic, DrawingFormatVersion);
    DrawingLoader::encode(drawing, out);
    sealFrame(out);
    return std::move(out.bytes());
}

namespace {

OpenResult refused(const FormatError& e) {
    return {nullptr, FileResult{e.kind(), {}, e.what()}};
}

OpenResult outOfMemory() {
    return {nullptr, FileResult{FileError::Damaged, {}, "it asks for more memory than there is"}};
}

} // namespace

OpenResult decodeDrawing(const std::vector<std::uint8_t>& bytes) {
    try {
        const auto [at, size] = unframe(DrawingFileMagic, DrawingFormatVersion, bytes);
        ByteReader in(bytes.data() + at, size);
        return {DrawingLoader::decode(in), {}};
    } catch (const FormatError& e) {
        return refused(e);
    } catch (const std::bad_alloc&) {
        return outOfMemory();
    }
}

FileResult saveDrawing(const Drawing& drawing, const std::string& path) {
    try {
        ReplaceFileContents(path, encodeDrawing(drawing), KeepBackup::Yes);
        return {FileError::None, path, {}};
    } catch (const FileWriteError& e) {
        return {FileError::CannotWrite, path, e.code().message()};
    }
}

FileResult checkRegularFile(const std::string& path) {
    // A folder or a device opens as a stream too, with no size worth believing.
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (error)
        return {FileError::CannotOpen, path, error.message()};
    if (!std::filesystem::is_regular_file(status))
        return {FileError::CannotOpen, path, "not a regular file"};
    return {FileError::None, path, {}};
}

namespace {

// The file's bytes, its frame's head checked before the rest is read: a file of another kind
// or one that is not the size it states costs no more than its head.
OpenResult readFramed(std::ifstream& file, std::uint64_t total) {
    std::vector<std::uint8_t> bytes(std::min<std::uint64_t>(total, FrameHeadSize));
    if (!file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size())))
        return {nullptr, FileResult{FileError::CannotOpen, {}, "read error"}};
    try {
        checkFrameHead(DrawingFileMagic, DrawingFormatVersion, bytes, total);
        bytes.resize(static_cast<std::size_t>(total));
    } catch (const FormatError& e) {
        return refused(e);
    } catch (const std::bad_alloc&) {
        return outOfMemory();
    }
    const auto rest = static_cast<std::streamsize>(total - FrameHeadSize);
    if (!file.read(reinterpret_cast<char*>(bytes.data() + FrameHeadSize), rest))
        return {nullptr, FileResult{FileError::CannotOpen, {}, "read error"}};
    return decodeDrawing(bytes);
}

} // namespace

OpenResult openDrawing(const std::string& path) {
    if (FileResult check = checkRegularFile(path); !check)
        return {nullptr, std::move(check)};
    std::ifstream file(path, std::ios::binary);
    std::error_code error;
    const std::uintmax_t total = std::filesystem::file_size(path, error);
    if (!file || error)
        return {nullptr, FileResult{FileError::CannotOpen, path,
                                    error ? error.message() : std::strerror(errno)}};
    OpenResult result = readFramed(file, total);
    result.status.path = path;
    return result;
}

} // namespace quadrilo::cad

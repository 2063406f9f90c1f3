// The clipboard as the engine sees it: byte payloads under MIME types. The GUI plugs the
// system clipboard in (cad/canvas/SystemClipboard.h); tests and headless use take the
// in-memory one.
#pragma once

#include "cad/Drawing.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quadrilo::cad {

// Our format for copied entities (kind codes, extended data, layers and blocks included).
inline constexpr const char* EntityClipboardMime = "application/x-quadrilo-cadbox6";
// The frame of that payload: its magic and version.
inline constexpr char ClipboardMagic[9] = "QDRLCLIP";
inline constexpr std::uint32_t ClipboardFormatVersion = 1;

class Clipboard {
public:
    virtual ~Clipboard() = default;
    // Replaces the clipboard's content by one payload.
    virtual void setData(const std::string& mimeType, std::vector<std::uint8_t> data) = 0;
    // Whether the content is offered in that format. Asked by name: the system clipboard lists
    // its formats in no fixed order.
    virtual bool hasFormat(const std::string& mimeType) const = 0;
    virtual std::vector<std::uint8_t> data(const std::string& mimeType) const = 0;
};

class MemoryClipboard : public Clipboard {
public:
    void setData(const std::string& mimeType, std::vector<std::uint8_t> data) override;
    bool hasFormat(const std::string& mimeType) const override;
    std::vector<std::uint8_t> data(const std::string& mimeType) const override;

private:
    std::string m_mime;
    std::vector<std::uint8_t> m_data;
};

// True when the clipboard holds copied entities in our format.
bool clipboardHoldsEntities(const Clipboard& clipboard);

// Payload of the given entities of a drawing, with the layers and blocks they use.
std::vector<std::uint8_t> encodeEntities(const Drawing& drawing, const std::vector<EntityId>& ids);

// Decoded payload, ready to be added to a drawing.
struct ClipboardContent {
    std::vector<std::pair<std::uint32_t, Layer>> layers; // stored id, layer
    struct StoredBlock {
        Block block;
        std::uint32_t storedId = 0;
        std::vector<Entity> entities;
    };
    std::vector<StoredBlock> blocks; // inner blocks before the blocks that insert them
    std::vector<std::pair<std::uint32_t, DimStyle>> dimStyles; // stored id, style
    std::vector<Entity> entities;
};
// Throws FormatError naming what is wrong with a foreign or damaged payload.
ClipboardContent decodeEntities(const std::vector<std::uint8_t>& bytes);

} // namespace quadrilo::cad

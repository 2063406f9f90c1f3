// The engine's clipboard over the system clipboard, so that copied entities travel between
// programs and survive the drawing being closed.
#pragma once

#include "cad/Clipboard.h"

namespace quadrilo::cad::canvas {

class SystemClipboard : public Clipboard {
public:
    void setData(const std::string& mimeType, std::vector<std::uint8_t> data) override;
    bool hasFormat(const std::string& mimeType) const override;
    std::vector<std::uint8_t> data(const std::string& mimeType) const override;
};

} // namespace quadrilo::cad::canvas

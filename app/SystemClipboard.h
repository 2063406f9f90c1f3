// The desktop's clipboard as the CAD engine sees it.
#pragma once

#include "cad/Clipboard.h"

namespace quadrilo::app {

// The desktop's clipboard as the CAD engine sees it: copied entities travel under the engine's own
// MIME type, so that another Quadrilo recognises them.
class SystemClipboard : public cad::Clipboard {
public:
    void setData(const std::string& mimeType, std::vector<std::uint8_t> data) override;
    std::vector<std::string> formats() const override;
    std::vector<std::uint8_t> data(const std::string& mimeType) const override;
};

} // namespace quadrilo::app

// The drawing formats a document reads and writes, chosen by the file name's extension
// (compared without regard to letter case). ".vec" is built in; other readers and writers
// (DXF, DWG) are added by the application.
#pragma once

#include "cad/DrawingFile.h"

#include <functional>
#include <map>
#include <string>

namespace quadrilo::cad {

struct DrawingFormat {
    std::function<OpenResult(const std::string& path)> read;                  // may be empty
    std::function<FileResult(const Drawing&, const std::string& path)> write; // may be empty
};

class DrawingFormats {
public:
    DrawingFormats();
    // Adds or replaces the format of an extension written with its dot (".dxf").
    void add(const std::string& extension, DrawingFormat format);
    // The format of the path's extension, or null.
    [[nodiscard]] const DrawingFormat* forPath(const std::string& path) const;

private:
    std::map<std::string, DrawingFormat> m_formats; // by lower-case extension
};

} // namespace quadrilo::cad

// The engine's DXF and DWG formats over the DXF reader and writer.
#include "cad/dxf/DxfFormats.h"

#include "cad/dxf/DwgSupport.h"
#include "cad/dxf/DxfExport.h"
#include "cad/dxf/DxfImport.h"

namespace quadrilo::dxf {
namespace {

cad::FileResult refused(const std::string& path, std::string_view why) {
    return {cad::FileError::Refused, path, std::string(why)};
}

cad::OpenResult readDxf(const std::string& path) {
    DxfReadResult read = ReadDxfFile(path);
    if (!read.drawing)
        return {nullptr, refused(path, read.error)};
    return {std::move(read.drawing), {cad::FileError::None, path, {}}};
}

cad::FileResult writeDxf(const cad::Drawing& drawing, const std::string& path) {
    const DxfExportResult written = WriteDxfFile(drawing, path);
    return written.ok ? cad::FileResult{cad::FileError::None, path, {}}
                      : refused(path, written.error);
}

} // namespace

void AddDxfFormats(cad::DrawingFormats& formats) {
    formats.add(".dxf", cad::DrawingFormat{readDxf, writeDxf});
    formats.add(".dwg",
                cad::DrawingFormat{
                    [](const std::string& path) {
                        return cad::OpenResult{nullptr, refused(path, DwgOpenRefusal)};
                    },
                    [](const cad::Drawing&, const std::string& path) {
                        return refused(path, DwgExportRefusal);
                    }});
}

} // namespace quadrilo::dxf

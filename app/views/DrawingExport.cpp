// Writes the drawing to another file.
#include "app/views/DrawingExport.h"

#include "app/drawing/CadSession.h"

#include "cad/canvas/CadCanvas.h"
#include "cad/canvas/Renderer.h"

#include <cmath>

namespace quadrilo::app {
namespace {

QString rasterizeFailure(cad::canvas::RasterizeResult result, const QString& path,
                         const cad::Extent& area, double scale) {
    using cad::canvas::RasterizeResult;
    switch (result) {
    case RasterizeResult::BadArea:
        return QStringLiteral("a área visível do desenho está vazia.");
    case RasterizeResult::TooLarge:
        return QStringLiteral("a imagem de %1 x %2 pixels seria grande demais; diminua a altura "
                              "da área visível.")
            .arg(BitmapWidthPixels)
            .arg(std::round((area.maxY - area.minY) * scale));
    case RasterizeResult::CannotWrite:
        return QStringLiteral("não foi possível gravar o arquivo %1.").arg(path);
    case RasterizeResult::Written:
        break;
    }
    return {};
}

QString exportBitmap(CadSession& cad, cad::canvas::CadCanvas& canvas, const QString& path) {
    const cad::Extent area = canvas.view().visibleExtent();
    const double scale = BitmapScale(area);
    if (!std::isfinite(scale) || scale <= 0.0)
        return rasterizeFailure(cad::canvas::RasterizeResult::BadArea, path, area, scale);
    return rasterizeFailure(cad::canvas::rasterize(cad.drawing(), path.toStdString(), area, scale,
                                                   canvas.renderStyle()),
                            path, area, scale);
}

} // namespace

QString ExportDrawing(CadSession& cad, cad::canvas::CadCanvas& canvas, const QString& path,
                      ExportType type) {
    if (type == ExportType::Bitmap)
        return exportBitmap(cad, canvas, path);
    // ".dxf" through the DXF writer, ".dwg" refused with the way round it, ".vec" the drawing.
    return cad.describe(cad.document().saveCopy(path.toStdString()));
}

} // namespace quadrilo::app

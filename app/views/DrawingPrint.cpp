// Prints what the drawing window shows.
#include "app/views/DrawingPrint.h"

#include "cad/canvas/Renderer.h"

#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace quadrilo::app {
namespace {

constexpr double MillimetresPerInch = 25.4;
constexpr double MillimetresPerUnit = 10.0; // the drawing is in centimetres

} // namespace

cad::canvas::ViewTransform PageView(const cad::canvas::ViewTransform& window,
                                    const QSizeF& pagePixels, double dotsPerInch,
                                    const PrintScale& scale) {
    cad::canvas::ViewTransform page = window;
    page.setViewport(pagePixels);
    const QSizeF shown = window.viewport();
    const double fit =
        std::min(pagePixels.width() / shown.width(), pagePixels.height() / shown.height());
    page.setPixelsPerUnit(scale.fitToPage ? window.pixelsPerUnit() * fit
                                          : dotsPerInch / MillimetresPerInch * MillimetresPerUnit /
                                                scale.denominator);
    return page;
}

cad::canvas::RenderStyle PaperStyle(const cad::canvas::RenderStyle& canvas, double dotsPerInch) {
    cad::canvas::RenderStyle paper = canvas;
    paper.background = Qt::white;
    paper.contrastInk = true;
    paper.dotsPerInch = dotsPerInch;
    paper.showGrid = false;
    return paper;
}

bool PrintDrawing(QPrinter& printer, cad::Drawing& drawing,
                  const cad::canvas::ViewTransform& window,
                  const cad::canvas::RenderStyle& canvasStyle, const PrintScale& scale) {
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const double dpi = printer.resolution();
    // The painter starts at the printable area's corner.
    const QSizeF page = printer.pageLayout().paintRectPixels(printer.resolution()).size();
    const cad::canvas::ViewTransform view = PageView(window, page, dpi, scale);
    painter.setClipRect(QRectF(QPointF(0, 0), page));
    cad::canvas::Renderer(drawing, view, PaperStyle(canvasStyle, dpi))
        .draw(painter, cad::canvas::entitiesToDraw(drawing, view), nullptr);
    return painter.end();
}

} // namespace quadrilo::app

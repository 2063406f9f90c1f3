// Printing: to PDF through the print dialog, at a scale with its worked length on paper, and the
// print preview of the drawing.
#include "app/AppFixture.h"

#include "app/drawing/DrawingWindow.h"
#include "app/views/ViewTools.h"

#include "cad/canvas/CadCanvas.h"

#include <QFileInfo>
#include <QImage>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>

namespace quadrilo::app::test {
namespace {

class Print : public AppFixture {
protected:
    cad::canvas::CadCanvas& canvas() { return window->drawingWindow()->canvas(); }
    QPrinter& printer() { return window->views().printer(); }

    // A white line 100 cm long, far from the axes, in the middle of the window.
    void drawLine() {
        {
            cad::Transaction tx(drawing());
            (void)tx.add(
                cad::Entity{.color = 7, .shape = cad::LineShape{{1000, 1000, 0}, {1100, 1000, 0}}});
        }
        cad::canvas::ViewTransform& view = canvas().view();
        view.setCentre({1050, 1000, 0});
        view.setPixelsPerUnit(view.viewport().width() / 200.0);
        canvas().commitView();
    }
    void printToPdf(const QString& path) {
        printer().setOutputFormat(QPrinter::PdfFormat);
        printer().setOutputFileName(path);
        printer().setPageSize(QPageSize(QPageSize::A4));
        printer().setPageOrientation(QPageLayout::Portrait);
    }
    // The first page of the PDF at 10 pixels per millimetre; null when pdftoppm is missing.
    QImage firstPage(const QString& pdf) {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
            return {};
        const QString stem = temp.filePath(QStringLiteral("pagina"));
        QProcess::execute(QStringLiteral("pdftoppm"),
                          {QStringLiteral("-r"), QStringLiteral("254"), QStringLiteral("-f"),
                           QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"),
                           QStringLiteral("-singlefile"), QStringLiteral("-png"), pdf, stem});
        return QImage(stem + QStringLiteral(".png"));
    }
    // The widest run of dark pixels along a row, in pixels.
    static int longestDarkRun(const QImage& page) {
        int longest = 0;
        for (int y = 0; y < page.height(); ++y) {
            int first = -1, last = -1;
            for (int x = 0; x < page.width(); ++x)
                if (page.pixelColor(x, y).lightness() < 100) {
                    first = first < 0 ? x : first;
                    last = x;
                }
            if (first >= 0)
                longest = std::max(longest, last - first + 1);
        }
        return longest;
    }
    template <class Dialog> Dialog* shown(const char* name) {
        QCoreApplication::processEvents();
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->objectName() == QLatin1String(name) && top->isVisible())
                return qobject_cast<Dialog*>(top);
        return nullptr;
    }
};

TEST_F(Print, ThePrintDialogPrintsTheDrawingToAPdfInInkThatShowsOnPaper) {
    drawLine();
    const QString pdf = temp.filePath(QStringLiteral("planta.pdf"));
    printToPdf(pdf);
    trigger("actPrint");
    auto* dialog = shown<QPrintDialog>("dlgPrint");
    ASSERT_NE(dialog, nullptr);
    dialog->accept();
    QCoreApplication::processEvents();
    ASSERT_GT(QFileInfo(pdf).size(), 0);
    const QImage page = firstPage(pdf);
    if (page.isNull())
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    // Fitted to the page: the 200-unit window fills the page's printable width, so the white
    // line prints black over half of it.
    const int run = longestDarkRun(page);
    EXPECT_GT(run, page.width() * 0.4);
    EXPECT_LT(run, page.width() * 0.55);
}

TEST_F(Print, AtAScaleTheLineHasItsLengthOnPaper) {
    drawLine();
    const QString pdf = temp.filePath(QStringLiteral("escala.pdf"));
    printToPdf(pdf);
    // 100 cm at 1:50 are 20 mm: 200 pixels at 10 per millimetre, and the pen's square caps.
    ASSERT_TRUE(PrintDrawing(printer(), drawing(), canvas().view(), canvas().renderStyle(),
                             PrintScale{false, 50.0}));
    const QImage page = firstPage(pdf);
    if (page.isNull())
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    EXPECT_NEAR(longestDarkRun(page), 200, 5);
}

TEST_F(Print, ThePreviewShowsOnePageOfTheDrawing) {
    drawLine();
    trigger("actPrintPreview");
    auto* dialog = shown<QPrintPreviewDialog>("dlgPrintPreview");
    ASSERT_NE(dialog, nullptr);
    auto* preview = dialog->findChild<QPrintPreviewWidget*>();
    ASSERT_NE(preview, nullptr);
    preview->updatePreview();
    EXPECT_EQ(preview->pageCount(), 1);
    EXPECT_NE(dialog->findChild<QWidget*>(QStringLiteral("spnEscala")), nullptr)
        << "the scale is chosen in the preview's tool bar";
    dialog->reject();
}

TEST_F(Print, APrinterFailingToStartIsLoggedAsAnError) {
    printer().setOutputFormat(QPrinter::PdfFormat);
    printer().setOutputFileName(temp.filePath(QStringLiteral("nao-existe/planta.pdf")));
    trigger("actPrint");
    auto* dialog = shown<QPrintDialog>("dlgPrint");
    ASSERT_NE(dialog, nullptr);
    dialog->accept();
    QCoreApplication::processEvents();
    EXPECT_TRUE(log().last().startsWith(QStringLiteral("Erro: "))) << log().last().toStdString();
}

} // namespace
} // namespace quadrilo::app::test

// The main window's drawing tools, views, printing and export.
#include "app/views/ViewTools.h"

#include "app/ProgramState.h"
#include "app/drawing/DrawingLayers.h"
#include "app/drawing/DrawingWindow.h"
#include "app/projectdata/ProjectDataEditor.h"
#include "app/prompts/UserPrompts.h"
#include "app/views/DrawingExport.h"
#include "app/views/PrintScaleEditor.h"
#include "app/views/ToolCommands.h"
#include "app/window/TfrmMain.h"

#include "cad/Document.h"
#include "cad/canvas/CadCanvas.h"
#include "cad/canvas/CanvasDialogs.h"
#include "common/Format.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTimer>
#include <QToolBar>

namespace quadrilo::app {
namespace {

constexpr int PaletteSize = 256;

} // namespace

ViewTools::ViewTools(TfrmMain& window)
    : m_window(window), m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    CadSession& cad = m_window.state().cad;
    // The engine's printing commands open their dialogs once the command has ended.
    const auto printing = [this](void (ViewTools::*dialog)()) {
        return [this, dialog] { later([this, dialog] { (this->*dialog)(); }); };
    };
    m_commands.push_back(
        cad.addImmediateCommand(CmdPrintSetupAndPrint, "PLOT", printing(&ViewTools::printAll)));
    m_commands.push_back(
        cad.addImmediateCommand(CmdPrint, "IMPRIMIR", printing(&ViewTools::printAll)));
    m_commands.push_back(
        cad.addImmediateCommand(CmdPrintPreview, "PREVIEW", printing(&ViewTools::printPreview)));
    connectActions();
    connect(&m_window, &TfrmMain::startUpFinished, this, &ViewTools::connectCanvas);
}

ViewTools::~ViewTools() {
    for (const QPointer<QDialog>& dialog : m_dialogs)
        delete dialog.data();
}

template <class Dialog> Dialog* ViewTools::printDialog(const char* name, const QString& title) {
    auto* dialog = new Dialog(m_printer.get(), &m_window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setObjectName(QLatin1String(name));
    if (!title.isEmpty())
        dialog->setWindowTitle(title);
    std::erase_if(m_dialogs, [](const QPointer<QDialog>& gone) { return gone.isNull(); });
    m_dialogs.emplace_back(dialog);
    return dialog;
}

void ViewTools::later(std::function<void()> work) {
    QTimer::singleShot(0, this, [this, work = std::move(work)] { m_window.guarded(work); });
}

void ViewTools::whenAccepted(QDialog& dialog, std::function<void()> work) {
    // After the dialog has closed: a dialog that deletes itself may go while its own signal runs.
    connect(&dialog, &QDialog::accepted, this, [this, work = std::move(work)] { later(work); });
}

void ViewTools::connectActions() {
    const MainActions& actions = m_window.actions();
    const auto on = [this, &actions](const char* name, std::function<void()> work) {
        QAction* action = actions[name];
        action->setEnabled(true);
        connect(action, &QAction::triggered, this,
                [this, work = std::move(work)] { m_window.guarded(work); });
    };
    for (const ToolCommand& tool : ToolCommands)
        on(tool.action, [this, tool] { runCommand(tool.layer, tool.command); });
    for (const StandardView& view : StandardViews)
        on(view.action, [this, view] { showStandardView(view.command); });
    on("mnuCopiar", [this] { copySelection(); });
    on("mnuColar", [this] { runCommand(nullptr, cad::CmdPaste); });
    on("mnuApagar", [this] { eraseSelection(); });
    on("actPrintSetup", [this] { printSetup(); });
    on("actSaveExport", [this] { exportWithDialog(); });
}

void ViewTools::connectCanvas() {
    connect(&m_window.drawingWindow()->canvas(), &cad::canvas::CadCanvas::dialogApplied, this,
            [this](int command) {
                if (command == cad::canvas::CmdLayerDialog)
                    m_window.guarded([this] { afterLayerDialog(); });
            });
}

// ---------------------------------------------------------------- tools and views

void ViewTools::runCommand(const char* layer, int command) {
    if (layer)
        m_window.SetCurrentLayer(QString::fromUtf8(layer));
    if (DrawingWindow* drawing = m_window.drawingWindow())
        drawing->execute(command);
}

void ViewTools::showStandardView(int command) {
    runCommand(nullptr, command);
    // The rotation buttons are for every view but the plan seen from above or below; the same
    // rule holds when a document opens.
    m_window.setViewToolBarVisible(!m_window.state().cad.viewFromTopOrBottom());
}

void ViewTools::copySelection() {
    if (m_window.state().cad.selectionCount() == 0) {
        m_window.LogMessage(QStringLiteral("Selecione as entidades a serem copiadas...."));
        return;
    }
    runCommand(nullptr, cad::CmdCopy);
}

void ViewTools::eraseSelection() {
    (void)m_window.state().cad.eraseSelection();
    m_window.RefreshView();
}

void ViewTools::afterLayerDialog() {
    // The layer of the deformed grillage may have taken another colour: the swatch and the
    // project record follow it.
    CadSession& cad = m_window.state().cad;
    const std::optional<int> index = cad.layerColor(QString::fromUtf8(LayerDeformed));
    if (!index || *index < 0 || *index >= PaletteSize)
        return;
    const std::uint32_t color = cad.paletteColor(*index);
    m_window.state().project.DefColor = color;
    m_window.projectData().showDeformedColor(color);
    (void)m_window.storeProjectData();
}

// ---------------------------------------------------------------- printing

void ViewTools::printSetup() {
    auto* dialog =
        printDialog<QPrintDialog>("dlgPrintSetup", QStringLiteral("Selecionar Impressora"));
    whenAccepted(*dialog, [this] {
        if (!m_printer->isValid())
            (void)m_window.prompts().ask(
                MessageRequest::error(QStringLiteral("Erro de setup de impressão.")));
    });
    m_window.prompts().showModal(*dialog);
}

void ViewTools::printAll() {
    const QFileInfo document(m_window.documents().currentFileName());
    m_printer->setDocName(document.fileName());
    // Printing to PDF proposes the document's name in the drawings' folder.
    if (m_printer->outputFormat() == QPrinter::PdfFormat && m_printer->outputFileName().isEmpty())
        m_printer->setOutputFileName(
            QDir(m_window.state().cad.defaultDir())
                .filePath(document.completeBaseName() + QStringLiteral(".pdf")));
    auto* dialog = printDialog<QPrintDialog>("dlgPrint", {});
    dialog->setOptionTabs({new PrintScaleEditor(m_scale)});
    whenAccepted(*dialog, [this] { print(); });
    m_window.prompts().showModal(*dialog);
}

void ViewTools::printPreview() {
    auto* dialog =
        printDialog<QPrintPreviewDialog>("dlgPrintPreview", QStringLiteral("Previsualizar"));
    connect(dialog, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* printer) {
        if (DrawingWindow* drawing = m_window.drawingWindow())
            (void)PrintDrawing(*printer, m_window.state().cad.drawing(), drawing->canvas().view(),
                               drawing->canvas().renderStyle(), m_scale);
    });
    // Wide enough for its tool bar, where the scale goes; a change shows at once.
    dialog->resize(m_window.size() * 0.9);
    auto* preview = dialog->findChild<QPrintPreviewWidget*>();
    if (auto* bar = dialog->findChild<QToolBar*>(); bar && preview) {
        auto* scale = new PrintScaleEditor(m_scale, bar);
        bar->addWidget(scale);
        connect(scale, &PrintScaleEditor::scaleChanged, preview,
                &QPrintPreviewWidget::updatePreview);
    }
    m_window.prompts().showModal(*dialog);
}

void ViewTools::print() {
    DrawingWindow* drawing = m_window.drawingWindow();
    if (!drawing)
        return;
    if (!PrintDrawing(*m_printer, m_window.state().cad.drawing(), drawing->canvas().view(),
                      drawing->canvas().renderStyle(), m_scale)) {
        const QString target = m_printer->outputFileName().isEmpty() ? m_printer->printerName()
                                                                     : m_printer->outputFileName();
        m_window.LogMessage(QStringLiteral("Erro: não foi possível imprimir em %1.").arg(target));
    }
}

// ---------------------------------------------------------------- export

void ViewTools::exportWithDialog() {
    int filter = -1;
    const QString proposed = QFileInfo(m_window.documents().currentFileName()).completeBaseName();
    const std::optional<QString> chosen = m_window.prompts().askFile(
        {true, m_window.state().cad.defaultDir(), ExportDialogFilter(), proposed, &filter});
    if (!chosen)
        return;
    (void)exportDrawing(*chosen, filter >= 0 ? ExportTypeAt(filter) : ExportTypeOfName(*chosen));
}

bool ViewTools::exportDrawing(const QString& chosen, ExportType type) {
    // An exported ".vec" carries the project record as the editors show it.
    if (!m_window.storeProjectData())
        return false;
    DrawingWindow* drawing = m_window.drawingWindow();
    if (!drawing)
        return false;
    const QString path = ExportFileName(chosen, type);
    const QString error = ExportDrawing(m_window.state().cad, drawing->canvas(), path, type);
    if (!error.isEmpty()) {
        m_window.LogMessage(QStringLiteral("Erro: ") + error);
        return false;
    }
    m_window.LogMessage(
        QString::fromStdString(Format("Arquivo: %s exportado para: %s.", path.toStdString(),
                                      ExportExtension(type).toStdString())));
    return true;
}

} // namespace quadrilo::app

// The main window's drawing tools, views, printing and export, wired to its actions.
#pragma once

#include "app/views/DrawingPrint.h"
#include "app/views/ExportNames.h"

#include "cad/Signal.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <vector>

class QDialog;
class QPrinter;

namespace quadrilo::app {

class TfrmMain;

// The main window's general tools: the drawing tools and dialogs that make their layer current
// and start an engine command, the standard views with the `ToolBar2` rule, "Copiar", "Colar" and
// "Apagar", the layer dialog's follow-up, printing (commands 901-903) and the export.
class ViewTools : public QObject {
    Q_OBJECT
public:
    explicit ViewTools(TfrmMain& window);
    ~ViewTools() override;

    // "Exportar": the export dialog, then the export under the name it gives.
    void exportWithDialog();
    // The export under a name chosen for the type: the name takes the type's extension, the
    // project record is stored first, the outcome is logged. False when nothing was written.
    bool exportDrawing(const QString& chosen, ExportType type);

    // The printer and the scale every print and preview uses; the dialogs change them.
    [[nodiscard]] QPrinter& printer() { return *m_printer; }
    [[nodiscard]] PrintScale& printScale() { return m_scale; }

private:
    // Runs the work from the event loop, under the window's error handler.
    void later(std::function<void()> work);
    void whenAccepted(QDialog& dialog, std::function<void()> work);
    // Keeps the print dialog until it goes: each holds the printer, which goes with this object.
    template <class Dialog> Dialog* printDialog(const char* name, const QString& title);
    void connectActions();
    void connectCanvas();
    void runCommand(const char* layer, int command);
    void showStandardView(int command);
    void copySelection();
    void eraseSelection();
    void afterLayerDialog();
    void printSetup();
    // The print dialog (printer, page, scale), then printing.
    void printAll();
    void printPreview();
    void print();

    TfrmMain& m_window;
    std::unique_ptr<QPrinter> m_printer;
    PrintScale m_scale;
    std::vector<cad::Subscription> m_commands; // 901-903 while the window lives
    std::vector<QPointer<QDialog>> m_dialogs;
};

} // namespace quadrilo::app

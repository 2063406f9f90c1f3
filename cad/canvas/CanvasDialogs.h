// The engine's dialogs, started as commands: layers 801, layer order 802, properties 306,
// dimension style 807, options 951, drafting aids 956. Each opens without a nested event loop;
// its changes apply on OK as one undo step, then the canvas signals dialogApplied(command).
#pragma once

#include "cad/Signal.h"

#include <QDialog>

#include <vector>

class QLabel;
class QTableWidget;

namespace quadrilo::cad::canvas {

class CadCanvas;

enum DialogCommand : int {
    CmdProperties = 306,
    CmdLayerDialog = 801,
    CmdLayerOrder = 802,
    CmdDimStyle = 807,
    CmdOptions = 951,
    CmdDraftingAids = 956,
};

// Registers the dialog commands for the canvas's lifetime (the tokens).
[[nodiscard]] std::vector<Subscription> registerDialogCommands(CadCanvas& canvas);

// The layer dialog: one row per layer with name, colour index, visibility and the current one.
class LayerDialog : public QDialog {
    Q_OBJECT
public:
    explicit LayerDialog(CadCanvas& canvas);
    QTableWidget* table() const { return m_table; }
    void addLayerRow();
    // Takes the row's layer out of the dialog; refused with the engine's message for layer "0",
    // a layer that holds entities and the current one.
    void deleteRow(int row);
    // Applies the rows to the drawing; false (and nothing changed) when a name is empty or taken.
    [[nodiscard]] bool apply();
    // OK: applies and closes; a bad name keeps the dialog open with the user's changes and the
    // error shown in it.
    void accept() override;
    QString errorShown() const;

private:
    void addRow(std::uint32_t id, const QString& name, int color, bool visible, bool current);

    CadCanvas& m_canvas;
    QTableWidget* m_table;
    QLabel* m_error;
    std::vector<std::uint32_t> m_deleted; // layers whose rows were taken out
};

} // namespace quadrilo::cad::canvas

// The engine's dialogs, started as commands: layers 801, layer order 802, properties 306,
// dimension style 807, options 951, drafting aids 956. Each opens without a nested event loop;
// its changes apply on OK as one undo step, then the canvas signals dialogApplied(command).
#pragma once

#include "cad/EngineTexts.h"
#include "cad/Entity.h"
#include "cad/Signal.h"

#include <QDialog>

#include <functional>
#include <variant>
#include <vector>

class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace quadrilo::cad::canvas {

class CadCanvas;
class ColorCombo;
class LineweightCombo;

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

// The properties dialog: layer, colour and lineweight of the selected entities; with one entity
// selected also its text and, unless it is a structural element, its geometry (points, sizes,
// angles in degrees, vertices).
class PropertiesDialog : public QDialog {
    Q_OBJECT
public:
    PropertiesDialog(CadCanvas& canvas, std::vector<EntityId> selected);
    // Applies every field as one undo step; false (nothing changed) when a field is not a number
    // or a size is not above zero.
    [[nodiscard]] bool apply();
    // OK: applies and closes; a bad field keeps the dialog open with the error shown.
    void accept() override;
    QString errorShown() const;

private:
    // One number of the entity's geometry: what it is called and where it goes in the shape. A
    // field left as it was shown writes nothing, so the stored value stays exact.
    struct NumberField {
        std::function<QString()> read;
        QString shown;
        QString name;
        bool positive = false;
        std::function<void(Shape&, double)> write;
    };
    void addGeometry(const Shape& shape);
    void addPoint(TextId name, const QString& key, const Point3& value,
                  const std::function<Point3&(Shape&)>& at);
    void addNumber(TextId name, const QString& key, double value, bool positive,
                   const std::function<void(Shape&, double)>& write);
    void addVertices(const std::vector<Point3>& vertices,
                     const std::function<std::vector<Point3>&(Shape&)>& at);
    // The edited shape, or the error to show.
    [[nodiscard]] std::variant<Shape, QString> editedShape() const;

    CadCanvas& m_canvas;
    std::vector<EntityId> m_selected;
    Shape m_shape; // of the one selected entity
    QFormLayout* m_form;
    QComboBox* m_layer;
    ColorCombo* m_color;
    LineweightCombo* m_lineweight;
    QLineEdit* m_content = nullptr;
    std::vector<NumberField> m_fields;
    QLabel* m_error;
};

// The layer dialog: one row per layer with name, colour swatch, visibility and the current one.
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

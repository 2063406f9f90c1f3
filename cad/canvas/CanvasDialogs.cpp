// The engine's dialogs: built from the text table, applied as one undo step on OK.
#include "cad/canvas/CanvasDialogs.h"

#include "cad/Document.h"
#include "cad/Transaction.h"
#include "cad/canvas/CadCanvas.h"
#include "cad/canvas/Renderer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <optional>
#include <set>
#include <type_traits>

namespace quadrilo::cad::canvas {
namespace {

QString text(CadCanvas& canvas, TextId id) {
    return QString::fromStdString(canvas.document().texts().text(id));
}

// A warning shown window-modal, without a nested event loop.
void warn(QWidget* parent, const QString& title, const QString& message) {
    auto* box = new QMessageBox(QMessageBox::Warning, title, message, QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

// OK and Cancel buttons with the table's captions.
QDialogButtonBox* okCancel(QDialog& dialog, CadCanvas& canvas) {
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    box->button(QDialogButtonBox::Ok)->setText(text(canvas, TextId::Ok));
    box->button(QDialogButtonBox::Cancel)->setText(text(canvas, TextId::Cancel));
    QObject::connect(box, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(box, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return box;
}

// Applies a change to the drawing as one undo step and tells the canvas and its listeners.
void applyStep(CadCanvas& canvas, int command, const std::function<void(Transaction&)>& change) {
    {
        Transaction tx(canvas.document().drawing());
        change(tx);
    }
    canvas.document().notifyChanged();
    emit canvas.dialogApplied(command);
}

QDialog* newDialog(CadCanvas& canvas, TextId title) {
    auto* dialog = new QDialog(&canvas);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(text(canvas, title));
    return dialog;
}

void openLayerOrder(CadCanvas& canvas) {
    QDialog* dialog = newDialog(canvas, TextId::LayerOrderTitle);
    auto* list = new QListWidget(dialog);
    const Drawing& d = canvas.document().drawing();
    for (const LayerId id : d.layerOrder()) {
        auto* item = new QListWidgetItem(QString::fromStdString(d.layer(id)->name), list);
        item->setData(Qt::UserRole, id.value);
    }
    auto* up = new QPushButton(text(canvas, TextId::LayerUp), dialog);
    auto* down = new QPushButton(text(canvas, TextId::LayerDown), dialog);
    const auto move = [list](int by) {
        const int row = list->currentRow();
        if (row < 0 || row + by < 0 || row + by >= list->count())
            return;
        list->insertItem(row + by, list->takeItem(row));
        list->setCurrentRow(row + by);
    };
    QObject::connect(up, &QPushButton::clicked, dialog, [move] { move(-1); });
    QObject::connect(down, &QPushButton::clicked, dialog, [move] { move(+1); });
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(list);
    layout->addWidget(up);
    layout->addWidget(down);
    layout->addWidget(okCancel(*dialog, canvas));
    QObject::connect(dialog, &QDialog::accepted, &canvas, [&canvas, list] {
        applyStep(canvas, CmdLayerOrder, [list](Transaction& tx) {
            for (int row = 0; row < list->count(); ++row)
                (void)tx.moveLayer(LayerId(list->item(row)->data(Qt::UserRole).toUInt()),
                                   static_cast<std::size_t>(row));
        });
    });
    dialog->open();
}

void openDraftingAids(CadCanvas& canvas) {
    QDialog* dialog = newDialog(canvas, TextId::DraftingAids);
    auto* form = new QFormLayout(dialog);
    const std::pair<TextId, unsigned> modes[] = {
        {TextId::SnapEndpoint, SnapEndpoint},
        {TextId::SnapMidpoint, SnapMidpoint},
        {TextId::SnapIntersection, SnapIntersection},
        {TextId::SnapNode, SnapNode},
        {TextId::SnapCentre, SnapCentre},
        {TextId::SnapNearest, SnapNearest},
        {TextId::SnapGrid, SnapGrid},
    };
    std::vector<std::pair<QCheckBox*, unsigned>> boxes;
    for (const auto& [caption, mode] : modes) {
        auto* box = new QCheckBox(text(canvas, caption), dialog);
        box->setChecked(canvas.snapSettings().modes & mode);
        form->addRow(box);
        boxes.emplace_back(box, mode);
    }
    auto* ortho = new QCheckBox(text(canvas, TextId::Ortho), dialog);
    ortho->setChecked(canvas.ortho());
    auto* grid = new QCheckBox(text(canvas, TextId::GridShow), dialog);
    grid->setChecked(canvas.renderStyle().showGrid);
    auto* spacing = new QDoubleSpinBox(dialog);
    spacing->setRange(0.001, 1e6);
    spacing->setDecimals(3);
    spacing->setValue(canvas.snapSettings().gridSpacingX);
    form->addRow(ortho);
    form->addRow(grid);
    form->addRow(text(canvas, TextId::GridSpacing), spacing);
    form->addRow(okCancel(*dialog, canvas));
    QObject::connect(dialog, &QDialog::accepted, &canvas, [&canvas, boxes, ortho, grid, spacing] {
        unsigned m = 0;
        for (const auto& [box, mode] : boxes)
            if (box->isChecked())
                m |= mode;
        canvas.snapSettings().modes = m;
        canvas.setOrtho(ortho->isChecked());
        canvas.renderStyle().showGrid = grid->isChecked();
        canvas.snapSettings().gridSpacingX = canvas.snapSettings().gridSpacingY = spacing->value();
        canvas.renderStyle().gridSpacingX = canvas.renderStyle().gridSpacingY = spacing->value();
        canvas.regen();
        emit canvas.dialogApplied(CmdDraftingAids);
    });
    dialog->open();
}

void openOptions(CadCanvas& canvas) {
    QDialog* dialog = newDialog(canvas, TextId::Options);
    auto* form = new QFormLayout(dialog);
    auto* lineweights = new QCheckBox(text(canvas, TextId::ShowLineweights), dialog);
    lineweights->setChecked(canvas.renderStyle().showLineweights);
    auto* cross = new QCheckBox(text(canvas, TextId::ShowCross), dialog);
    cross->setChecked(canvas.showCross());
    form->addRow(lineweights);
    form->addRow(cross);
    form->addRow(okCancel(*dialog, canvas));
    QObject::connect(dialog, &QDialog::accepted, &canvas, [&canvas, lineweights, cross] {
        canvas.renderStyle().showLineweights = lineweights->isChecked();
        canvas.setShowCross(cross->isChecked());
        canvas.regen();
        emit canvas.dialogApplied(CmdOptions);
    });
    dialog->open();
}

// The content of a text or multi-line text, or null.
template <class S> auto* textOf(S& shape) {
    using Text = std::conditional_t<std::is_const_v<S>, const std::string, std::string>;
    if (auto* t = std::get_if<TextShape>(&shape))
        return static_cast<Text*>(&t->text);
    if (auto* m = std::get_if<MTextShape>(&shape))
        return static_cast<Text*>(&m->text);
    return static_cast<Text*>(nullptr);
}

// Layer, colour and lineweight of the selected entities, and the content of a text.
void openProperties(CadCanvas& canvas) {
    Document& doc = canvas.document();
    const std::vector<EntityId> selected = doc.selection().entities();
    if (selected.empty())
        return;
    const Entity* first = doc.drawing().entity(selected.front());
    QDialog* dialog = newDialog(canvas, TextId::Properties);
    auto* form = new QFormLayout(dialog);
    auto* layer = new QComboBox(dialog);
    for (const LayerId id : doc.drawing().layerOrder()) {
        layer->addItem(QString::fromStdString(doc.drawing().layer(id)->name), id.value);
        if (id == first->layer)
            layer->setCurrentIndex(layer->count() - 1);
    }
    auto* color = new QSpinBox(dialog);
    color->setRange(0, 256); // 0 by block, 256 by layer
    color->setValue(first->color);
    color->setSpecialValueText(text(canvas, TextId::PropertyByBlock));
    auto* weight = new QSpinBox(dialog);
    weight->setRange(-1, 211); // -1 by layer; hundredths of a millimetre
    weight->setValue(first->lineweight);
    weight->setSpecialValueText(text(canvas, TextId::PropertyByLayer));
    form->addRow(text(canvas, TextId::PropertyLayer), layer);
    form->addRow(text(canvas, TextId::PropertyColor), color);
    form->addRow(text(canvas, TextId::PropertyLineweight), weight);
    // One text selected: its content is edited here too.
    QLineEdit* content = nullptr;
    if (const std::string* words = selected.size() == 1 ? textOf(first->shape) : nullptr) {
        content = new QLineEdit(QString::fromStdString(*words), dialog);
        content->setObjectName(QStringLiteral("propertyText"));
        form->addRow(text(canvas, TextId::PropertyText), content);
    }
    form->addRow(okCancel(*dialog, canvas));
    QObject::connect(dialog, &QDialog::accepted, &canvas,
                     [&canvas, selected, layer, color, weight, content] {
                         const LayerId target(layer->currentData().toUInt());
                         applyStep(canvas, CmdProperties, [&](Transaction& tx) {
                             for (const EntityId id : selected)
                                 (void)tx.edit(id, [&](Entity& e) {
                                     e.layer = target;
                                     e.color = color->value();
                                     e.lineweight = weight->value();
                                     if (std::string* words = content ? textOf(e.shape) : nullptr)
                                         *words = content->text().toStdString();
                                 });
                         });
                     });
    dialog->open();
}

void openDimStyle(CadCanvas& canvas) {
    Drawing& d = canvas.document().drawing();
    const DimStyleId id = d.settings().currentDimStyle;
    const DimStyle* style = d.dimStyle(id);
    if (!style)
        return;
    QDialog* dialog = newDialog(canvas, TextId::DimStyleTitle);
    auto* form = new QFormLayout(dialog);
    const auto spin = [dialog](double v) {
        auto* s = new QDoubleSpinBox(dialog);
        s->setRange(0.0, 1e5);
        s->setDecimals(3);
        s->setValue(v);
        return s;
    };
    auto* height = spin(style->textHeight);
    auto* arrow = spin(style->arrowSize);
    auto* offset = spin(style->extensionOffset);
    auto* beyond = spin(style->extensionBeyond);
    auto* decimals = new QSpinBox(dialog);
    decimals->setRange(0, 8);
    decimals->setValue(style->decimals);
    form->addRow(text(canvas, TextId::DimTextHeight), height);
    form->addRow(text(canvas, TextId::DimArrowSize), arrow);
    form->addRow(text(canvas, TextId::DimExtensionOffset), offset);
    form->addRow(text(canvas, TextId::DimExtensionBeyond), beyond);
    form->addRow(text(canvas, TextId::DimDecimals), decimals);
    form->addRow(okCancel(*dialog, canvas));
    QObject::connect(dialog, &QDialog::accepted, &canvas,
                     [&canvas, id, height, arrow, offset, beyond, decimals] {
                         applyStep(canvas, CmdDimStyle, [&](Transaction& tx) {
                             DimStyle s = *tx.drawing().dimStyle(id);
                             s.textHeight = height->value();
                             s.arrowSize = arrow->value();
                             s.extensionOffset = offset->value();
                             s.extensionBeyond = beyond->value();
                             s.decimals = decimals->value();
                             (void)tx.changeDimStyle(id, s);
                         });
                     });
    dialog->open();
}

} // namespace

// ------------------------------------------------------------------------------ layer dialog

LayerDialog::LayerDialog(CadCanvas& canvas)
    : QDialog(&canvas), m_canvas(canvas), m_table(new QTableWidget(0, 4, this)),
      m_error(new QLabel(this)) {
    setWindowTitle(text(canvas, TextId::LayerDialog));
    m_table->setHorizontalHeaderLabels(
        {text(canvas, TextId::LayerName), text(canvas, TextId::LayerColor),
         text(canvas, TextId::LayerVisible), text(canvas, TextId::LayerCurrent)});
    m_table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    // Only one layer is current: checking one unchecks the others.
    connect(m_table, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (item->column() != 3 || item->checkState() != Qt::Checked)
            return;
        const QSignalBlocker block(m_table);
        for (int r = 0; r < m_table->rowCount(); ++r)
            if (r != item->row())
                m_table->item(r, 3)->setCheckState(Qt::Unchecked);
    });
    const Drawing& d = canvas.document().drawing();
    for (const LayerId id : d.layerOrder()) {
        const Layer* l = d.layer(id);
        addRow(id.value, QString::fromStdString(l->name), l->color, l->visible,
               id == d.settings().currentLayer);
    }
    auto* add = new QPushButton(text(canvas, TextId::LayerNew), this);
    connect(add, &QPushButton::clicked, this, &LayerDialog::addLayerRow);
    auto* remove = new QPushButton(text(canvas, TextId::LayerDelete), this);
    connect(remove, &QPushButton::clicked, this, [this] { deleteRow(m_table->currentRow()); });
    m_error->setObjectName(QStringLiteral("layerError"));
    m_error->setStyleSheet(QStringLiteral("color: #c00000;"));
    m_error->hide();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    layout->addWidget(add);
    layout->addWidget(remove);
    layout->addWidget(m_error);
    layout->addWidget(okCancel(*this, canvas));
    resize(520, 360);
}

void LayerDialog::accept() {
    if (!apply()) {
        m_error->setText(text(m_canvas, TextId::LayerNameInvalid));
        m_error->show();
        return;
    }
    QDialog::accept();
}

QString LayerDialog::errorShown() const {
    return m_error->isVisible() ? m_error->text() : QString();
}

void LayerDialog::addRow(std::uint32_t id, const QString& name, int color, bool visible,
                         bool current) {
    const int row = m_table->rowCount();
    m_table->insertRow(row);
    auto* nameItem = new QTableWidgetItem(name);
    nameItem->setData(Qt::UserRole, id);
    m_table->setItem(row, 0, nameItem);
    auto* colorBox = new QSpinBox(m_table);
    colorBox->setRange(1, 255);
    colorBox->setValue(color);
    const auto paint = [this, colorBox] {
        const QColor c = paletteColor(m_canvas.document().drawing(), colorBox->value());
        colorBox->setStyleSheet(
            QStringLiteral("QSpinBox { border-left: 12px solid %1; }").arg(c.name()));
    };
    paint();
    connect(colorBox, &QSpinBox::valueChanged, colorBox, paint);
    m_table->setCellWidget(row, 1, colorBox);
    auto* visibleItem = new QTableWidgetItem;
    visibleItem->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
    visibleItem->setCheckState(visible ? Qt::Checked : Qt::Unchecked);
    m_table->setItem(row, 2, visibleItem);
    auto* currentItem = new QTableWidgetItem;
    currentItem->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
    currentItem->setCheckState(current ? Qt::Checked : Qt::Unchecked);
    m_table->setItem(row, 3, currentItem);
}

void LayerDialog::addLayerRow() {
    const Drawing& d = m_canvas.document().drawing();
    QString name;
    for (int n = 1;; ++n) {
        name = text(m_canvas, TextId::LayerNew) + QLatin1Char(' ') + QString::number(n);
        if (!d.layerByName(name.toStdString()))
            break;
    }
    addRow(0, name, 7, true, false);
}

void LayerDialog::deleteRow(int row) {
    if (row < 0 || row >= m_table->rowCount())
        return;
    const Drawing& d = m_canvas.document().drawing();
    const LayerId id(m_table->item(row, 0)->data(Qt::UserRole).toUInt());
    const Layer* layer = d.layer(id);
    std::optional<TextId> refusal;
    if (layer && layer->name == "0")
        refusal = TextId::LayerZeroKept;
    else if (d.layerCount(id) > 0)
        refusal = TextId::LayerNotEmpty;
    else if (m_table->item(row, 3)->checkState() == Qt::Checked)
        refusal = TextId::LayerIsCurrent;
    if (refusal) {
        warn(this, m_canvas.messageTitle(), text(m_canvas, *refusal));
        return;
    }
    if (id)
        m_deleted.push_back(id.value);
    m_table->removeRow(row);
}

bool LayerDialog::apply() {
    // Names must stay unique and non-empty; check them all before anything changes.
    std::set<QString> names;
    for (int r = 0; r < m_table->rowCount(); ++r) {
        const QString name = m_table->item(r, 0)->text().trimmed();
        if (name.isEmpty() || !names.insert(name).second)
            return false;
    }
    applyStep(m_canvas, CmdLayerDialog, [this](Transaction& tx) {
        Drawing& d = tx.drawing();
        LayerId current = d.settings().currentLayer;
        for (int r = 0; r < m_table->rowCount(); ++r) {
            const LayerId id(m_table->item(r, 0)->data(Qt::UserRole).toUInt());
            Layer layer = id ? *d.layer(id) : Layer{};
            layer.name = m_table->item(r, 0)->text().trimmed().toStdString();
            layer.color = static_cast<QSpinBox*>(m_table->cellWidget(r, 1))->value();
            layer.visible = m_table->item(r, 2)->checkState() == Qt::Checked;
            const LayerId applied =
                id ? (tx.changeLayer(id, layer) ? id : LayerId{}) : tx.addLayer(layer);
            if (applied && m_table->item(r, 3)->checkState() == Qt::Checked)
                current = applied;
        }
        d.settings().currentLayer = current;
        for (const std::uint32_t id : m_deleted)
            (void)tx.eraseLayer(LayerId(id));
    });
    return true;
}

// ------------------------------------------------------------------------------- commands

std::vector<Subscription> registerDialogCommands(CadCanvas& canvas) {
    Document& doc = canvas.document();
    CadCanvas* c = &canvas;
    std::vector<Subscription> tokens;
    const auto add = [&](int id, const char* name, std::function<void()> open) {
        tokens.push_back(
            doc.addCommand(CommandDef{id, name, "", 0, [open] { return immediately(open); }, {}}));
    };
    add(CmdLayerDialog, "LAYER", [c] {
        auto* dialog = new LayerDialog(*c);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->open();
    });
    add(CmdLayerOrder, "LAYERORDER", [c] { openLayerOrder(*c); });
    add(CmdDraftingAids, "DSETTINGS", [c] { openDraftingAids(*c); });
    add(CmdOptions, "OPTIONS", [c] { openOptions(*c); });
    add(CmdProperties, "PROPERTIES", [c] { openProperties(*c); });
    add(CmdDimStyle, "DIMSTYLE", [c] { openDimStyle(*c); });
    return tokens;
}

} // namespace quadrilo::cad::canvas

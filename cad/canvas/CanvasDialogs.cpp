// The engine's dialogs: built from the text table, applied as one undo step on OK.
#include "cad/canvas/CanvasDialogs.h"

#include "cad/Document.h"
#include "cad/Overloaded.h"
#include "cad/Transaction.h"
#include "cad/canvas/CadCanvas.h"
#include "cad/canvas/PropertyWidgets.h"
#include "cad/canvas/Renderer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>
#include <numbers>
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

// The line a dialog tells what keeps it from applying in, hidden until then.
QLabel* errorLine(QWidget* dialog, const QString& name) {
    auto* line = new QLabel(dialog);
    line->setObjectName(name);
    line->setStyleSheet(QStringLiteral("color: #c00000;"));
    line->setWordWrap(true);
    line->hide();
    return line;
}

// A number as the dialog shows it: plain, without trailing zeros, "." for decimals.
QString numberText(double v) {
    return QString::number(v, 'g', 12);
}

QLineEdit* numberEdit(QWidget* parent, const QString& key, double value) {
    auto* edit = new QLineEdit(numberText(value), parent);
    edit->setObjectName(key);
    return edit;
}

} // namespace

// ------------------------------------------------------------------------- properties dialog

PropertiesDialog::PropertiesDialog(CadCanvas& canvas, std::vector<EntityId> selected)
    : QDialog(&canvas), m_canvas(canvas), m_selected(std::move(selected)),
      m_form(new QFormLayout(this)), m_layer(new QComboBox(this)),
      m_error(errorLine(this, QStringLiteral("propertyError"))) {
    setWindowTitle(text(canvas, TextId::Properties));
    const Document& doc = canvas.document();
    const Drawing& d = doc.drawing();
    const Entity& first = *d.entity(m_selected.front());
    m_shape = first.shape;
    m_layer->setObjectName(QStringLiteral("propertyLayer"));
    for (const LayerId id : d.layerOrder()) {
        m_layer->addItem(colorSwatch(d, d.layer(id)->color),
                         QString::fromStdString(d.layer(id)->name), id.value);
        if (id == first.layer)
            m_layer->setCurrentIndex(m_layer->count() - 1);
    }
    m_color = new ColorCombo(d, doc.texts(), ColorCombo::Choice::EntityColor, this);
    m_color->setObjectName(QStringLiteral("propertyColor"));
    m_color->setColorIndex(first.color);
    m_lineweight = new LineweightCombo(doc.texts(), first.lineweight, this);
    m_lineweight->setObjectName(QStringLiteral("propertyLineweight"));
    m_form->addRow(text(canvas, TextId::PropertyLayer), m_layer);
    m_form->addRow(text(canvas, TextId::PropertyColor), m_color);
    m_form->addRow(text(canvas, TextId::PropertyLineweight), m_lineweight);
    // One entity: its text too, and its geometry when it is no structural element (those move
    // through their own events, which keep their records in step); several share only the
    // properties above.
    if (m_selected.size() == 1) {
        if (first.userData == 0)
            addGeometry(m_shape);
        if (const std::string* words = textOf(m_shape)) {
            m_content = new QLineEdit(QString::fromStdString(*words), this);
            m_content->setObjectName(QStringLiteral("propertyText"));
            m_form->addRow(text(canvas, TextId::PropertyText), m_content);
        }
    }
    m_form->addRow(m_error);
    m_form->addRow(okCancel(*this, canvas));
}

void PropertiesDialog::addGeometry(const Shape& shape) {
    constexpr double degree = std::numbers::pi / 180.0;
    const auto angle = [](auto get) {
        return [get](Shape& s, double degrees) { get(s) = degrees * degree; };
    };
    // Construction lines and rays by their base point; polylines and multilines by their vertices.
    const auto addBase = [&]<class S>(const S& l) {
        addPoint(TextId::PropertyBasePoint, "base", l.base,
                 [](Shape& s) -> Point3& { return std::get<S>(s).base; });
    };
    const auto addVertexList = [&]<class S>(const S& p) {
        addVertices(p.vertices,
                    [](Shape& s) -> std::vector<Point3>& { return std::get<S>(s).vertices; });
    };
    // Texts and attribute definitions are placed alike: insertion point, height, rotation.
    const auto addPlacement = [&]<class S>(const S& t) {
        addPoint(TextId::PropertyInsertion, "at", t.at,
                 [](Shape& s) -> Point3& { return std::get<S>(s).at; });
        addNumber(TextId::PropertyHeight, "height", t.look.height, true,
                  [](Shape& s, double v) { std::get<S>(s).look.height = v; });
        addNumber(TextId::PropertyRotation, "angle", t.look.angle / degree, false,
                  angle([](Shape& s) -> double& { return std::get<S>(s).look.angle; }));
    };
    std::visit(
        Overloaded{
            [&](const PointShape& p) {
                addPoint(TextId::PropertyPosition, "at", p.at,
                         [](Shape& s) -> Point3& { return std::get<PointShape>(s).at; });
            },
            [&](const LineShape& l) {
                addPoint(TextId::PropertyStart, "start", l.start,
                         [](Shape& s) -> Point3& { return std::get<LineShape>(s).start; });
                addPoint(TextId::PropertyEnd, "end", l.end,
                         [](Shape& s) -> Point3& { return std::get<LineShape>(s).end; });
            },
            [&](const XLineShape& l) { addBase(l); },
            [&](const RayShape& l) { addBase(l); },
            [&](const CircleShape& c) {
                addPoint(TextId::PropertyCentre, "centre", c.centre,
                         [](Shape& s) -> Point3& { return std::get<CircleShape>(s).centre; });
                addNumber(TextId::PropertyRadius, "radius", c.radius, true,
                          [](Shape& s, double v) { std::get<CircleShape>(s).radius = v; });
            },
            [&](const PolylineShape& p) { addVertexList(p); },
            [&](const MlineShape& m) { addVertexList(m); },
            [&](const TextShape& t) { addPlacement(t); },
            [&](const MTextShape& t) {
                addPoint(TextId::PropertyInsertion, "at", t.at,
                         [](Shape& s) -> Point3& { return std::get<MTextShape>(s).at; });
                addNumber(TextId::PropertyHeight, "height", t.height, true,
                          [](Shape& s, double v) { std::get<MTextShape>(s).height = v; });
                addNumber(TextId::PropertyRotation, "angle", t.angle / degree, false,
                          angle([](Shape& s) -> double& { return std::get<MTextShape>(s).angle; }));
            },
            [&](const AttDefShape& t) { addPlacement(t); },
            [&](const InsertShape& i) {
                addPoint(TextId::PropertyInsertion, "at", i.at,
                         [](Shape& s) -> Point3& { return std::get<InsertShape>(s).at; });
                addNumber(TextId::PropertyScale, "scale", i.scale, true,
                          [](Shape& s, double v) { std::get<InsertShape>(s).scale = v; });
                addNumber(
                    TextId::PropertyRotation, "angle", i.angle / degree, false,
                    angle([](Shape& s) -> double& { return std::get<InsertShape>(s).angle; }));
            },
            [&](const DimensionShape& dim) {
                addPoint(TextId::PropertyFirstPoint, "first", dim.first,
                         [](Shape& s) -> Point3& { return std::get<DimensionShape>(s).first; });
                addPoint(TextId::PropertySecondPoint, "second", dim.second,
                         [](Shape& s) -> Point3& { return std::get<DimensionShape>(s).second; });
                addPoint(TextId::PropertyDimensionLine, "linePos", dim.linePos,
                         [](Shape& s) -> Point3& { return std::get<DimensionShape>(s).linePos; });
            },
        },
        shape);
}

void PropertiesDialog::addPoint(TextId name, const QString& key, const Point3& value,
                                const std::function<Point3&(Shape&)>& at) {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    const QString label = text(m_canvas, name);
    const std::pair<const char*, double Point3::*> axes[] = {
        {"x", &Point3::x}, {"y", &Point3::y}, {"z", &Point3::z}};
    for (const auto& [axis, member] : axes) {
        QLineEdit* edit =
            numberEdit(row, key + QLatin1Char('.') + QLatin1String(axis), value.*member);
        layout->addWidget(new QLabel(QString::fromLatin1(axis).toUpper(), row));
        layout->addWidget(edit);
        m_fields.push_back({[edit] { return edit->text(); }, edit->text(),
                            label + QLatin1Char(' ') + QString::fromLatin1(axis).toUpper(), false,
                            [at, m = member](Shape& s, double v) { at(s).*m = v; }});
    }
    m_form->addRow(label, row);
}

void PropertiesDialog::addNumber(TextId name, const QString& key, double value, bool positive,
                                 const std::function<void(Shape&, double)>& write) {
    QLineEdit* edit = numberEdit(this, key, value);
    m_fields.push_back(
        {[edit] { return edit->text(); }, edit->text(), text(m_canvas, name), positive, write});
    m_form->addRow(text(m_canvas, name), edit);
}

void PropertiesDialog::addVertices(const std::vector<Point3>& vertices,
                                   const std::function<std::vector<Point3>&(Shape&)>& at) {
    auto* table = new QTableWidget(static_cast<int>(vertices.size()), 3, this);
    table->setObjectName(QStringLiteral("vertices"));
    table->setHorizontalHeaderLabels(
        {QStringLiteral("X"), QStringLiteral("Y"), QStringLiteral("Z")});
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->setMinimumHeight(160);
    const QString label = text(m_canvas, TextId::PropertyVertices);
    double Point3::*const axes[] = {&Point3::x, &Point3::y, &Point3::z};
    for (int row = 0; row < table->rowCount(); ++row)
        for (int column = 0; column < 3; ++column) {
            auto* item = new QTableWidgetItem(numberText(vertices[std::size_t(row)].*axes[column]));
            table->setItem(row, column, item);
            m_fields.push_back(
                {[item] { return item->text(); }, item->text(),
                 QStringLiteral("%1 %2 %3").arg(label).arg(row + 1).arg(QChar(u'X' + column)),
                 false,
                 [at, row, m = axes[column]](Shape& s, double v) {
                     at(s)[std::size_t(row)].*m = v;
                 }});
        }
    m_form->addRow(label, table);
}

std::variant<Shape, QString> PropertiesDialog::editedShape() const {
    Shape shape = m_shape;
    for (const NumberField& field : m_fields) {
        const QString typed = field.read().trimmed();
        if (typed == field.shown)
            continue;
        bool ok = false;
        const double v = QLocale::c().toDouble(typed, &ok);
        if (!ok || !std::isfinite(v))
            return QString::fromStdString(m_canvas.document().texts().format(
                TextId::PropertyNotANumber, {field.name.toStdString()}));
        if (field.positive && !(v > 0.0))
            return QString::fromStdString(m_canvas.document().texts().format(
                TextId::PropertyNotPositive, {field.name.toStdString()}));
        field.write(shape, v);
    }
    if (std::string* words = m_content ? textOf(shape) : nullptr)
        *words = m_content->text().toStdString();
    return shape;
}

bool PropertiesDialog::apply() {
    const auto edited = editedShape();
    if (const QString* error = std::get_if<QString>(&edited)) {
        m_error->setText(*error);
        m_error->show();
        return false;
    }
    const Shape& shape = std::get<Shape>(edited);
    const LayerId layer(m_layer->currentData().toUInt());
    const int color = m_color->colorIndex();
    const int lineweight = m_lineweight->lineweight();
    const bool single = m_selected.size() == 1;
    applyStep(m_canvas, CmdProperties, [&](Transaction& tx) {
        for (const EntityId id : m_selected)
            (void)tx.edit(id, [&](Entity& e) {
                e.layer = layer;
                e.color = color;
                e.lineweight = lineweight;
                if (single)
                    e.shape = shape;
            });
    });
    return true;
}

void PropertiesDialog::accept() {
    if (apply())
        QDialog::accept();
}

QString PropertiesDialog::errorShown() const {
    return m_error->isVisible() ? m_error->text() : QString();
}

// ------------------------------------------------------------------------------ layer dialog

LayerDialog::LayerDialog(CadCanvas& canvas)
    : QDialog(&canvas), m_canvas(canvas), m_table(new QTableWidget(0, 4, this)),
      m_error(errorLine(this, QStringLiteral("layerError"))) {
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
    auto* colorBox = new ColorCombo(m_canvas.document().drawing(), m_canvas.document().texts(),
                                    ColorCombo::Choice::LayerColor, m_table);
    colorBox->setColorIndex(color);
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
            layer.color = static_cast<ColorCombo*>(m_table->cellWidget(r, 1))->colorIndex();
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
    add(CmdProperties, "PROPERTIES", [c] {
        std::vector<EntityId> selected = c->document().selection().entities();
        if (selected.empty())
            return;
        auto* dialog = new PropertiesDialog(*c, std::move(selected));
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->open();
    });
    add(CmdDimStyle, "DIMSTYLE", [c] { openDimStyle(*c); });
    return tokens;
}

} // namespace quadrilo::cad::canvas

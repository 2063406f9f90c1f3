// The properties dialog: one entity's geometry and text edited, colours as swatches and
// lineweights by name, every change one undo step, and a bad field keeping the dialog open with
// nothing applied.
#include "CanvasFixture.h"

#include "cad/canvas/CanvasDialogs.h"
#include "cad/canvas/EngineUi.h"
#include "cad/canvas/PropertyWidgets.h"
#include "cad/canvas/Renderer.h"

#include <QLineEdit>
#include <QTableWidget>

#include <functional>
#include <numbers>

namespace quadrilo::cad::canvas::test {
namespace {

class PropertiesDialogUse : public CanvasFixture {
protected:
    EngineUi ui{engine};

    PropertiesDialogUse() { ui.addWindow(*canvas); }
    PropertiesDialog* open(std::initializer_list<EntityId> ids) {
        doc.clearSelection();
        for (const EntityId id : ids)
            doc.select(id, true);
        canvas->execute(CmdProperties);
        for (auto* d : canvas->findChildren<PropertiesDialog*>())
            if (d->isVisible())
                return d;
        return nullptr;
    }
    static void type(QDialog& dialog, const char* field, const QString& value) {
        auto* edit = dialog.findChild<QLineEdit*>(QLatin1String(field));
        ASSERT_NE(edit, nullptr) << field;
        edit->setText(value);
    }
};

TEST_F(PropertiesDialogUse, OneEntitysGeometryAndTextAreEditedAsOneUndoStep) {
    const double right = std::numbers::pi / 2;
    struct Case {
        const char* what;
        Shape before;
        std::function<void(PropertiesDialog&)> edit;
        Shape after;
    } cases[] = {
        {"line ends", LineShape{{0, 0, 0}, {100, 0, 0}},
         [](PropertiesDialog& d) {
             type(d, "start.x", "10");
             type(d, "end.y", " 50.5 ");
         },
         LineShape{{10, 0, 0}, {100, 50.5, 0}}},
        {"circle centre and radius", CircleShape{{0, 0, 0}, 10},
         [](PropertiesDialog& d) {
             type(d, "centre.z", "-3");
             type(d, "radius", "25");
         },
         CircleShape{{0, 0, -3}, 25}},
        {"text place, height, rotation in degrees and content",
         TextShape{{0, 0, 0}, "V1", {5, 0, 0}},
         [](PropertiesDialog& d) {
             type(d, "at.x", "200");
             type(d, "height", "7.5");
             type(d, "angle", "90");
             type(d, "propertyText", "V1 20x50");
         },
         TextShape{{200, 0, 0}, "V1 20x50", {7.5, right, 0}}},
        {"polyline vertex in the table", PolylineShape{{{0, 0, 0}, {100, 0, 0}, {100, 80, 0}}},
         [](PropertiesDialog& d) {
             d.findChild<QTableWidget*>(QStringLiteral("vertices"))->item(2, 1)->setText("40");
         },
         PolylineShape{{{0, 0, 0}, {100, 0, 0}, {100, 40, 0}}}},
        {"fields left as shown keep their exact values",
         LineShape{{0.1 + 0.2, 1.0 / 3, 0}, {100, 2.0 / 3, 0}},
         [](PropertiesDialog& d) { type(d, "end.x", "50"); },
         LineShape{{0.1 + 0.2, 1.0 / 3, 0}, {50, 2.0 / 3, 0}}},
        {"point position", PointShape{{1, 2, 3}},
         [](PropertiesDialog& d) { type(d, "at.y", "-20"); }, PointShape{{1, -20, 3}}},
    };
    for (Case& c : cases) {
        const EntityId id = add(c.before);
        PropertiesDialog* dialog = open({id});
        ASSERT_NE(dialog, nullptr) << c.what;
        c.edit(*dialog);
        const std::size_t steps = drawing().undoSteps();
        dialog->accept();
        EXPECT_FALSE(dialog->isVisible()) << c.what;
        const Shape& got = drawing().entity(id)->shape;
        if (const auto* t = std::get_if<TextShape>(&got)) {
            EXPECT_NEAR(t->look.angle, right, 1e-12) << c.what;
            TextShape exact = *t;
            exact.look.angle = right;
            EXPECT_EQ(Shape(exact), c.after) << c.what;
        } else {
            EXPECT_EQ(got, c.after) << c.what;
        }
        EXPECT_EQ(drawing().undoSteps(), steps + 1) << c.what;
        ASSERT_TRUE(doc.undo());
        EXPECT_EQ(drawing().entity(id)->shape, c.before) << c.what;
    }
}

TEST_F(PropertiesDialogUse, ABadFieldKeepsTheDialogOpenWithTheErrorAndNothingApplied) {
    const EntityId ring = add(CircleShape{{0, 0, 0}, 10});
    const EntityId note = add(TextShape{{0, 0, 0}, "V1", {5, 0, 0}});
    const struct {
        EntityId id;
        const char* field;
        const char* value;
        std::string error;
    } cases[] = {
        {ring, "radius", "0", "Radius must be greater than zero; nothing was changed."},
        {ring, "radius", "-4", "Radius must be greater than zero; nothing was changed."},
        {note, "height", "0", "Height must be greater than zero; nothing was changed."},
        {ring, "centre.x", "12,5", "Centre X: not a number; nothing was changed."},
        {ring, "centre.y", "", "Centre Y: not a number; nothing was changed."},
        {note, "angle", "1e999", "Rotation (degrees): not a number; nothing was changed."},
    };
    for (const auto& c : cases) {
        PropertiesDialog* dialog = open({c.id});
        ASSERT_NE(dialog, nullptr) << c.field;
        // A colour change waits on the bad field too: nothing of the dialog applies.
        dialog->findChild<ColorCombo*>(QStringLiteral("propertyColor"))->setColorIndex(1);
        type(*dialog, c.field, c.value);
        const std::uint64_t revision = drawing().revision();
        dialog->accept();
        EXPECT_TRUE(dialog->isVisible()) << c.field << " " << c.value;
        EXPECT_EQ(dialog->errorShown().toStdString(), c.error);
        EXPECT_EQ(drawing().revision(), revision) << c.field << " " << c.value;
        dialog->reject();
    }
    // Mended, the same dialog applies.
    PropertiesDialog* dialog = open({ring});
    type(*dialog, "radius", "0");
    dialog->accept();
    ASSERT_TRUE(dialog->isVisible());
    type(*dialog, "radius", "12");
    dialog->accept();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(std::get<CircleShape>(drawing().entity(ring)->shape).radius, 12);
}

TEST_F(PropertiesDialogUse, SeveralEntitiesShareColourAndLineweightChosenByName) {
    const EntityId line = add(LineShape{{0, 0, 0}, {100, 0, 0}});
    const EntityId ring = add(CircleShape{{0, 0, 0}, 10});
    PropertiesDialog* dialog = open({line, ring});
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->findChild<QLineEdit*>(QStringLiteral("start.x")), nullptr)
        << "no geometry for a selection of several";
    EXPECT_EQ(dialog->findChild<QLineEdit*>(QStringLiteral("radius")), nullptr);

    auto* color = dialog->findChild<ColorCombo*>(QStringLiteral("propertyColor"));
    EXPECT_EQ(color->currentText(), "ByLayer");
    EXPECT_EQ(color->itemText(1), "ByBlock");
    EXPECT_EQ(color->itemData(1).toInt(), 0);
    EXPECT_EQ(color->count(), 257);
    EXPECT_EQ(color->itemIcon(color->findData(1)).pixmap(14, 14).toImage().pixelColor(7, 7),
              paletteColor(drawing(), 1))
        << "each colour shows as its swatch";
    color->setColorIndex(1);

    auto* weight = dialog->findChild<LineweightCombo*>(QStringLiteral("propertyLineweight"));
    QStringList names;
    for (int i = 0; i < 5; ++i)
        names << weight->itemText(i);
    EXPECT_EQ(names, (QStringList{"ByLayer", "ByBlock", "Default", "0.00 mm", "0.05 mm"}));
    EXPECT_EQ(weight->count(), 3 + 24);
    weight->setCurrentIndex(weight->findText(QStringLiteral("0.35 mm")));

    const std::size_t steps = drawing().undoSteps();
    dialog->accept();
    EXPECT_EQ(drawing().undoSteps(), steps + 1);
    for (const EntityId id : {line, ring}) {
        EXPECT_EQ(drawing().entity(id)->color, 1);
        EXPECT_EQ(drawing().entity(id)->lineweight, 35);
    }
    EXPECT_EQ(std::get<LineShape>(drawing().entity(line)->shape),
              (LineShape{{0, 0, 0}, {100, 0, 0}}));

    // A structural element keeps its geometry to its own events and panels.
    const EntityId beamLine = Transaction(drawing()).add(
        Entity{.userData = 1, .shape = LineShape{{0, 0, 0}, {100, 0, 0}}});
    dialog = open({beamLine});
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->findChild<QLineEdit*>(QStringLiteral("start.x")), nullptr);
    dialog->reject();

    // A lineweight of its own, read from a file, is listed where it falls and kept.
    Transaction(drawing()).edit(line, [](Entity& e) { e.lineweight = 33; });
    dialog = open({line});
    weight = dialog->findChild<LineweightCombo*>(QStringLiteral("propertyLineweight"));
    EXPECT_EQ(weight->currentText(), "0.33 mm");
    EXPECT_EQ(weight->itemText(weight->currentIndex() + 1), "0.35 mm");
    weight->setCurrentIndex(weight->findData(LineweightDefault));
    dialog->accept();
    EXPECT_EQ(drawing().entity(line)->lineweight, LineweightDefault);
}

} // namespace
} // namespace quadrilo::cad::canvas::test

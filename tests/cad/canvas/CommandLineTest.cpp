// The command line and the pieces around the canvas as a CAD user works them: Space as Enter,
// history, Escape, the log, the focus after the layer combo box, the shortcuts from the command
// line, the drafting toggles and the bounded cursor read-out.
#include "CanvasFixture.h"

#include "cad/canvas/CommandLine.h"
#include "cad/canvas/DraftingStatusBar.h"
#include "cad/canvas/EngineUi.h"
#include "cad/canvas/LayerCombo.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace quadrilo::cad::canvas::test {
namespace {

class CommandLineUse : public CanvasFixture {
protected:
    QWidget window;
    QPlainTextEdit* log = new QPlainTextEdit(&window);
    CommandLine* line = nullptr;
    LayerCombo* combo = nullptr;
    DraftingStatusBar* status = nullptr;
    EngineUi ui{engine};

    CommandLineUse() {
        auto* layout = new QVBoxLayout(&window);
        canvas.release()->setParent(&window); // the window owns it now, as in the program
        canvas.reset();
        owned = window.findChild<CadCanvas*>();
        combo = new LayerCombo(*owned, &window);
        line = new CommandLine(*owned, log, &window);
        status = new DraftingStatusBar(*owned, &window);
        layout->addWidget(combo);
        layout->addWidget(owned, 1);
        layout->addWidget(line);
        layout->addWidget(status);
        ui.addWindow(*owned);
        ui.setDefaultAccelerators();
        window.resize(800, 700);
        window.show();
        window.activateWindow();
        (void)QTest::qWaitForWindowActive(&window);
    }
    CadCanvas* owned = nullptr;
    QLineEdit* edit() { return line->edit(); }
    void typeKeys(QWidget* target, const QString& text) { QTest::keyClicks(target, text); }
    QStringList logLines() { return log->toPlainText().split(QLatin1Char('\n')); }
    const std::string& said(TextId id) { return doc.texts().text(id); }
};

TEST_F(CommandLineUse, SpaceIsEnterExceptInATextAnswerAndUpDownWalkTheHistory) {
    typeKeys(edit(), "L 0,0 10,0 ");
    EXPECT_EQ(doc.runner().activeId(), 205);
    QTest::keyClick(edit(), Qt::Key_Escape);
    EXPECT_FALSE(doc.runner().active());
    EXPECT_EQ(shapes<LineShape>().size(), 1u);
    // In a text answer the space belongs to the text.
    typeKeys(edit(), "T 0,0   ");
    typeKeys(edit(), "Viga V1");
    QTest::keyClick(edit(), Qt::Key_Return);
    ASSERT_EQ(shapes<TextShape>().size(), 1u);
    EXPECT_EQ(shapes<TextShape>()[0].text, "Viga V1");
    // Up walks back through the lines typed, Down forward again; Escape clears the edit.
    QTest::keyClick(edit(), Qt::Key_Up);
    EXPECT_EQ(edit()->text(), "Viga V1");
    QTest::keyClick(edit(), Qt::Key_Up);
    QTest::keyClick(edit(), Qt::Key_Up);
    EXPECT_EQ(edit()->text(), "T");
    QTest::keyClick(edit(), Qt::Key_Down);
    EXPECT_EQ(edit()->text(), "0,0");
    QTest::keyClick(edit(), Qt::Key_Escape);
    EXPECT_TRUE(edit()->text().isEmpty());
}

TEST_F(CommandLineUse, EachPromptIsLoggedOnceAndTheLineAsksForACommandAfterOne) {
    typeKeys(edit(), "L 0,0 10,0 ");
    QTest::keyClick(edit(), Qt::Key_Return);
    const QStringList lines = logLines();
    const QString first = QString::fromStdString(said(TextId::SpecifyPoint));
    EXPECT_EQ(lines.count(first + " 0,0"), 1);
    EXPECT_EQ(lines.filter(first).size(), 1);
    EXPECT_EQ(line->prompt().toStdString(), said(TextId::CommandPrompt));
}

TEST_F(CommandLineUse, FocusComesBackAfterTheLayerComboAndShortcutsWorkFromTheCommandLine) {
    Transaction(drawing()).addLayer(Layer{"Vigas", 1});
    combo->refresh();
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down); // a choice made with the keyboard
    combo->activated(combo->currentIndex());
    EXPECT_EQ(drawing().layer(drawing().settings().currentLayer)->name,
              combo->currentText().toStdString());
    EXPECT_TRUE(owned->hasFocus());
    // Typed over the canvas, the keys reach the command line; the layer stays.
    const LayerId chosen = drawing().settings().currentLayer;
    typeKeys(owned, "L");
    EXPECT_EQ(edit()->text(), "L");
    EXPECT_EQ(drawing().settings().currentLayer, chosen);
    QTest::keyClick(edit(), Qt::Key_Escape);

    add(LineShape{{0, 0, 0}, {10, 0, 0}});
    edit()->setFocus();
    QTest::keyClick(edit(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(entityCount(), 0u);
    QTest::keyClick(edit(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(entityCount(), 1u);
    QTest::keyClick(edit(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(doc.selection().size(), 1u);
    QTest::keyClick(edit(), Qt::Key_Delete);
    EXPECT_EQ(entityCount(), 0u);
    // With text typed the keys edit the text, not the drawing.
    typeKeys(edit(), "XL");
    QTest::keyClick(edit(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(entityCount(), 0u); // the erased line did not come back
}

TEST_F(CommandLineUse, TheFunctionKeysToggleTheAidsTheStatusBarShows) {
    struct Case {
        Qt::Key key;
        const char* button;
        bool (CadCanvas::*state)() const;
    };
    const Case cases[] = {{Qt::Key_F3, "snapButton", &CadCanvas::objectSnap},
                          {Qt::Key_F7, "gridButton", &CadCanvas::gridShown},
                          {Qt::Key_F8, "orthoButton", &CadCanvas::ortho},
                          {Qt::Key_F9, "gridSnapButton", &CadCanvas::gridSnap}};
    for (const Case& c : cases) {
        const bool before = (owned->*c.state)();
        EXPECT_EQ(status->button(c.button)->isChecked(), before) << c.button;
        QTest::keyClick(owned, c.key);
        EXPECT_NE((owned->*c.state)(), before) << c.button;
        EXPECT_NE(status->button(c.button)->isChecked(), before) << c.button;
        QTest::keyClick(edit(), c.key); // from the command line too
        EXPECT_EQ((owned->*c.state)(), before) << c.button;
        status->button(c.button)->click();
        EXPECT_NE((owned->*c.state)(), before) << c.button;
    }
    // Object snap off and on again keeps the chosen kinds.
    owned->snapSettings().modes = SnapMidpoint;
    owned->setObjectSnap(false);
    owned->setObjectSnap(true);
    EXPECT_EQ(owned->snapSettings().modes & SnapObjects, unsigned(SnapMidpoint));
}

TEST(CursorReadout, StaysBoundedAndShowsNoNegativeZero) {
    EXPECT_EQ(readoutNumber(12.345), "12.35");
    EXPECT_EQ(readoutNumber(-0.001), "0.00");
    EXPECT_EQ(readoutNumber(-0.0), "0.00");
    EXPECT_EQ(readoutNumber(1e300), "1E300");
    EXPECT_EQ(readoutNumber(-1e300), "-1E300");
    EXPECT_LE(readoutNumber(-123456789.5).size(), 14u);
}

} // namespace
} // namespace quadrilo::cad::canvas::test

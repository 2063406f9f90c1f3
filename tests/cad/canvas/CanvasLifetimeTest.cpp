// Windows and what they register: several views of one document all repaint; a window takes
// its commands and the engine's tools with it when it goes, even while one of them waits; a
// window outliving its document is harmless; the system clipboard carries copied entities.
#include "CanvasFixture.h"

#include "cad/Clipboard.h"
#include "cad/DrawingTools.h"
#include "cad/canvas/CanvasDialogs.h"
#include "cad/canvas/SystemClipboard.h"

#include <QClipboard>
#include <QMimeData>
#include <QSignalSpy>

namespace quadrilo::cad::canvas::test {
namespace {

using CanvasLifetime = CanvasFixture;

TEST_F(CanvasLifetime, TwoViewsOfOneDocumentBothRepaint) {
    CadCanvas second(doc);
    QSignalSpy first(canvas.get(), &CadCanvas::drawingChanged);
    QSignalSpy other(&second, &CadCanvas::drawingChanged);
    QSignalSpy prompts(&second, &CadCanvas::promptChanged);
    add(LineShape{{0, 0, 0}, {100, 100, 0}});
    EXPECT_EQ(first.count(), 1);
    EXPECT_EQ(other.count(), 1);
    doc.typeText("LINE"); // the first window's tool, prompting in both
    EXPECT_EQ(prompts.count(), 1);
    doc.inputPoint({0, 0, 0});
    doc.inputPoint({10, 0, 0}); // a line drawn inside the waiting command shows at once
    EXPECT_GE(other.count(), 3);
    doc.cancelCommand();
}

TEST_F(CanvasLifetime, ADeletedWindowLeavesNoCommandBehind) {
    ASSERT_TRUE(doc.command(CmdZoomExtents));
    ASSERT_TRUE(doc.command(CmdLine)) << "the window brings the engine's drawing tools";
    canvas->execute(CmdZoomWindow); // waits for its first corner
    ASSERT_EQ(doc.runner().activeId(), CmdZoomWindow);
    canvas.reset();
    EXPECT_EQ(doc.runner().activeId(), 0) << "its waiting command ended with it";
    EXPECT_FALSE(doc.command(CmdZoomExtents));
    EXPECT_FALSE(doc.command(CmdLine));
    EXPECT_FALSE(doc.typeText("ZE"));
    EXPECT_EQ(doc.promptText(), "Unknown command: ZE");
    EXPECT_FALSE(doc.execute(CmdLayerDialog));
    EXPECT_FALSE(doc.typeText("")) << "nothing to repeat";
    // A new window registers them again.
    CadCanvas again(doc);
    EXPECT_TRUE(doc.execute(CmdZoomExtents));
}

TEST_F(CanvasLifetime, AWindowOutlivingItsDocumentIsHarmless) {
    add(LineShape{{0, 0, 0}, {100, 100, 0}});
    canvas->execute(CmdLine);
    click(50, 50); // a command waits for its second point
    ASSERT_TRUE(engine.deleteDocument(doc));
    EXPECT_FALSE(canvas->hasDocument());
    click(60, 60);
    click(60, 60, Qt::RightButton);
    QTest::keyClick(canvas.get(), Qt::Key_Escape);
    EXPECT_FALSE(canvas->execute(CmdZoomExtents));
    canvas->regen();
    EXPECT_EQ(canvas->grab().size(), canvas->size());
    canvas.reset();
}

TEST_F(CanvasLifetime, TheSystemClipboardCarriesEntitiesAskedForByFormat) {
    SystemClipboard system;
    engine.setClipboard(&system);
    const EntityId load = add(PointShape{{1, 2, 0}});
    Transaction(drawing()).setKindCode(load, 9);
    doc.select(load, true);
    ASSERT_TRUE(doc.copySelection());
    EXPECT_TRUE(QGuiApplication::clipboard()->mimeData()->hasFormat(EntityClipboardMime));
    EXPECT_TRUE(clipboardHoldsEntities(engine.clipboard()));
    const PasteResult pasted = doc.paste({0, 10, 0});
    ASSERT_EQ(pasted.pasted, 1u);
    EXPECT_EQ(drawing().entity(doc.selection().entities()[0])->userData, 9);
    QGuiApplication::clipboard()->setText(QStringLiteral("Nenhuma entidade"));
    EXPECT_FALSE(clipboardHoldsEntities(engine.clipboard()));
    EXPECT_EQ(doc.paste({}).error, PasteError::NothingToPaste);
    engine.setClipboard(nullptr);
}

} // namespace
} // namespace quadrilo::cad::canvas::test

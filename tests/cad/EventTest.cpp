// The nine events: when they fire, with which arguments, and how a result of 1 stops the
// engine's own handling.
#include "CadFixture.h"

#include <sstream>

namespace {

std::string text(const char* what, CadHandle e, double a = 0, double b = 0, double c = 0) {
    std::ostringstream s;
    s << what << ' ' << e << ' ' << a << ' ' << b << ' ' << c;
    return s.str();
}

} // namespace

class Events : public CadFixture {
protected:
    std::vector<std::string> log;
    int moveResult = 0;
    int eraseResult = 0;

    void SetUp() override {
        CadOnEventMouseDblClk([this](CadHandle, double x, double y, double z) {
            log.push_back(text("dblclk", 0, x, y, z));
            CadSetReturnInt(1);
        });
        CadOnEventEntSelect(
            [this](CadHandle, CadHandle e, int on) { log.push_back(text("select", e, on)); });
        CadOnEventEntChange([this](CadHandle, CadHandle e) { log.push_back(text("change", e)); });
        CadOnEventMouseMove([this](CadHandle, double x, double y, double z) {
            log.push_back(text("mouse", 0, x, y, z));
        });
        CadOnEventEntMove([this](CadHandle, CadHandle e, double* dx, double* dy, double* dz) {
            log.push_back(text("move", e, *dx, *dy, *dz));
            if (CadEntityGetUserData(e) == 4)
                *dz = 0; // a column keeps its Z
            CadSetReturnInt(moveResult);
        });
        CadOnEventGripMove(
            [this](CadHandle, CadHandle e, int grip, double* dx, double* dy, double*) {
                log.push_back(text("grip", e, grip, *dx, *dy));
                // Grillage entities cannot be dragged; the other grips of a column neither.
                if (CadEntityGetUserData(e) == 6 || (CadEntityGetUserData(e) == 4 && grip != 0))
                    CadSetReturnInt(1);
            });
        CadOnEventEntErase([this](CadHandle, CadHandle e) {
            log.push_back(text("erase", e));
            CadSetReturnInt(eraseResult);
        });
        CadOnEventEntCreate([this](CadHandle, CadHandle e) { log.push_back(text("create", e)); });
        CadOnEventExecute([this](CadHandle d, int id) {
            log.push_back(text("execute", 0, id));
            if (id != 305)
                return;
            // The structural program's paste: in place, then moved, and never the engine's own.
            if (CadCbHasEntities()) {
                CadCbPaste(d, 0, 0, 0, 0);
                CadExecute(d, 0, 313);
            }
            CadSetReturnInt(1);
        });
    }
};

TEST_F(Events, CreateSelectAndEraseReportTheEntity) {
    const CadHandle a = CadAddPoint(dwg, 1, 1, 0);
    CadSelectEntity(dwg, a, 1);
    CadSelectEntity(dwg, a, 1); // no change, no event
    CadSelectEntity(dwg, a, 0);
    CadEntityErase(a, 1);
    EXPECT_EQ(log, (std::vector<std::string>{text("create", a), text("select", a, 1),
                                             text("select", a, 0), text("erase", a)}));
}

TEST_F(Events, AnEraseHandlerReturningOneKeepsTheEntity) {
    const CadHandle a = CadAddPoint(dwg, 1, 1, 0);
    const CadHandle b = CadAddPoint(dwg, 2, 2, 0);
    eraseResult = 1;
    CadSelectEntity(dwg, a, 1);
    CadSelectEntity(dwg, b, 1);
    EXPECT_EQ(CadSelErase(dwg), 0);
    EXPECT_EQ(CadLayerGetCount(CadGetCurLayer(dwg)), 2);
    eraseResult = 0;
    EXPECT_EQ(CadEntityErase(a, 1), 1);
}

TEST_F(Events, MoveCommandReportsEachEntityBeforeMovingItAndObeysTheResult) {
    const CadHandle column = CadAddPoint(dwg, 0, 0, 0);
    CadEntityPutUserData(column, 4);
    const CadHandle other = CadAddLine(dwg, 0, 0, 0, 10, 0, 0);
    CadSelectEntity(dwg, column, 1);
    CadSelectEntity(dwg, other, 1);
    log.clear();

    CadExecute(dwg, 0, 313);
    CadInputPoint(dwg, 0, 0, 0);
    CadInputPoint(dwg, 10, 0, 5);
    EXPECT_EQ(log,
              (std::vector<std::string>{text("execute", 0, 313), text("move", column, 10, 0, 5),
                                        text("move", other, 10, 0, 5)}));
    EXPECT_EQ(CadEntityGetPoint(column), (CadPoint{10, 0, 0})) << "the handler changed dz";
    EXPECT_EQ(CadLineGetEnd(other), (CadPoint{20, 0, 5}));

    moveResult = 1;
    CadExecute(dwg, 0, 313);
    CadInputPoint(dwg, 0, 0, 0);
    CadInputPoint(dwg, 5, 5, 0);
    EXPECT_EQ(CadLineGetEnd(other), (CadPoint{20, 0, 5})) << "result 1: not moved";
}

TEST_F(Events, MoveWithoutSelectionPicksObjectsFirst) {
    const CadHandle line = CadAddLine(dwg, 0, 0, 0, 10, 0, 0);
    CadExecute(dwg, 0, 313);
    CadInputPoint(dwg, 5, 0.5, 0); // picks the line
    CadInputText(dwg, "");         // ends the selection
    CadInputText(dwg, "0,0");
    CadInputText(dwg, "@0,100");
    EXPECT_EQ(CadLineGetStart(line), (CadPoint{0, 100, 0}));
}

TEST_F(Events, GripDragsAreReportedAndCanBeRefused) {
    const CadHandle beam = CadAddLine(dwg, 0, 0, 0, 100, 0, 0);
    const CadHandle node = CadAddPoint(dwg, 0, 0, 0);
    CadEntityPutUserData(node, 6);
    ASSERT_EQ(CadGripCount(beam), 2);
    EXPECT_EQ(CadGripGet(beam, 1), (CadPoint{100, 0, 0}));
    log.clear();

    EXPECT_EQ(CadGripDrag(beam, 1, 0, 50, 0), 1);
    EXPECT_EQ(CadGripDrag(node, 0, 5, 5, 0), 0);
    EXPECT_EQ(log, (std::vector<std::string>{text("grip", beam, 1, 0, 50), text("change", beam),
                                             text("grip", node, 0, 5, 5)}));
    EXPECT_EQ(CadLineGetEnd(beam), (CadPoint{100, 50, 0}));
    EXPECT_EQ(CadEntityGetPoint(node), (CadPoint{0, 0, 0}));
}

TEST_F(Events, InsertsHaveTheirBasePointAsGripAndMoveWholeByIt) {
    const CadHandle block = CadAddBlock(dwg, "Pilar 30x30", 0, 0, 0);
    CadBlockAddEntity(block, CadAddRect(dwg, 0, 0, 0, 30, 30, 0));
    CadBlockAddEntity(block, CadAddAttrib(dwg, "PILAR", "(Pilar 30x30)", 18, 15, 0));
    const CadHandle column = CadAddInsBlock(dwg, CadBlockGetID(block), 100, 100, 0, 1, 0);
    CadEntityPutUserData(column, 4);
    ASSERT_EQ(CadGripCount(column), 1);
    EXPECT_EQ(CadGripDrag(column, 0, 10, 0, 0), 1);
    EXPECT_EQ(CadEntityGetPoint(column), (CadPoint{110, 100, 0}));
    const auto& ins = std::get<cad::InsertShape>(
        document().drawing().entity(cad::EntityId(CadEntityGetID(column)))->shape);
    EXPECT_EQ(ins.attributes[0].at, (cad::Point3{128, 115, 0})) << "the attribute moves along";
}

TEST_F(Events, PasteTakenOverByTheExecuteHandlerPastesInPlaceThenMovesEachCopy) {
    const CadHandle load = CadAddPoint(dwg, 100, 200, 0);
    CadEntityPutUserData(load, 9);
    const std::vector<std::uint8_t> record = bytes(88, 5);
    CadEntityPutExData(load, record.data(), 88);
    CadSelectEntity(dwg, load, 1);
    ASSERT_EQ(CadExecute(dwg, 0, 304), 1);
    log.clear();

    ASSERT_EQ(CadExecute(dwg, 0, 305), 1);
    ASSERT_EQ(CadCmdActive(dwg), 313) << "the move waits for its base point";
    ASSERT_EQ(CadSelCount(dwg), 1);
    const CadHandle copy = selection()[0];
    EXPECT_NE(CadEntityGetID(copy), CadEntityGetID(load));
    EXPECT_EQ(CadEntityGetPoint(copy), (CadPoint{100, 200, 0})) << "pasted over its source";
    CadInputPoint(dwg, 100, 200, 0);
    CadInputPoint(dwg, 150, 200, 0);
    EXPECT_EQ(log,
              (std::vector<std::string>{text("execute", 0, 305), text("create", copy),
                                        text("execute", 0, 313), text("move", copy, 50, 0, 0)}));
    EXPECT_EQ(exDataOf(copy), record);
    EXPECT_EQ(CadEntityGetUserData(copy), 9);
}

TEST_F(Events, PasteWithTextOnTheClipboardPastesNothing) {
    cad::MemoryClipboard text;
    text.setData("text/plain", {'h', 'i'});
    engine.setClipboard(&text);
    CadExecute(dwg, 0, 305);
    EXPECT_EQ(CadCmdActive(dwg), 0);
    EXPECT_EQ(CadLayerGetCount(CadGetCurLayer(dwg)), 0);
    engine.setClipboard(nullptr);
}

TEST_F(Events, PointerEventsCarryDrawingCoordinates) {
    CadReportMouseMove(dwg, 1.5, 2.5, 0);
    EXPECT_EQ(CadReportDblClick(dwg, 3, 4, 0), 1);
    EXPECT_EQ(
        log, (std::vector<std::string>{text("mouse", 0, 1.5, 2.5, 0), text("dblclk", 0, 3, 4, 0)}));
}

// Commands driven by scripted input: picks, typed coordinates, cancel, Enter, names and aliases.
#include "CadFixture.h"

#include <optional>

namespace {

// A two-corner command written the way the structural commands are: it waits for two points
// and draws a rectangle between them; any other input ends it.
struct TwoCorners {
    std::vector<std::string> log;
    std::optional<CadPoint> first, second;
    int dragCalls = 0;

    void registerIn(CadHandle dwg) {
        CadAddCommand(
            dwg, 11002, "LAJE", "LJ", 0,
            [this](CadHandle d) -> cad::CommandTask {
                log.push_back("start");
                CadCmdPrompt(d, "Entre a 1ra coordenada da laje...", "");
                if (co_await CadCmdUserInput(d) != 1) {
                    log.push_back("ended");
                    co_return;
                }
                first = CadCmdGetInputPoint(d);
                CadCmdAddPoint(d, first->x, first->y, first->z);
                CadCmdSetBasePoint(d, first->x, first->y, first->z);
                CadCmdPrompt(d, "Entre a 2a coordenada da laje...", "");
                if (co_await CadCmdUserInput(d) != 1) {
                    log.push_back("ended");
                    co_return;
                }
                second = CadCmdGetInputPoint(d);
                CadAddRect(d, (first->x + second->x) / 2, (first->y + second->y) / 2, 0,
                           std::abs(second->x - first->x), std::abs(second->y - first->y), 0);
                CadAddPoint(d, first->x, first->y, 0);
                log.push_back("done");
            },
            [this](CadHandle d, int mode, double x, double y, double z) {
                ++dragCalls;
                if (mode != 1)
                    return;
                const CadPoint b = CadCmdGetPoint(d, 0);
                CadDrawLine(d, b.x, b.y, b.z, x, y, z);
                CadDrawAddVertex(d, b.x, b.y, z);
                CadDrawAddVertex(d, x, b.y, z);
                CadDrawAddVertex(d, x, y, z);
                CadDrawPolyline(d, 1);
            });
    }
};

} // namespace

class Commands : public CadFixture {
protected:
    TwoCorners cmd;
    void SetUp() override { cmd.registerIn(dwg); }
    // The waiting command must end while cmd, which it writes to, still exists.
    void TearDown() override { CadDelete(dwg); }
    int entities() { return CadLayerGetCount(CadGetCurLayer(dwg)); }
};

TEST_F(Commands, PicksAndTypedCoordinatesFeedTheSameInput) {
    ASSERT_EQ(CadExecute(dwg, 0, 11002), 1);
    EXPECT_EQ(CadCmdActive(dwg), 11002);
    EXPECT_EQ(CadCmdGetPrompt(dwg), "Entre a 1ra coordenada da laje...");
    ASSERT_EQ(CadInputPoint(dwg, 100, 200, 0), 1);
    ASSERT_EQ(CadInputText(dwg, "@400,500"), 1);
    EXPECT_EQ(cmd.log, (std::vector<std::string>{"start", "done"}));
    EXPECT_EQ(*cmd.second, (CadPoint{500, 700, 0}));
    EXPECT_EQ(CadCmdActive(dwg), 0);
    EXPECT_EQ(entities(), 2);
    // One command, one undo step.
    ASSERT_EQ(CadUndo(dwg), 1);
    EXPECT_EQ(entities(), 0);
}

TEST_F(Commands, AbsoluteTypedCoordinatesAndNamesAreTypableInAnyCase) {
    ASSERT_EQ(CadInputText(dwg, "lj"), 1);
    ASSERT_EQ(CadInputText(dwg, "10.5,-2.25"), 1);
    ASSERT_EQ(CadInputText(dwg, " 20 , 30 , 4 "), 1);
    EXPECT_EQ(*cmd.first, (CadPoint{10.5, -2.25, 0}));
    EXPECT_EQ(*cmd.second, (CadPoint{20, 30, 4}));
    // Enter on an empty command line repeats the last command.
    ASSERT_EQ(CadInputText(dwg, ""), 1);
    EXPECT_EQ(CadCmdActive(dwg), 11002);
    EXPECT_EQ(CadInputText(dwg, "NOSUCH"), 1) << "text goes to the waiting command, which ends";
    EXPECT_EQ(CadCmdActive(dwg), 0);
    EXPECT_EQ(CadInputText(dwg, "NOSUCH"), 0);
    EXPECT_NE(CadCmdGetPrompt(dwg).find("NOSUCH"), std::string::npos);
}

TEST_F(Commands, CancelEscapeAndEnterEndTheCommandWithoutAnEntity) {
    for (auto end : {+[](CadHandle d) { return CadInputCancel(d); },
                     +[](CadHandle d) { return CadInputText(d, ""); },
                     +[](CadHandle d) { return CadInputText(d, "abc"); }}) {
        cmd.log.clear();
        CadExecute(dwg, 0, 11002);
        CadInputPoint(dwg, 0, 0, 0);
        end(dwg);
        EXPECT_EQ(cmd.log, (std::vector<std::string>{"start", "ended"}));
        EXPECT_EQ(CadCmdActive(dwg), 0);
    }
    EXPECT_EQ(entities(), 0);
    EXPECT_EQ(CadUndo(dwg), 0) << "an ended command leaves no empty undo step";
}

TEST_F(Commands, StartingAnotherCommandOrClosingTheDrawingCancelsTheWaitingOne) {
    CadExecute(dwg, 0, 11002);
    CadInputPoint(dwg, 0, 0, 0);
    CadExecute(dwg, 0, 313); // move, which waits for objects
    EXPECT_EQ(cmd.log, (std::vector<std::string>{"start", "ended"}));
    EXPECT_EQ(CadCmdActive(dwg), 313);

    CadInputCancel(dwg);
    CadExecute(dwg, 0, 11002);
    CadDelete(dwg);
    EXPECT_EQ(cmd.log.back(), "ended");
}

TEST_F(Commands, TheDragCallbackDrawsTheRubberBandOnlyWhileWaiting) {
    EXPECT_TRUE(CadInputDrag(dwg, 5, 5, 0).empty());
    CadExecute(dwg, 0, 11002);
    CadInputPoint(dwg, 10, 10, 0);
    const auto band = CadInputDrag(dwg, 30, 40, 0);
    ASSERT_EQ(band.size(), 2u);
    EXPECT_EQ(band[0].points.back(), (cad::Point3{30, 40, 0}));
    EXPECT_EQ(band[1].points.size(), 3u);
    EXPECT_TRUE(band[1].closed);
    // Drawing calls outside the drag callback draw nothing.
    CadDrawLine(dwg, 0, 0, 0, 1, 1, 0);
    EXPECT_EQ(CadInputDrag(dwg, 30, 40, 0).size(), 2u);
}

TEST_F(Commands, RegistrationRefusesTakenIdsAndNames) {
    auto noop = [](CadHandle) -> cad::CommandTask { co_return; };
    EXPECT_EQ(CadAddCommand(dwg, 11002, "OUTRO", "", 0, noop, {}), 0);
    EXPECT_EQ(CadAddCommand(dwg, 11001, "laje", "", 0, noop, {}), 0);
    EXPECT_EQ(CadAddCommand(dwg, 11001, "VIGA", "LJ", 0, noop, {}), 0);
    EXPECT_EQ(CadAddCommand(dwg, 11001, "VIGA", "VG", 0, noop, {}), 1);
    EXPECT_EQ(CadExecute(dwg, 0, 999), 0);
}

TEST_F(Commands, AFailingCommandEndsWithItsErrorShownAndItsChangesKeptAsOneStep) {
    CadAddCommand(dwg, 11009, "DDIAG", "DG", 0,
                  [](CadHandle d) -> cad::CommandTask {
                      CadAddPoint(d, 0, 0, 0);
                      if (co_await CadCmdUserInput(d) == 1)
                          throw std::runtime_error("floating-point error");
                  },
                  {});
    CadExecute(dwg, 0, 11009);
    CadInputPoint(dwg, 1, 1, 0);
    EXPECT_EQ(CadCmdActive(dwg), 0);
    EXPECT_NE(CadCmdGetPrompt(dwg).find("floating-point error"), std::string::npos)
        << CadCmdGetPrompt(dwg);
    EXPECT_EQ(entities(), 1);
}

TEST_F(Commands, ACommandMayAwaitASubCommand) {
    auto twoPoints = [](CadHandle d, std::vector<CadPoint>& out) -> cad::CommandTask {
        for (int i = 0; i < 2; ++i) {
            if (co_await CadCmdUserInput(d) != 1)
                co_return;
            out.push_back(CadCmdGetInputPoint(d));
        }
    };
    std::vector<CadPoint> got;
    CadAddCommand(dwg, 11010, "DLOCLOAD", "DLL", 0,
                  [&](CadHandle d) -> cad::CommandTask {
                      co_await twoPoints(d, got);
                      co_await twoPoints(d, got);
                  },
                  {});
    CadInputText(dwg, "DLL");
    for (int i = 0; i < 4; ++i)
        CadInputPoint(dwg, i, i, 0);
    EXPECT_EQ(got.size(), 4u);
    EXPECT_EQ(CadCmdActive(dwg), 0);
}

struct CoordinateCase {
    const char* text;
    std::optional<cad::Point3> expected;
};

class Coordinates : public ::testing::TestWithParam<CoordinateCase> {};

TEST_P(Coordinates, AreReadWithPointAsDecimalSeparator) {
    const auto got = cad::parseCoordinates(GetParam().text, cad::Point3{100, 100, 5});
    ASSERT_EQ(got.has_value(), GetParam().expected.has_value()) << GetParam().text;
    if (got) {
        EXPECT_EQ(*got, *GetParam().expected) << GetParam().text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, Coordinates,
    ::testing::Values(CoordinateCase{"1,2", cad::Point3{1, 2, 5}},
                      CoordinateCase{"1,2,3", cad::Point3{1, 2, 3}},
                      CoordinateCase{"-1.5,+2e2", cad::Point3{-1.5, 200, 5}},
                      CoordinateCase{"@10,-10", cad::Point3{110, 90, 5}},
                      CoordinateCase{"@0,0,1", cad::Point3{100, 100, 6}},
                      CoordinateCase{"1,5;2", std::nullopt}, CoordinateCase{"1", std::nullopt},
                      CoordinateCase{"1,2,3,4", std::nullopt}, CoordinateCase{"1,", std::nullopt},
                      CoordinateCase{"nan,1", std::nullopt}, CoordinateCase{"LAJE", std::nullopt},
                      CoordinateCase{"", std::nullopt}));

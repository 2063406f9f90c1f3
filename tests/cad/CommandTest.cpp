// Commands driven by scripted input: picks, typed coordinates, cancel, Enter, names and aliases,
// registration by an owner, and a failing command taking its partial change back.
#include "CadFixture.h"

#include <optional>

namespace quadrilo::cad::test {
namespace {

// A two-corner command written the way the structural commands are: it waits for two points
// and draws a rectangle between them; any other input ends it.
struct TwoCorners {
    std::vector<std::string> log;
    std::optional<Point3> first, second;

    CommandTask run(Document& d) {
        CommandRunner& in = d.runner();
        log.push_back("start");
        d.prompt("Entre a 1ra coordenada da laje...");
        if (co_await in.nextInput() != int(InputKind::Point)) {
            log.push_back("ended");
            co_return;
        }
        first = in.inputPoint();
        in.points().push_back(*first);
        in.setBasePoint(*first);
        d.prompt("Entre a 2a coordenada da laje...");
        if (co_await in.nextInput() != int(InputKind::Point)) {
            log.push_back("ended");
            co_return;
        }
        second = in.inputPoint();
        Transaction tx(d.drawing());
        tx.add(Entity{.shape = rectangle((*first + *second) * 0.5, std::abs(second->x - first->x),
                                         std::abs(second->y - first->y), 0)});
        tx.add(Entity{.shape = PointShape{*first}});
        log.push_back("done");
    }
    void drag(Document& d, int mode, const Point3& cursor) {
        if (mode != 1)
            return;
        CommandRunner& in = d.runner();
        const Point3 b = in.points().at(0);
        in.drawLine(b, cursor);
        in.drawAddVertex({b.x, b.y, cursor.z});
        in.drawAddVertex({cursor.x, b.y, cursor.z});
        in.drawAddVertex(cursor);
        in.drawPolyline(true);
    }
};

class Commands : public CadFixture {
protected:
    TwoCorners cmd;
    Subscription laje =
        doc.addCommand(CommandDef{11002, "LAJE", "LJ", 0, [this] { return cmd.run(doc); },
                                  [this](int mode, const Point3& p) { cmd.drag(doc, mode, p); }});
    bool deleted = false;
    // The waiting command must end while cmd, which it writes to, still exists.
    void TearDown() override {
        if (!deleted)
            doc.cancelCommand();
    }
};

TEST_F(Commands, PicksAndTypedCoordinatesFeedTheSameInput) {
    ASSERT_TRUE(laje);
    ASSERT_TRUE(doc.execute(11002));
    EXPECT_EQ(doc.runner().activeId(), 11002);
    EXPECT_EQ(doc.promptText(), "Entre a 1ra coordenada da laje...");
    ASSERT_TRUE(doc.inputPoint({100, 200, 0}));
    ASSERT_TRUE(doc.typeText("@400,500"));
    EXPECT_EQ(cmd.log, (std::vector<std::string>{"start", "done"}));
    EXPECT_EQ(*cmd.second, (Point3{500, 700, 0}));
    EXPECT_EQ(doc.runner().activeId(), 0);
    EXPECT_EQ(count(), 2u);
    // One command, one undo step.
    ASSERT_TRUE(doc.undo());
    EXPECT_EQ(count(), 0u);
}

TEST_F(Commands, AbsoluteTypedCoordinatesAndNamesAreTypableInAnyCase) {
    ASSERT_TRUE(doc.typeText("lj"));
    ASSERT_TRUE(doc.typeText("10.5,-2.25"));
    ASSERT_TRUE(doc.typeText(" 20 , 30 , 4 "));
    EXPECT_EQ(*cmd.first, (Point3{10.5, -2.25, 0}));
    EXPECT_EQ(*cmd.second, (Point3{20, 30, 4}));
    // Enter on an empty command line repeats the last command.
    ASSERT_TRUE(doc.typeText(""));
    EXPECT_EQ(doc.runner().activeId(), 11002);
    EXPECT_TRUE(doc.typeText("NOSUCH")) << "text goes to the waiting command, which ends";
    EXPECT_EQ(doc.runner().activeId(), 0);
    EXPECT_FALSE(doc.typeText("NOSUCH"));
    EXPECT_EQ(doc.promptText(), "Unknown command: NOSUCH");
}

TEST_F(Commands, CancelEscapeAndEnterEndTheCommandWithoutAnEntity) {
    for (auto end : {+[](Document& d) { d.cancelCommand(); }, +[](Document& d) { d.typeText(""); },
                     +[](Document& d) { d.typeText("abc"); }}) {
        cmd.log.clear();
        doc.execute(11002);
        doc.inputPoint({0, 0, 0});
        end(doc);
        EXPECT_EQ(cmd.log, (std::vector<std::string>{"start", "ended"}));
        EXPECT_EQ(doc.runner().activeId(), 0);
    }
    EXPECT_EQ(count(), 0u);
    EXPECT_FALSE(doc.undo()) << "an ended command leaves no empty undo step";
}

TEST_F(Commands, StartingAnotherCommandOrClosingTheDrawingCancelsTheWaitingOne) {
    doc.execute(11002);
    doc.inputPoint({0, 0, 0});
    doc.execute(CmdMove); // move, which waits for objects
    EXPECT_EQ(cmd.log, (std::vector<std::string>{"start", "ended"}));
    EXPECT_EQ(doc.runner().activeId(), CmdMove);
    EXPECT_EQ(doc.promptText(), "Select objects (right button - stop)");

    doc.cancelCommand();
    doc.execute(11002);
    ASSERT_TRUE(engine.deleteDocument(doc));
    deleted = true;
    EXPECT_EQ(cmd.log.back(), "ended");
}

TEST_F(Commands, TheDragCallbackDrawsTheRubberBandOnlyWhileWaiting) {
    EXPECT_TRUE(doc.runner().drag({5, 5, 0}).empty());
    doc.execute(11002);
    doc.inputPoint({10, 10, 0});
    const auto band = doc.runner().drag({30, 40, 0});
    ASSERT_EQ(band.size(), 2u);
    EXPECT_EQ(band[0].points.back(), (Point3{30, 40, 0}));
    EXPECT_EQ(band[1].points.size(), 3u);
    EXPECT_TRUE(band[1].closed);
    // Drawing calls outside the drag callback draw nothing.
    doc.runner().drawLine({0, 0, 0}, {1, 1, 0});
    EXPECT_EQ(doc.runner().drag({30, 40, 0}).size(), 2u);
}

TEST_F(Commands, RegistrationRefusesTakenIdsAndNamesAndEndsWithItsToken) {
    auto noop = [] { return immediately([] {}); };
    EXPECT_FALSE(doc.addCommand(CommandDef{11002, "OUTRO", "", 0, noop}));
    EXPECT_FALSE(doc.addCommand(CommandDef{11001, "laje", "", 0, noop}));
    EXPECT_FALSE(doc.addCommand(CommandDef{11001, "VIGA", "LJ", 0, noop}));
    Subscription viga = doc.addCommand(CommandDef{11001, "VIGA", "VG", 0, noop});
    EXPECT_TRUE(viga);
    EXPECT_FALSE(doc.execute(999));
    // Its owner gone, the command goes too, also while it waits.
    doc.execute(11002);
    laje.reset();
    EXPECT_EQ(cmd.log.back(), "ended");
    EXPECT_EQ(doc.command(11002), nullptr);
    EXPECT_FALSE(doc.typeText("LJ"));
    EXPECT_FALSE(doc.typeText("")) << "Enter repeats no command that is gone";
}

TEST_F(Commands, AFailingCommandEndsWithItsErrorShownAndItsPartialChangeTakenBack) {
    Subscription diag = doc.addCommand(
        CommandDef{11009, "DDIAG", "DG", 0, [this]() -> CommandTask {
                       Transaction(drawing()).add(Entity{.shape = PointShape{}});
                       if (co_await doc.runner().nextInput() == int(InputKind::Point))
                           throw std::runtime_error("floating-point error");
                   }});
    add(PointShape{{5, 5, 0}});
    const auto before = snapshot();
    doc.execute(11009);
    EXPECT_EQ(count(), 2u);
    doc.inputPoint({1, 1, 0});
    EXPECT_EQ(doc.runner().activeId(), 0);
    EXPECT_EQ(doc.promptText(), "Command failed: floating-point error");
    EXPECT_EQ(snapshot(), before);
    EXPECT_TRUE(doc.undo()) << "the earlier step is still the last one";
    EXPECT_EQ(count(), 0u);
}

TEST_F(Commands, ACommandMayAwaitASubCommand) {
    std::vector<Point3> got;
    auto twoPoints = [this](std::vector<Point3>& out) -> CommandTask {
        for (int i = 0; i < 2; ++i) {
            if (co_await doc.runner().nextInput() != int(InputKind::Point))
                co_return;
            out.push_back(doc.runner().inputPoint());
        }
    };
    Subscription load =
        doc.addCommand(CommandDef{11010, "DLOCLOAD", "DLL", 0, [&]() -> CommandTask {
                                      co_await twoPoints(got);
                                      co_await twoPoints(got);
                                  }});
    doc.typeText("DLL");
    for (int i = 0; i < 4; ++i)
        doc.inputPoint({double(i), double(i), 0});
    EXPECT_EQ(got.size(), 4u);
    EXPECT_EQ(doc.runner().activeId(), 0);
}

struct CoordinateCase {
    const char* text;
    std::optional<Point3> expected;
};

class Coordinates : public ::testing::TestWithParam<CoordinateCase> {};

TEST_P(Coordinates, AreReadWithPointAsDecimalSeparator) {
    const auto got = parseCoordinates(GetParam().text, Point3{100, 100, 5});
    ASSERT_EQ(got.has_value(), GetParam().expected.has_value()) << GetParam().text;
    if (got) {
        EXPECT_EQ(*got, *GetParam().expected) << GetParam().text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, Coordinates,
    ::testing::Values(CoordinateCase{"1,2", Point3{1, 2, 5}},
                      CoordinateCase{"1,2,3", Point3{1, 2, 3}},
                      CoordinateCase{"-1.5,+2e2", Point3{-1.5, 200, 5}},
                      CoordinateCase{"@10,-10", Point3{110, 90, 5}},
                      CoordinateCase{"@0,0,1", Point3{100, 100, 6}},
                      CoordinateCase{"1,5;2", std::nullopt}, CoordinateCase{"1", std::nullopt},
                      CoordinateCase{"1,2,3,4", std::nullopt}, CoordinateCase{"1,", std::nullopt},
                      CoordinateCase{"nan,1", std::nullopt}, CoordinateCase{"LAJE", std::nullopt},
                      CoordinateCase{"", std::nullopt},
                      CoordinateCase{"@10<0", Point3{110, 100, 5}},
                      CoordinateCase{"@100<90", Point3{100, 200, 5}},
                      CoordinateCase{"20<0", Point3{20, 0, 5}}, CoordinateCase{"<45", std::nullopt},
                      CoordinateCase{"10<", std::nullopt}, CoordinateCase{"@1<2<3", std::nullopt}));

} // namespace
} // namespace quadrilo::cad::test

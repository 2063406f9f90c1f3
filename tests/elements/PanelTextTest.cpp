// Panel texts: numbers with "." decimals, names cut by characters, the handle a panel carries, and
// the torsion formula's own parser.
#include "elements/PanelText.h"
#include "elements/TorsionFormula.h"

#include "ElementsFixture.h"

#include <gtest/gtest.h>

namespace quadrilo::elements {
namespace {

using test::RefusalOf;

TEST(PanelText, NumbersReadWithAPointOnly) {
    EXPECT_EQ(*ReadNumber(" 12.5 "), 12.5);
    for (const char* text : {"", "1,5", "abc", "nan"}) {
        EXPECT_EQ(RefusalOf(ReadNumber(text)),
                  InputRefusal("'" + std::string(text) + "' is not a valid floating point value"));
    }
}

TEST(PanelText, NamesAreCutByCharactersNotBytes) {
    const std::string accented = "Laje ção " + std::string(45, 'x'); // 54 characters
    EXPECT_EQ(CutName(accented), "Laje ção " + std::string(41, 'x'));
    EXPECT_EQ(CutName("Laje"), "Laje");
}

TEST(PanelText, HandlesOfFilledAndClearedPanels) {
    EXPECT_EQ(HandleText(1234), "1234");
    EXPECT_EQ(PanelHandle("1234"), 1234);
    for (const char* none : {"0000:0000", "", "0", "12a"}) {
        EXPECT_EQ(PanelHandle(none), std::nullopt) << none;
    }
}

TEST(TorsionFormula, EachFormulaKeepsItsOwnCompileAndVariables) {
    auto slab = TorsionFormula::Compile("(b*h^3)/6");
    auto beam = TorsionFormula::Compile("(b^3*h)/3");
    ASSERT_TRUE(slab.Ok() && beam.Ok());
    EXPECT_DOUBLE_EQ(*slab->Evaluate(500, 12), 144000);
    EXPECT_DOUBLE_EQ(*beam->Evaluate(20, 50), 8000.0 * 50 / 3);
    EXPECT_DOUBLE_EQ(*slab->Evaluate(400, 12), 115200);
    EXPECT_EQ(*TorsionFormula::Compile("")->Evaluate(3, 4), 0);
    EXPECT_EQ(RefusalOf(TorsionFormula::Compile("Ec*b")).kind, Refusal::Kind::Input);
    EXPECT_EQ(RefusalOf(TorsionFormula::Compile("b/(h-h)")->Evaluate(1, 2)),
              InputRefusal("Floating point division by zero"));
}

} // namespace
} // namespace quadrilo::elements

// The project record read from its editors, all or nothing.
#include "app/projectdata/ProjectFields.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quadrilo::app {
namespace {

TProjectData defaults() {
    TProjectData record;
    ResetProjectData(record, 0x00FF8000);
    return record;
}

TEST(ProjectFields, ShownRecordReadsBackBitForBit) {
    TProjectData record = defaults();
    record.Ec = 4760.0 * std::sqrt(21.0) * 1000.0; // more digits than the edit shows
    record.Gc = record.Ec * 0.4;
    record.PELaje = 0.1 + 0.2;
    record.XMax = 812.5;
    record.StepY = 1.0 / 3.0;
    record.Memo = "linha 1\r\nlinha 2\r\n";
    const ProjectFieldsResult read = ReadProjectFields(ShowProjectFields(record), record);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.record.Encode(), record.Encode());
}

TEST(ProjectFields, OneBadFieldChangesNothing) {
    const TProjectData record = defaults();
    ProjectFieldTexts texts = ShowProjectFields(record);
    texts.fck = "30";
    texts.PELaje = "24";
    texts.LoadFact = "pp+1.4*ca";
    texts.Ec = "3,2E7"; // a comma decimal
    const ProjectFieldsResult read = ReadProjectFields(texts, record);
    ASSERT_EQ(read.problems.size(), 1u);
    EXPECT_EQ(read.problems[0].editor, "edtEc");
    EXPECT_FALSE(read.problems[0].refused);
    EXPECT_EQ(read.problems[0].message, "\"3,2E7\" não é um número válido em Ec.");
    EXPECT_EQ(read.record.Encode(), record.Encode());
}

struct GridCase {
    const char* fck;
    const char* nDX;
    const char* nDY;
    std::vector<std::string> refusedEditors; // empty: stored
};

class ProjectRanges : public ::testing::TestWithParam<GridCase> {};

TEST_P(ProjectRanges, NumbersTheRecordCannotHoldAreRefused) {
    const GridCase& c = GetParam();
    const TProjectData record = defaults();
    ProjectFieldTexts texts = ShowProjectFields(record);
    texts.fck = c.fck;
    texts.nDX = c.nDX;
    texts.nDY = c.nDY;
    const ProjectFieldsResult read = ReadProjectFields(texts, record);
    std::vector<std::string> refused;
    for (const FieldProblem& p : read.problems) {
        EXPECT_TRUE(p.refused) << p.message;
        EXPECT_EQ(p.message.rfind("Erro: ", 0), 0u) << p.message;
        refused.push_back(p.editor);
    }
    EXPECT_EQ(refused, c.refusedEditors);
    if (c.refusedEditors.empty()) {
        EXPECT_EQ(read.record.fck, std::stoi(c.fck));
        EXPECT_EQ(read.record.nDX, std::stoi(c.nDX));
        EXPECT_EQ(read.record.nDY, std::stoi(c.nDY));
    } else {
        EXPECT_EQ(read.record.Encode(), record.Encode()); // the last good values stay
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProjectRanges,
    ::testing::Values(GridCase{"255", "10", "10", {}}, GridCase{"0", "1", "1", {}},
                      GridCase{"300", "10", "10", {"edtfck"}},
                      GridCase{"-1", "10", "10", {"edtfck"}}, GridCase{"20", "0", "10", {"edtdX"}},
                      GridCase{"20", "10", "-3", {"edtdY"}},
                      // 180 x 180: 32761 nodes, 65160 bars, both within the 16-bit counters
                      GridCase{"20", "180", "180", {}},
                      // 255 x 255: 65536 nodes
                      GridCase{"20", "255", "255", {"edtdX", "edtdY"}},
                      // 200 x 200: 40401 nodes but 80400 bars
                      GridCase{"20", "200", "200", {"edtdX", "edtdY"}},
                      GridCase{"20", "70000", "1", {"edtdX"}}),
    [](const ::testing::TestParamInfo<GridCase>& info) {
        std::string name =
            std::string("fck") + info.param.fck + "_grid" + info.param.nDX + "x" + info.param.nDY;
        for (char& c : name)
            if (c == '-')
                c = 'm';
        return name;
    });

TEST(ProjectFields, CountsTakeWholeNumbersOnly) {
    ProjectFieldTexts texts = ShowProjectFields(defaults());
    texts.fck = "20.5";
    texts.nDX = "1e1";
    const ProjectFieldsResult read = ReadProjectFields(texts, defaults());
    ASSERT_EQ(read.problems.size(), 2u);
    EXPECT_EQ(read.problems[0].message, "\"20.5\" não é um número inteiro válido em fck.");
    EXPECT_EQ(read.problems[1].editor, "edtdX");
}

TEST(ProjectFields, MemoLinesEndInCrLfAndAreCutAt255Characters) {
    EXPECT_EQ(MemoToRecord("abc"), "abc\r\n");
    EXPECT_EQ(MemoToRecord("a\nb"), "a\r\nb\r\n");
    EXPECT_EQ(MemoToRecord(""), "");
    EXPECT_EQ(MemoFromRecord("abc\r\n"), "abc");
    EXPECT_EQ(MemoFromRecord(MemoToRecord("a\nb")), "a\nb");
    const std::string long300(300, 'x');
    EXPECT_EQ(MemoToRecord(long300), std::string(255, 'x'));
    // Characters, not bytes: "ç" is two bytes of UTF-8 and one of the record's code page.
    EXPECT_EQ(CutCharacters("çãoé", 3), "çã"
                                        "o");
}

TEST(ProjectFields, FormulasAreCutAt255Characters) {
    ProjectFieldTexts texts = ShowProjectFields(defaults());
    texts.LoadFact = std::string(260, 'p');
    const ProjectFieldsResult read = ReadProjectFields(texts, defaults());
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.record.LoadFact.size(), 255u);
}

} // namespace
} // namespace quadrilo::app

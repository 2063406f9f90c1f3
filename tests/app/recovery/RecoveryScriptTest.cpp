// A script and the start-up's question about recovered work: the answers before its first other
// line are the question's.
#include "../ScriptFixture.h"
#include "RecoveryFixture.h"

namespace quadrilo::app::test {
namespace {

class RecoveryScript : public ScriptFixture {
protected:
    void SetUp() override { holdStartUpQuestions = true; }
};

TEST_F(RecoveryScript, TheFirstAnswersOfTheScriptAnswerTheQuestion) {
    const struct {
        const char* script;
        int failures;
        std::size_t recoveredLines;
        bool workKept;
    } cases[] = {
        {"ANSWER Recuperar\nSET edtfck 30\n", 0, 1, false},
        {"# a comment first\nANSWER Descartar\nSET edtfck 30\n", 0, 0, false},
        {"ANSWER Descartar\n", 0, 0, false}, // a script of answers alone: asked at its end
        {"SET edtfck 30\nANSWER Recuperar\n", 1, 0, true}, // too late: asked at line 1
    };
    cad::canvas::test::ensureApplication();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.script);
        CadSession dead;
        ASSERT_TRUE(dead.addConstructionLine({0, 150, 0}, {1, 0, 0}));
        const RecoverySlot slot =
            LeaveCrashedSession(QDir(home).filePath(QStringLiteral("Recovery")), dead.document(),
                                {QString(), QDateTime::currentDateTimeUtc()});
        const qsizetype askedBefore = prompts.asked().size();
        start();
        EXPECT_EQ(prompts.asked().size(), askedBefore) << "no question before the script";

        EXPECT_EQ(run(QString::fromLatin1(c.script), false), c.failures) << err.toStdString();
        EXPECT_EQ(ConstructionLines(drawing()).size(), c.recoveredLines);
        EXPECT_EQ(slot.hasFiles(), c.workKept);
        if (c.failures > 0) {
            EXPECT_TRUE(err.contains(QStringLiteral("teste.qscript:1: no ANSWER")))
                << err.toStdString();
        }
        stop();
        if (c.workKept)
            (void)slot.removeFiles();
        unanswered.clear();
        prompts.clearAnswers();
    }
}

} // namespace
} // namespace quadrilo::app::test

// The recovery files without the window: the note's text, the lock that keeps running programs'
// files apart, and what a program that died leaves to be found.
#include "RecoveryFixture.h"

#include "app/drawing/CadSession.h"
#include "app/recovery/CrashedSessions.h"

#include "cad/canvas/CanvasFixture.h"

#include <QDir>
#include <QTemporaryDir>

namespace quadrilo::app::test {
namespace {

QDateTime at(const char* iso) {
    return QDateTime::fromString(QString::fromLatin1(iso), Qt::ISODate);
}

TEST(RecoveryNote, ReadsBackWhatItWrote) {
    const RecoveryNote notes[] = {
        {QString(), at("2026-12-11T10:00:00Z")}, // never saved
        {QStringLiteral("/home/eng/Drawings/pavimento tipo.vec"), at("2026-01-02T03:04:05Z")},
        // characters that a line-based note would break on, and non-ASCII
        {QStringLiteral("/tmp/a%20b=c\nsegunda linha/térreo 100%.vec"), at("2030-06-30T23:59:59Z")},
    };
    for (const RecoveryNote& note : notes) {
        const QByteArray text = EncodeRecoveryNote(note);
        EXPECT_EQ(text.count('\n'), 3) << text.toStdString();
        const std::optional<RecoveryNote> back = DecodeRecoveryNote(text);
        ASSERT_TRUE(back) << text.toStdString();
        EXPECT_EQ(back->drawingPath, note.drawingPath);
        EXPECT_EQ(back->writtenAt, note.writtenAt);
        EXPECT_EQ(back->unnamed(), note.drawingPath.isEmpty());
    }
}

TEST(RecoveryNote, RefusesWhatIsNoNote) {
    const char* const texts[] = {
        "",
        "drawing=/a.vec\nwritten=2026-12-11T10:00:00Z\n",     // no header
        "Quadrilo recovery\nwritten=2026-12-11T10:00:00Z\n",  // no drawing
        "Quadrilo recovery\ndrawing=/a.vec\n",                // no time
        "Quadrilo recovery\ndrawing=/a.vec\nwritten=ontem\n", // no time
        "\x89PNG\r\n\x1a\n",
    };
    for (const char* text : texts)
        EXPECT_FALSE(DecodeRecoveryNote(QByteArray(text))) << text;
}

class RecoverySessions : public ::testing::Test {
protected:
    RecoverySessions() { cad::canvas::test::ensureApplication(); }
    QTemporaryDir temp;
    QString folder = temp.filePath(QStringLiteral("Recovery"));
    // Two drawings, each with a construction line of its own.
    CadSession first, second;
    void SetUp() override {
        ASSERT_TRUE(first.addConstructionLine({0, 100, 0}, {1, 0, 0}));
        ASSERT_TRUE(second.addConstructionLine({0, 200, 0}, {1, 0, 0}));
    }
    RecoveryNote noteOf(const char* path) {
        return {QString::fromLatin1(path), at("2026-12-11T10:00:00Z")};
    }
};

TEST_F(RecoverySessions, TwoRunningProgramsKeepSeparateFilesAndNeitherIsOfferedWhileItRuns) {
    const auto a = RecoverySession::claim(folder);
    const auto b = RecoverySession::claim(folder);
    ASSERT_TRUE(a && b);
    EXPECT_NE(a->slot().number, b->slot().number);
    EXPECT_NE(a->slot().lockPath(), b->slot().lockPath());
    ASSERT_TRUE(a->write(first.document(), noteOf("/a.vec")));
    ASSERT_TRUE(b->write(second.document(), noteOf("/b.vec")));
    ASSERT_TRUE(a->write(first.document(), noteOf("/a.vec"))); // again: a's own file only

    EXPECT_EQ(ConstructionLinesInFile(a->slot().drawingPath()),
              (std::vector<cad::Point3>{{0, 100, 0}}));
    EXPECT_EQ(ConstructionLinesInFile(b->slot().drawingPath()),
              (std::vector<cad::Point3>{{0, 200, 0}}));
    EXPECT_EQ(ReadRecoveryNote(b->slot().notePath())->drawingPath, QStringLiteral("/b.vec"));
    EXPECT_TRUE(FindCrashedSessions(folder).empty()) << "both programs run";

    // b ends cleanly; a's files stay, and a third program takes neither slot while a runs.
    b->clear();
    EXPECT_FALSE(b->slot().hasFiles());
    EXPECT_TRUE(a->slot().hasFiles());
    const auto c = RecoverySession::claim(folder);
    ASSERT_TRUE(c);
    EXPECT_NE(c->slot().number, a->slot().number);
}

TEST_F(RecoverySessions, ADeadProgramsFilesAreFoundNewestFirstAndTheirSlotsAreNotReused) {
    const RecoverySlot older = LeaveCrashedSession(
        folder, first.document(), {QStringLiteral("/old.vec"), at("2026-12-10T08:00:00Z")});
    const RecoverySlot newer =
        LeaveCrashedSession(folder, second.document(), {QString(), at("2026-12-11T08:00:00Z")});
    // A note left without its drawing holds no work.
    const RecoverySlot empty{folder, 7};
    WriteRecoveryNote(empty.notePath(), noteOf("/x.vec"));

    const auto running = RecoverySession::claim(folder);
    ASSERT_TRUE(running);
    for (const RecoverySlot& dead : {older, newer})
        EXPECT_NE(running->slot().number, dead.number)
            << "a dead program's work is not overwritten";

    std::vector<CrashedSession> found = FindCrashedSessions(folder);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].slot.number, newer.number);
    EXPECT_TRUE(found[0].note.unnamed());
    EXPECT_EQ(found[1].slot.number, older.number);
    EXPECT_EQ(found[1].note.drawingPath, QStringLiteral("/old.vec"));
    EXPECT_FALSE(empty.hasFiles());
    EXPECT_TRUE(FindCrashedSessions(folder).empty()) << "held while the user decides";
    found.clear();
    EXPECT_EQ(FindCrashedSessions(folder).size(), 2u);
}

TEST_F(RecoverySessions, KeptAsideFilesAreNeitherOfferedNorOverwritten) {
    const RecoverySlot slot = LeaveCrashedSession(folder, first.document(), noteOf("/a.vec"));
    const QByteArray bytes = FileBytes(slot.drawingPath());
    const QString aside = slot.keepAside();
    EXPECT_EQ(aside, slot.drawingPath() + QStringLiteral(".damaged"));
    EXPECT_EQ(FileBytes(aside), bytes);
    EXPECT_FALSE(slot.hasFiles());
    EXPECT_TRUE(FindCrashedSessions(folder).empty());

    // The same slot damaged again keeps both.
    (void)LeaveCrashedSession(folder, second.document(), noteOf("/a.vec"));
    EXPECT_EQ(slot.keepAside(), slot.drawingPath() + QStringLiteral(".damaged-2"));
    EXPECT_EQ(FileBytes(aside), bytes);
}

} // namespace
} // namespace quadrilo::app::test

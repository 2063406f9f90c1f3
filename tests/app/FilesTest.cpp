// The program's own files: start drawing, recent files, profile, file association.
#include "AppFixture.h"

#include "app/documents/FileAssociation.h"
#include "app/documents/RecentFiles.h"
#include "app/drawing/StartDrawing.h"
#include "app/documents/UserProfile.h"

#include "cad/DrawingFile.h"

#include <QFile>

namespace quadrilo::app::test {
namespace {

QString readText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

TEST(StartDrawing, HoldsTheLoadBlocksTheGridStyleAndANewProjectsRecord) {
    const auto d = BuildStartDrawing();
    for (const char* name : {"+Load", "-Load"}) {
        const cad::BlockId block = d->blockByName(name);
        ASSERT_TRUE(block) << name;
        int attributes = 0;
        for (cad::EntityId e = d->firstInBlock(block); e; e = d->nextEntity(e))
            if (const auto* att = std::get_if<cad::AttDefShape>(&d->entity(e)->shape)) {
                ++attributes;
                EXPECT_EQ(att->tag, "CARGA");
            }
        EXPECT_EQ(attributes, 1) << name;
    }
    EXPECT_TRUE(d->dimStyleByName("Grelha"));
    const TProjectData record = TProjectData::Decode(d->data().exData);
    EXPECT_EQ(record.fck, 20);
    EXPECT_EQ(record.LoadFact, "pp+ca+cp+cl");
    EXPECT_FALSE(d->dirty());
}

TEST(StartDrawing, TheShippedOneWinsAndAMissingOneIsBuiltInTheDataFolder) {
    ensureApplication();
    QTemporaryDir temp;
    const AppFolders folders{temp.filePath(QStringLiteral("bin")),
                             temp.filePath(QStringLiteral("home"))};
    ASSERT_TRUE(folders.makeFolders());
    QString error;
    EXPECT_EQ(StartDrawingPath(folders, error), folders.builtStartDrawing());
    ASSERT_TRUE(cad::openDrawing(folders.builtStartDrawing().toStdString()).drawing);
    ASSERT_TRUE(QDir().mkpath(folders.programDir));
    WriteStartDrawing(folders.shippedStartDrawing().toStdString());
    EXPECT_EQ(StartDrawingPath(folders, error), folders.shippedStartDrawing());

    const AppFolders unwritable{temp.filePath(QStringLiteral("bin2")),
                                temp.filePath(QStringLiteral("home2/nao/existe"))};
    EXPECT_TRUE(StartDrawingPath(unwritable, error).isEmpty());
    EXPECT_FALSE(error.isEmpty());
}

TEST(RecentFiles, NewestFirstOncePerNameWhateverTheCapitalsAtMostTen) {
    ensureApplication();
    QTemporaryDir temp;
    RecentFiles recent;
    for (int i = 0; i < 12; ++i)
        ASSERT_TRUE(recent.add(QStringLiteral("/p/d%1.vec").arg(i)));
    ASSERT_TRUE(recent.add(QStringLiteral("/P/D5.VEC")));
    EXPECT_FALSE(recent.add(QStringLiteral("  ")));
    ASSERT_EQ(recent.files().size(), RecentFiles::Capacity);
    EXPECT_EQ(recent.files().front(), QStringLiteral("/P/D5.VEC"));
    EXPECT_EQ(recent.files().count(QStringLiteral("/p/d5.vec")), 0);
    const QString path = temp.filePath(QStringLiteral("Recent.txt"));
    ASSERT_TRUE(recent.save(path));
    RecentFiles read;
    ASSERT_TRUE(read.load(path));
    EXPECT_EQ(read.files(), recent.files());
    EXPECT_TRUE(read.load(temp.filePath(QStringLiteral("nenhum.txt"))));
    EXPECT_TRUE(read.files().isEmpty());
    EXPECT_FALSE(recent.save(temp.filePath(QStringLiteral("sem/pasta/Recent.txt"))));
}

TEST(UserProfile, SettingsRoundTripAndDamagedValuesKeepTheirDefaults) {
    ensureApplication();
    QTemporaryDir temp;
    const QString path = temp.filePath(QStringLiteral("User.prf"));
    UserProfile saved{5, 12.5, 7.25, true, true, false, false};
    ASSERT_TRUE(saved.save(path));
    UserProfile read;
    ASSERT_TRUE(read.load(path));
    EXPECT_EQ(read.snapModes, 5u);
    EXPECT_EQ(read.gridSpacingX, 12.5);
    EXPECT_TRUE(read.ortho);
    EXPECT_FALSE(read.showCross);
    QFile damaged(path);
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("snapModes=-4\ngridSpacingX=0\northo=sim\nshowGrid=1\n");
    damaged.close();
    UserProfile fallback;
    ASSERT_TRUE(fallback.load(path));
    EXPECT_EQ(fallback.snapModes, UserProfile{}.snapModes);
    EXPECT_EQ(fallback.gridSpacingX, 10.0);
    EXPECT_FALSE(fallback.ortho);
    EXPECT_TRUE(fallback.showGrid);
}

TEST(FileAssociation, DesktopEntryMimeTypeIconAndDefaultInATemporaryHome) {
    ensureApplication();
    QTemporaryDir temp;
    const AssociationFolders folders{temp.filePath(QStringLiteral("share")),
                                     temp.filePath(QStringLiteral("config"))};
    QDir().mkpath(folders.configHome);
    QFile list(QDir(folders.configHome).filePath(QStringLiteral("mimeapps.list")));
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write("[Default Applications]\ntext/plain=editor.desktop\n"
               "application/x-quadrilo-vec=velho.desktop\n");
    list.close();
    (void)AssociateDrawingFiles(QStringLiteral("/opt/quadrilo/bin/quadrilo"), folders);

    const QString entry =
        readText(QDir(folders.dataHome).filePath(QStringLiteral("applications/quadrilo.desktop")));
    EXPECT_TRUE(entry.contains(QStringLiteral("Exec=\"/opt/quadrilo/bin/quadrilo\" %f\n")));
    EXPECT_TRUE(entry.contains(QStringLiteral("MimeType=application/x-quadrilo-vec;\n")));
    const QString mime =
        readText(QDir(folders.dataHome).filePath(QStringLiteral("mime/packages/quadrilo-vec.xml")));
    EXPECT_TRUE(mime.contains(QStringLiteral("<glob pattern=\"*.vec\"/>")));
    EXPECT_TRUE(
        QFile::exists(QDir(folders.dataHome)
                          .filePath(QStringLiteral("icons/hicolor/scalable/apps/quadrilo.svg"))));
    EXPECT_EQ(readText(list.fileName()),
              QStringLiteral("[Default Applications]\n"
                             "application/x-quadrilo-vec=quadrilo.desktop\n"
                             "text/plain=editor.desktop\n"));
}

TEST(FileAssociation, TheProgramsPathIsQuotedForTheDesktopEntry) {
    const std::pair<const char*, const char*> cases[] = {
        {"/usr/bin/quadrilo", R"("/usr/bin/quadrilo" %f)"},
        {"/home/ana/Meus Programas/quadrilo", R"("/home/ana/Meus Programas/quadrilo" %f)"},
        {"/opt/q$\"`/quadrilo", R"("/opt/q\\$\\"\\`/quadrilo" %f)"},
        {"/opt/a\\b/100%/quadrilo", R"("/opt/a\\\\b/100%%/quadrilo" %f)"},
    };
    for (const auto& [path, line] : cases)
        EXPECT_EQ(DesktopExecLine(QString::fromUtf8(path)), QString::fromUtf8(line)) << path;
}

using Association = AppFixture;

TEST_F(Association, TheMenuEntryWritesForTheUserOfTheEnvironment) {
    const QString share = temp.filePath(QStringLiteral("xdg-share"));
    qputenv("XDG_DATA_HOME", share.toUtf8());
    qputenv("XDG_CONFIG_HOME", temp.filePath(QStringLiteral("xdg-config")).toUtf8());
    trigger("mnuAssociar");
    qunsetenv("XDG_DATA_HOME");
    qunsetenv("XDG_CONFIG_HOME");
    EXPECT_TRUE(readText(QDir(share).filePath(QStringLiteral("applications/quadrilo.desktop")))
                    .contains(QCoreApplication::applicationFilePath()));
}

} // namespace
} // namespace quadrilo::app::test

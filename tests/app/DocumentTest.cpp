// The document's life: new, open, recent, save, the close check, with every answer.
#include "AppFixture.h"

#include "app/drawing/DrawingLayers.h"
#include "app/documents/DrawingNames.h"

#include "cad/DrawingFile.h"
#include "cad/canvas/ViewTransform.h"
#include "cad/dxf/DwgSupport.h"

#include <QFile>
#include <QToolBar>
#include <QWidget>

namespace quadrilo::app::test {
namespace {

class Documents : public AppFixture {
protected:
    // A change of the user's: a construction line, and a new fck typed.
    void change() {
        ASSERT_TRUE(cad().addConstructionLine({0, 75, 0}, {1, 0, 0}));
        set("edtfck", QStringLiteral("30"));
        ASSERT_TRUE(cad().modified());
    }
    std::size_t lineCount() { return shapes<cad::XLineShape>().size(); }
    QString inDrawings(const char* name) {
        return QDir(drawingsDir()).filePath(QLatin1String(name));
    }
    // A saved drawing with one construction line more than the axes.
    QString savedDrawing(const char* name) {
        change();
        const QString path = inDrawings(name);
        EXPECT_TRUE(window->documents().saveAs(path));
        return path;
    }
    TProjectData recordIn(const QString& path) {
        const auto opened = cad::openDrawing(path.toStdString());
        EXPECT_TRUE(opened.drawing) << opened.status.detail;
        return TProjectData::Decode(opened.drawing->data().exData);
    }
};

TEST_F(Documents, SalvarOfANewDocumentAsksForANameThenSavesInPlace) {
    change();
    answer(QStringLiteral("Salvar"), QStringLiteral("planta"));
    trigger("actSave");
    const QString path = inDrawings("planta.vec"); // the dialog's folder, ".vec" appended
    ASSERT_TRUE(QFile::exists(path));
    EXPECT_EQ(window->windowTitle(), CaptionPrefix + QStringLiteral("planta.vec"));
    EXPECT_FALSE(cad().modified());
    EXPECT_EQ(recordIn(path).fck, 30);
    EXPECT_EQ(state->recent.files().value(0), path);

    set("edtfck", QStringLiteral("31"));
    trigger("actSave"); // no dialog: in place
    EXPECT_EQ(recordIn(path).fck, 31);
    EXPECT_EQ(prompts.pending(), 0u);
}

TEST_F(Documents, SavingAndReopeningAddsNoMoreAxes) {
    const QString path = savedDrawing("eixos.vec");
    ASSERT_TRUE(window->documents().open(path));
    ASSERT_TRUE(window->documents().saveAs(path));
    EXPECT_EQ(lineCount(), 3u);
}

TEST_F(Documents, NovoWithCancelLeavesDrawingNameAndModifiedFlag) {
    const QString path = savedDrawing("cancel.vec");
    change();
    answer(AnswerCancel);
    trigger("actNew");
    EXPECT_EQ(lineCount(), 4u);
    EXPECT_EQ(window->documents().currentFileName(), QStringLiteral("cancel.vec"));
    EXPECT_TRUE(cad().modified());
    EXPECT_EQ(cad().fileName(), path);
}

TEST_F(Documents, NovoWithNaoStartsANewProjectShowingTheDefaults) {
    change();
    set("edtEc", QStringLiteral("25000000"));
    set("edtGcFactor", QStringLiteral("Ec*0.5"));
    answer(AnswerNo);
    trigger("actNew");
    EXPECT_EQ(lineCount(), 2u);
    EXPECT_EQ(window->windowTitle(), CaptionPrefix + NewDocumentName);
    EXPECT_FALSE(cad().modified());
    for (const auto& [name, text] :
         {std::pair{"edtfck", "20"}, std::pair{"edtEc", "32000000"}, std::pair{"edtGc", "12800000"},
          std::pair{"edtGcFactor", "Ec*0.4"}, std::pair{"edtPEParede", "13"}})
        EXPECT_EQ(control(name).text(), QString::fromUtf8(text)) << name;
    EXPECT_TRUE(QDir(drawingsDir()).entryList(QDir::Files).isEmpty());
}

TEST_F(Documents, NovoWithSimStoresAndSavesUnderThePromptsNameFirst) {
    change();
    answer(AnswerYes, QStringLiteral("antes"));
    trigger("actNew");
    const QString path = inDrawings("antes.vec");
    ASSERT_TRUE(QFile::exists(path)) << "bare name in the prompt's folder, with .vec";
    EXPECT_EQ(recordIn(path).fck, 30) << "the project data are stored before the save";
    EXPECT_EQ(lineCount(), 2u);
    EXPECT_EQ(state->recent.files().value(0), path);
}

TEST_F(Documents, AFailedSaveKeepsTheDrawingAndSaysSo) {
    change();
    answer(AnswerYes, QStringLiteral("sem/pasta.vec"));
    trigger("actNew");
    EXPECT_TRUE(log().contains(QStringLiteral("Arquivo Não Pode Ser Salvo!")));
    EXPECT_EQ(lineCount(), 3u);
    EXPECT_TRUE(cad().modified());
    EXPECT_EQ(window->documents().currentFileName(), NewDocumentName);

    answer(AnswerYes, QStringLiteral("sem/pasta.vec"));
    window->close();
    EXPECT_TRUE(window->isVisible()) << "a failed save keeps the window";
}

TEST_F(Documents, AbrirAndRecentesAskAboutUnsavedChangesFirst) {
    const QString other = savedDrawing("outro.vec");
    int saved = 0;
    for (const char* action : {"actOpen", "actRecent"}) {
        trigger("actNew");
        change();
        answer(AnswerCancel);
        trigger(action);
        EXPECT_EQ(window->documents().currentFileName(), NewDocumentName) << "Cancel: " << action;
        EXPECT_EQ(lineCount(), 3u);

        answer(AnswerNo);
        answer(AnswerOk, other); // the file dialog or the recent-files list
        trigger(action);
        EXPECT_EQ(window->documents().currentFileName(), QStringLiteral("outro.vec")) << action;
        EXPECT_EQ(lineCount(), 3u);

        change();
        const QString name = QStringLiteral("guardado%1").arg(++saved);
        answer(AnswerYes, name);
        answer(AnswerCancel); // the file dialog or the list, cancelled after the save
        trigger(action);
        EXPECT_TRUE(QFile::exists(QDir(drawingsDir()).filePath(name + QStringLiteral(".vec"))));
        EXPECT_EQ(window->documents().currentFileName(), name + QStringLiteral(".vec"));
        EXPECT_FALSE(cad().modified());
    }
}

TEST_F(Documents, CloseCheckAnswers) {
    window->close();
    EXPECT_FALSE(window->isVisible()) << "nothing changed: no question";
    window->show();

    change();
    answer(AnswerCancel);
    window->close();
    EXPECT_TRUE(window->isVisible());

    answer(AnswerNo);
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(QDir(drawingsDir()).entryList(QDir::Files).isEmpty()) << "No writes nothing";
    window->show();

    set("edtfck", QStringLiteral("40"));
    answer(AnswerYes, QStringLiteral("final.vec"));
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(recordIn(inDrawings("final.vec")).fck, 40) << "stored before the save";
}

TEST_F(Documents, OtherFileKindsHideThePropertiesPanelUntilADrawingOpens) {
    QWidget& panel = control<QWidget>("pnlProp");
    window->documents().documentOpened(temp.filePath(QStringLiteral("planta.DXF")));
    EXPECT_FALSE(panel.isVisible());
    EXPECT_TRUE(log().contains(QStringLiteral(
        "Arquivos não dwg ou dxf não só podem ser mostrados, mas não podem ser calculados.")));
    window->documents().documentOpened(temp.filePath(QStringLiteral("planta.VeC")));
    EXPECT_TRUE(panel.isVisible());
}

TEST_F(Documents, ADxfDrawingOpensForViewingAndADwgIsRefusedWithTheWayRound) {
    change();
    const QString dxf = temp.filePath(QStringLiteral("planta.dxf"));
    ASSERT_TRUE(cad().document().saveCopy(dxf.toStdString()));
    EXPECT_TRUE(cad().modified()) << "a copy is not the document's save";
    answer(AnswerNo);
    ASSERT_TRUE(window->documents().open(dxf));
    EXPECT_FALSE(control<QWidget>("pnlProp").isVisible());
    const auto lines = shapes<cad::XLineShape>();
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const auto& line) {
        return line.second.base == cad::Point3{0, 75, 0};
    })) << "the construction line came through the DXF file";

    const QString dwg = temp.filePath(QStringLiteral("planta.dwg"));
    EXPECT_FALSE(window->documents().open(dwg));
    EXPECT_EQ(log().mid(log().size() - 2),
              (QStringList{QStringLiteral("Não foi possíve abrir o arquivo: ") + dwg,
                           QStringLiteral("Erro: ") + QString::fromUtf8(dxf::DwgOpenRefusal)}));
}

TEST_F(Documents, TheViewToolBarShowsForEveryStoredViewButTopAndBottom) {
    const std::pair<cad::canvas::ViewAngles, bool> views[] = {
        {{90, 90}, false}, {{90, -90}, false}, {{90, 0}, true}, {{45, 35.26}, true}};
    for (const auto& [angles, shown] : views) {
        auto stored = cad::openDrawing(state->folders.builtStartDrawing().toStdString());
        stored.drawing->settings().view.angleHor = angles.hor;
        stored.drawing->settings().view.angleVer = angles.ver;
        const QString path = temp.filePath(QStringLiteral("vista.vec"));
        ASSERT_TRUE(cad::saveDrawing(*stored.drawing, path.toStdString()));
        ASSERT_TRUE(window->documents().open(path));
        EXPECT_EQ(control<QToolBar>("ToolBar2").isVisible(), shown)
            << angles.hor << " " << angles.ver;
    }
}

TEST_F(Documents, PathsLongerThan259CharactersSaveAndOpen) {
    QString folder = temp.path();
    while (folder.size() < 300)
        folder += QStringLiteral("/pasta-de-projetos-do-escritorio");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString path = QDir(folder).filePath(QStringLiteral("longo.vec"));
    change();
    ASSERT_TRUE(window->documents().saveAs(path));
    trigger("actNew");
    ASSERT_TRUE(window->documents().open(path));
    EXPECT_EQ(cad().fileName(), path);
    EXPECT_EQ(lineCount(), 3u);
}

TEST_F(Documents, TheCommandLineDocumentOpensAtStartUpOrIsReported) {
    const QString path = savedDrawing("argumento.vec");
    stop();
    start(path);
    EXPECT_EQ(window->windowTitle(), CaptionPrefix + QStringLiteral("argumento.vec"));
    EXPECT_EQ(lineCount(), 3u);
    stop();
    start(temp.filePath(QStringLiteral("nao-existe.vec")));
    EXPECT_TRUE(log().contains(QStringLiteral("Não foi possíve abrir o arquivo: ") +
                               temp.filePath(QStringLiteral("nao-existe.vec"))));
    EXPECT_EQ(window->windowTitle(), CaptionPrefix + NewDocumentName);
}

} // namespace
} // namespace quadrilo::app::test

// The save prompt "Salvar Como?" and the about box "Sobre".
#include "AppFixture.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace quadrilo::app::test {
namespace {

class SavePrompt : public ::testing::Test {
protected:
    bool application = (ensureApplication(), true);
    QTemporaryDir folder;
    TfrmSaveAS prompt;

    SavePrompt() {
        QFile(folder.filePath(QStringLiteral("planta.vec"))).open(QIODevice::WriteOnly);
        QFile(folder.filePath(QStringLiteral("notas.txt"))).open(QIODevice::WriteOnly);
        prompt.SetDirectory(folder.path());
    }
    // Shows the prompt modally and runs `act` inside it; the prompt's result.
    bool execute(const std::function<void()>& act) {
        QTimer::singleShot(0, &prompt, [this, act] {
            act();
            if (prompt.isVisible()) // still open: the close box
                prompt.close();
        });
        return prompt.Execute();
    }
    QPushButton& button(const char* name) { return *prompt.findChild<QPushButton*>(name); }
};

TEST_F(SavePrompt, SimWithTheMaskKeepsThePromptOpen) {
    bool stayedOpen = false;
    EXPECT_FALSE(execute([&] {
        button("btnSim").click();
        stayedOpen = prompt.isVisible();
    }));
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(prompt.choice(), TfrmSaveAS::ChoiceCancel);
}

TEST_F(SavePrompt, APickedFileFillsTheNameAndSimReturnsIt) {
    auto& files = *prompt.findChild<QListWidget*>(QStringLiteral("FileListBox1"));
    ASSERT_EQ(files.count(), 1) << "only *.vec files are listed";
    EXPECT_TRUE(execute([&] {
        files.setCurrentRow(0);
        button("btnSim").click();
    }));
    EXPECT_EQ(prompt.choice(), TfrmSaveAS::ChoiceYes);
    EXPECT_EQ(prompt.fileName(), QStringLiteral("planta.vec"));
    EXPECT_EQ(prompt.chosenPath(), QDir(folder.path()).filePath(QStringLiteral("planta.vec")));
}

TEST_F(SavePrompt, TheCloseBoxCountsAsCancelWhateverWasChosenBefore) {
    EXPECT_TRUE(execute([&] { button("btnNao").click(); }));
    EXPECT_EQ(prompt.choice(), TfrmSaveAS::ChoiceNo);
    EXPECT_FALSE(execute([] {}));
    EXPECT_EQ(prompt.choice(), TfrmSaveAS::ChoiceCancel);
}

TEST_F(SavePrompt, ABareNameIsTakenInThePromptsFolderWithVec) {
    prompt.setFileName(QStringLiteral("novo"));
    EXPECT_EQ(prompt.chosenPath(), QDir(folder.path()).filePath(QStringLiteral("novo.vec")));
    prompt.setFileName(QStringLiteral("PLANTA.VEC"));
    EXPECT_EQ(prompt.chosenPath(), QDir(folder.path()).filePath(QStringLiteral("PLANTA.VEC")));
    prompt.SetDirectory(folder.filePath(QStringLiteral("nao-existe")));
    EXPECT_EQ(prompt.directory(), folder.path()) << "a missing folder changes nothing";
}

using About = AppFixture;

TEST_F(About, ShowsTheVersionEveryTimeItOpens) {
    auto& box = *window->findChild<TfrmAbout*>();
    auto& version = *box.findChild<QLabel*>(QStringLiteral("Label3"));
    for (int i = 0; i < 2; ++i) {
        version.clear();
        trigger("actAbout");
        ASSERT_TRUE(box.isVisible());
        EXPECT_EQ(version.text(), QStringLiteral("Versão: 1.5.0\n\rCompilação: 26/06/2016"));
        EXPECT_EQ(box.windowTitle(), QStringLiteral("Sobre"));
        box.close();
    }
}

} // namespace
} // namespace quadrilo::app::test

// A fresh program in a temporary home, started up on the offscreen platform.
#pragma once

#include "app/drawing/CadSession.h"
#include "app/ProgramState.h"
#include "app/script/ScriptControls.h"
#include "app/prompts/ScriptedPrompts.h"
#include "app/results/ResultsFeature.h"
#include "app/window/ResultWindows.h"
#include "app/window/TfrmAbout.h"
#include "app/window/TfrmMain.h"
#include "app/window/TfrmSaveAS.h"

#include "cad/canvas/CanvasFixture.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace quadrilo::app::test {

using cad::canvas::test::ensureApplication;

class AppFixture : public ::testing::Test {
protected:
    QTemporaryDir temp;
    QString home = temp.filePath(QStringLiteral("home"));
    std::unique_ptr<ProgramState> state;
    ScriptedPrompts prompts;
    QStringList unanswered;
    std::unique_ptr<TfrmMain> window;
    TfrmSaveAS* savePrompt = nullptr;
    std::optional<QColor> chosenColour; // the colour dialog's answer
    bool holdStartUpQuestions = false;  // as for a script: asked when the script says

    AppFixture() { ensureApplication(); }
    void SetUp() override { start(); }
    void TearDown() override {
        stop();
        EXPECT_TRUE(unanswered.isEmpty()) << unanswered.join(QLatin1Char('\n')).toStdString();
    }

    void start(const QString& document = {}) {
        state = std::make_unique<ProgramState>(
            AppFolders{temp.filePath(QStringLiteral("program")), home});
        ASSERT_TRUE(state->folders.makeFolders());
        prompts.setOnUnanswered([this](const QString& what) { unanswered << what; });
        window = std::make_unique<TfrmMain>(*state, prompts, document);
        savePrompt = new TfrmSaveAS(window.get());
        auto* about = new TfrmAbout(window.get());
        const ResultWindows results = CreateResultWindows(*window);
        window->attach(*savePrompt, *about);
        window->attachResults(std::make_unique<ResultsFeature>(
            *window, results, [this](const QColor&) { return chosenColour; }));
        if (holdStartUpQuestions)
            window->holdStartUpQuestions();
        window->show();
        QElapsedTimer clock;
        clock.start();
        while (!window->startedUp() && clock.elapsed() < 10000)
            QCoreApplication::processEvents();
        ASSERT_TRUE(window->startedUp());
    }
    void stop() {
        if (window)
            window->skipCloseCheck();
        window.reset();
        state.reset();
    }

    CadSession& cad() { return state->cad; }
    cad::Drawing& drawing() { return state->cad.drawing(); }
    template <class T = QLineEdit> T& control(const char* name) {
        T* found = window->findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return *found;
    }
    // As typed into the control.
    void set(const char* name, const QString& text) {
        SetControlText(FindControl(*window, QLatin1String(name)), text);
    }
    void trigger(const char* action) { window->actions()[action]->trigger(); }
    void answer(const QString& button, const QString& name = {}) { prompts.queue({button, name}); }
    const QStringList& log() const { return state->log.lines(); }
    QString drawingsDir() const { return state->folders.drawingsDir(); }

    // The entities of model space with the shape, in drawing order.
    template <class Shape> std::vector<std::pair<const cad::Entity*, Shape>> shapes() {
        std::vector<std::pair<const cad::Entity*, Shape>> out;
        const cad::Drawing& d = drawing();
        for (const cad::LayerId layer : d.layerOrder())
            for (cad::EntityId id = d.firstInLayer(layer); id; id = d.nextEntity(id))
                if (const auto* s = std::get_if<Shape>(&d.entity(id)->shape))
                    out.emplace_back(d.entity(id), *s);
        return out;
    }
    std::string layerOf(const cad::Entity& e) { return drawing().layer(e.layer)->name; }
};

} // namespace quadrilo::app::test

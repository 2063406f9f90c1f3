// The engine's user-interface side, owned by the application and passed down: its windows and
// the context menus, accelerators, message title and settings they all share. The user profile,
// the recent files and the file dialogs are the application's.
#pragma once

#include <QPointer>
#include <QString>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace quadrilo::cad {
class Engine;
} // namespace quadrilo::cad

namespace quadrilo::cad::canvas {

class CadCanvas;

class EngineUi {
public:
    explicit EngineUi(Engine& engine) : m_engine(engine) {}
    EngineUi(const EngineUi&) = delete;
    EngineUi& operator=(const EngineUi&) = delete;

    Engine& engine() { return m_engine; }

    // ---- windows: each gets the furniture, also what is set up after it was made
    void addWindow(CadCanvas& canvas);
    std::vector<CadCanvas*> windows() const;

    // ---- furniture
    // A menu the application clears or fills replaces the engine's own in every window.
    void menuClear(int menu);
    void menuAdd(int menu, const QString& text, int command);
    void setDefaultAccelerators();
    void setMessageTitle(const QString& title);
    const QString& messageTitle() const { return m_messageTitle; }
    int angleUnit = 0; // 0 degrees; other units are accepted and kept
    std::map<int, int> params;

private:
    void applyFurniture(CadCanvas& canvas);

    Engine& m_engine;
    std::vector<QPointer<CadCanvas>> m_windows;
    std::map<int, std::vector<std::pair<QString, int>>> m_menus; // the application's menus
    bool m_defaultAccelerators = false;
    QString m_messageTitle;
};

// Installs the default accelerators on a canvas: Ctrl+Z undo, Ctrl+Y redo, Ctrl+C copy,
// Ctrl+V paste, Delete erase, Ctrl+A select all; Escape is the canvas's own.
void installDefaultAccelerators(CadCanvas& canvas);

// "name (*.ext)|*.ext|..." as the engine's text tables write filters, in Qt's form.
[[nodiscard]] QString qtFileFilter(const std::string& engineFilter);

} // namespace quadrilo::cad::canvas

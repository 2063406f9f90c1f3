// The engine's user-interface side and its flat calls: drawing windows, context menus, the
// layer combo box, accelerators, message title, settings, user profile and recent files, and
// the file dialogs. Calls act on the EngineUi made current with CadUiScope (like the core's
// CadEngineScope); without one they do nothing and return 0.
#pragma once

#include "CadApi.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <map>
#include <string>
#include <tuple>
#include <vector>

class QWidget;

namespace cad {
class Engine;
}

namespace cad::canvas {

class CadCanvas;

class EngineUi {
public:
    explicit EngineUi(Engine& engine) : m_engine(engine) {}
    EngineUi(const EngineUi&) = delete;
    EngineUi& operator=(const EngineUi&) = delete;

    Engine& engine() { return m_engine; }
    CadHandle addWindow(CadCanvas* canvas);
    void removeWindow(CadHandle window);
    CadCanvas* window(CadHandle handle) const;
    std::vector<CadCanvas*> windows() const;
    // Context menus and accelerators apply to every window, also to those created later.
    void applyFurniture(CadCanvas& canvas);

    std::vector<std::tuple<int, QString, int>> menuEntries; // menu, text, command
    bool defaultAccelerators = false;
    QString messageTitle;
    int angleUnit = 0; // 0 degrees; other units are accepted and kept
    std::map<int, int> params;
    QString defaultDir;
    QStringList recentFiles; // most recent first
    static constexpr int maxRecentFiles = 10;

private:
    Engine& m_engine;
    QObject m_connections; // ends the window-closed connections with this object
    std::map<CadHandle, CadCanvas*> m_windows;
    CadHandle m_nextWindow = 1;
};

class CadUiScope {
public:
    explicit CadUiScope(EngineUi& ui);
    ~CadUiScope();
    CadUiScope(const CadUiScope&) = delete;
    CadUiScope& operator=(const CadUiScope&) = delete;

private:
    EngineUi* m_previous;
};

// Installs the default accelerators on a canvas: Ctrl+Z undo, Ctrl+Y redo, Ctrl+C copy,
// Ctrl+V paste, Delete erase, Ctrl+A select all; Escape is the canvas's own.
void installDefaultAccelerators(CadCanvas& canvas);

// "name (*.ext)|*.ext|..." as the engine's text tables write filters, in Qt's form.
[[nodiscard]] QString qtFileFilter(const std::string& engineFilter);

} // namespace cad::canvas

// ---- drawing windows
CadHandle CadWndCreate(CadHandle drawing, QWidget* parent, int style, int x, int y, int width,
                       int height);
int CadWndDelete(CadHandle window);
int CadWndResize(CadHandle window, int x, int y, int width, int height);
int CadWndRedraw(CadHandle window);
cad::canvas::CadCanvas* CadWndGetCanvas(CadHandle window);
int CadGridPutShow(CadHandle window, int show);
int CadSetShowCross(int show);
int CadPutLwDisplay(CadHandle drawing, int show);
// Visible window area in drawing units.
double CadGetWinLeft(CadHandle window);
double CadGetWinRight(CadHandle window);
double CadGetWinTop(CadHandle window);
double CadGetWinBottom(CadHandle window);

// Writes the drawing area left..right x bottom..top (drawing units) as a bitmap of scale pixels
// per unit (".bmp" by default, the format follows the name's extension). The file is written
// whole or not at all; 0 for a bad area or scale or a picture too large to make.
int CadRasterize(CadHandle drawing, const std::string& name, double left, double bottom,
                 double right, double top, double scale);

// ---- furniture
int CadMenuClear(int menu);
int CadMenuAdd(int menu, const std::string& text, int command);
// The layer combo box of the first window's drawing; returns its handle (nonzero) or 0.
CadHandle CadCboxCreate(int type, QWidget* parent, int x, int y, int width, int height,
                        int dropHeight);
int CadAccelSetDefault();
int CadSetMsgTitle(const std::string& title);
int CadSetAngleUnit(int unit);
int CadSetParam(int id, int value);
int CadSetDefaultDir(const std::string& dir);

// ---- user profile and recent files (plain text files; writes are atomic)
int CadProfileLoad(const std::string& path);
int CadProfileSave(const std::string& path);
int CadRecentLoad(const std::string& path);
int CadRecentAdd(const std::string& fileName);
int CadRecentSave(const std::string& path);
// Lets the user choose a recent file; 1 and the name when chosen, 0 when cancelled or empty.
int CadRecentDialog(QWidget* parent, std::string& chosen);

// ---- file dialogs (filter from text 11); 1 when a file was opened or saved
int CadFileOpenDialog(CadHandle drawing, CadHandle window);
int CadFileSaveAsDialog(CadHandle drawing, CadHandle window);

// The engine's user-interface side, owned by the application and passed down: its windows, the
// context menus and accelerators they all share, the message title and settings, the layer
// combo box, the user profile and recent files, and the file dialogs.
#pragma once

#include "cad/FileResult.h"

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QStringList>

#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

class QWidget;

namespace quadrilo::cad {
class Document;
class Engine;
} // namespace quadrilo::cad

namespace quadrilo::cad::canvas {

class CadCanvas;
class LayerCombo;

class EngineUi {
public:
    explicit EngineUi(Engine& engine) : m_engine(engine) {}
    EngineUi(const EngineUi&) = delete;
    EngineUi& operator=(const EngineUi&) = delete;

    Engine& engine() { return m_engine; }

    // ---- windows: each gets the furniture, also what is set up after it was made
    CadCanvas* createWindow(Document& doc, QWidget* parent, const QRect& geometry);
    void addWindow(CadCanvas& canvas);
    std::vector<CadCanvas*> windows() const;

    // ---- furniture
    // A menu the application clears or fills replaces the engine's own in every window.
    void menuClear(int menu);
    void menuAdd(int menu, const QString& text, int command);
    void setDefaultAccelerators();
    void setMessageTitle(const QString& title);
    const QString& messageTitle() const { return m_messageTitle; }
    void setShowCross(bool show);
    // The layer combo box of the first window's document; null when there is no window.
    LayerCombo* createLayerCombo(QWidget* parent, const QRect& geometry, int dropHeight);
    int angleUnit = 0; // 0 degrees; other units are accepted and kept
    std::map<int, int> params;
    QString defaultDir;

    // ---- user profile (the drafting settings of the first window) and recent files; plain
    // text files, written whole or not at all
    [[nodiscard]] bool saveProfile(const std::string& path) const;
    [[nodiscard]] bool loadProfile(const std::string& path);
    [[nodiscard]] bool loadRecent(const std::string& path);
    void addRecent(const std::string& fileName);
    [[nodiscard]] bool saveRecent(const std::string& path) const;
    // Lets the user choose a recent file; none when cancelled or empty.
    [[nodiscard]] std::optional<std::string> chooseRecent(QWidget* parent) const;
    QStringList recentFiles; // most recent first
    static constexpr int maxRecentFiles = 10;

    // ---- file dialogs (filter from text 11): the result of opening or saving, none when the
    // user cancelled. Opening over unsaved changes first asks whether to save them.
    std::optional<FileResult> openDialog(Document& doc, QWidget* parent);
    std::optional<FileResult> saveAsDialog(Document& doc, QWidget* parent);

private:
    void applyFurniture(CadCanvas& canvas);
    QString fileFilter() const;

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

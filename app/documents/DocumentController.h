// The document's life: start drawing, opening, "Novo", "Abrir", saving, the close check.
#pragma once

#include "cad/FileResult.h"

#include <QString>

#include <optional>

namespace quadrilo::app {

class ProgramState;
class TfrmSaveAS;
class UserPrompts;

// What the document's life changes in the main window.
class DocumentView {
public:
    virtual ~DocumentView() = default;
    virtual void showDocumentName(const QString& fileName) = 0; // in the caption
    virtual void setPropertiesVisible(bool visible) = 0;        // `pnlProp`
    virtual void setViewToolBarVisible(bool visible) = 0;       // `ToolBar2`
    virtual void showGrid() = 0;
    virtual void zoomAll() = 0; // engine command 914
    [[nodiscard]] virtual bool storeProjectData() = 0;
    virtual void loadProjectData() = 0;
    virtual void resetProjectData() = 0;
};

// The document's life: the drawing created at start-up from the start drawing, the routine run
// after every opening, "Novo", "Abrir", "Recentes", "Salvar", "Salvar Como" and the close check,
// each asking through the save prompt before unsaved changes would be lost.
class DocumentController {
public:
    DocumentController(ProgramState& state, UserPrompts& prompts, TfrmSaveAS& savePrompt,
                       DocumentView& view);

    // The current file name without its folder ("New.vec" for a new document).
    [[nodiscard]] const QString& currentFileName() const { return m_fileName; }
    // The document's full path; empty while it has no name of its own ("New.vec").
    [[nodiscard]] QString documentPath() const;

    // Opens the start drawing as the new document (start-up, before the document-opened
    // routine runs for "New.vec").
    void createDrawing();
    // After the engine has opened a document, or for the new document.
    void documentOpened(const QString& name);

    // "Novo", "Abrir", "Recentes", "Salvar", "Salvar Como". `name` stands for the file dialog's
    // answer; without it the dialog asks. False when nothing was opened or saved.
    void newDocument();
    bool open(const std::optional<QString>& name = {});
    bool openRecent();
    bool save();
    bool saveAs(const std::optional<QString>& name = {});
    // The close check: true when the window may close.
    [[nodiscard]] bool mayClose();
    // The document named on the command line.
    bool openCommandLineDocument(const QString& path);
    // Opens a drawing written automatically as the work of `originalPath` (empty: a drawing never
    // saved), modified, so that "Salvar" writes it there. On failure nothing changes.
    [[nodiscard]] cad::FileResult openRecovered(const QString& recoveryPath,
                                                const QString& originalPath);

private:
    // Asks whether unsaved changes are saved; false when the caller must stop.
    [[nodiscard]] bool settleUnsavedChanges();
    // Stores the project record and saves under path; a failure is logged.
    [[nodiscard]] bool storeAndSave(const QString& path);
    // Saves under path; a failure is logged, a success remembered in the recent files.
    [[nodiscard]] bool saveFile(const QString& path);
    void rememberSaved(const QString& path);
    bool openPath(const QString& path);
    void openStartDrawing();

    ProgramState& m_state;
    UserPrompts& m_prompts;
    TfrmSaveAS& m_savePrompt;
    DocumentView& m_view;
    QString m_fileName;
};

} // namespace quadrilo::app

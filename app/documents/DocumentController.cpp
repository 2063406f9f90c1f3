// The document's life.
#include "app/documents/DocumentController.h"

#include "app/documents/DrawingNames.h"
#include "app/ProgramState.h"
#include "app/drawing/StartDrawing.h"
#include "app/window/TfrmSaveAS.h"
#include "app/prompts/UserPrompts.h"

namespace quadrilo::app {
namespace {

const QString CannotSave = QStringLiteral("Arquivo Não Pode Ser Salvo!");
const QString CannotOpen = QStringLiteral("Não foi possíve abrir o arquivo: ");

} // namespace

DocumentController::DocumentController(ProgramState& state, UserPrompts& prompts,
                                       TfrmSaveAS& savePrompt, DocumentView& view)
    : m_state(state), m_prompts(prompts), m_savePrompt(savePrompt), m_view(view),
      m_fileName(NewDocumentName) {}

QString DocumentController::documentPath() const {
    return m_fileName == NewDocumentName ? QString() : m_state.cad.fileName();
}

void DocumentController::openStartDrawing() {
    QString error;
    const QString path = StartDrawingPath(m_state.folders, error);
    if (!path.isEmpty())
        error = m_state.cad.describe(m_state.cad.open(path));
    if (!error.isEmpty())
        m_state.log.append(QStringLiteral("Atenção: Desenho inicial indisponível: ") + error);
    m_view.zoomAll();
}

void DocumentController::createDrawing() {
    openStartDrawing();
    m_state.cad.ui().angleUnit = 0;
    m_state.cad.setFileName(NewDocumentName);
    m_fileName = m_state.cad.fileName();
    m_view.resetProjectData();
    m_state.cad.setDefaultDir(m_state.folders.home);
}

void DocumentController::documentOpened(const QString& name) {
    CadSession& cad = m_state.cad;
    m_fileName = name;
    m_state.log.append(QStringLiteral("Abrindo arquivo: ") + name);
    const bool drawing = ExtensionOf(name).toUpper() == QStringLiteral(".VEC");
    if (!drawing)
        m_state.log.append(QStringLiteral("Arquivos não dwg ou dxf não só podem ser mostrados, mas "
                                          "não podem ser calculados."));
    m_view.setPropertiesVisible(drawing);
    m_view.showGrid();
    m_view.zoomAll();
    if (name != NewDocumentName && !m_state.recent.add(name))
        m_state.log.append(QStringLiteral("Obs: Não foi localizado o histórico de recentes."));
    m_fileName = BareName(name);
    m_view.showDocumentName(m_fileName);
    cad.addProgramLayers();
    cad.setUpStyles();
    (void)cad.addAxesWhenAbsent();
    m_view.zoomAll();
    m_view.loadProjectData();
    m_state.flags.documentChanged();
    // The view rotation buttons are for every view but the top and the bottom one.
    m_view.setViewToolBarVisible(!cad.viewFromTopOrBottom());
    // The set-up is part of opening, not a change of the user's.
    cad.forgetUndo();
    cad.setModified(false);
}

bool DocumentController::settleUnsavedChanges() {
    if (!m_state.cad.modified())
        return true;
    if (!m_prompts.askSave(m_savePrompt))
        return false;
    return m_savePrompt.choice() == TfrmSaveAS::ChoiceNo || storeAndSave(m_savePrompt.chosenPath());
}

bool DocumentController::storeAndSave(const QString& path) {
    return m_view.storeProjectData() && saveFile(path);
}

bool DocumentController::saveFile(const QString& path) {
    if (const cad::FileResult saved = m_state.cad.save(path); !saved) {
        m_state.log.append(CannotSave);
        m_state.log.append(QStringLiteral("Erro: ") + m_state.cad.describe(saved));
        return false;
    }
    rememberSaved(path);
    m_fileName = BareName(path);
    m_view.showDocumentName(m_fileName);
    return true;
}

void DocumentController::rememberSaved(const QString& path) {
    (void)m_state.recent.add(path);
    if (!m_state.recent.save(m_state.folders.recentPath()))
        m_state.log.append(QStringLiteral("Não foi possivel atualizar arquivo de recentes."));
}

void DocumentController::newDocument() {
    if (!settleUnsavedChanges())
        return;
    openStartDrawing();
    m_state.cad.setFileName(NewDocumentName);
    documentOpened(m_state.cad.fileName());
    m_state.cad.setModified(false);
    m_view.resetProjectData();
    m_state.flags.documentChanged();
}

bool DocumentController::openPath(const QString& path) {
    if (const cad::FileResult opened = m_state.cad.open(path); !opened) {
        m_state.log.append(CannotOpen + path);
        m_state.log.append(QStringLiteral("Erro: ") + m_state.cad.describe(opened));
        return false;
    }
    documentOpened(m_state.cad.fileName());
    return true;
}

bool DocumentController::open(const std::optional<QString>& name) {
    if (!settleUnsavedChanges())
        return false;
    const std::optional<QString> path =
        name ? name
             : m_prompts.askFile({false, m_state.cad.defaultDir(), m_state.cad.fileFilter(), {}});
    return path && openPath(*path);
}

bool DocumentController::openRecent() {
    if (m_state.recent.files().isEmpty() || !settleUnsavedChanges())
        return false;
    const std::optional<QString> path = m_prompts.askRecent(m_state.recent.files());
    return path && openPath(*path);
}

bool DocumentController::save() {
    if (!m_view.storeProjectData())
        return false;
    // A DXF or DWG document is only looked at: it is saved as a new drawing, never over the
    // user's file in our own output.
    if (m_fileName == NewDocumentName || !IsDrawingName(m_fileName))
        return saveAs();
    return saveFile(m_state.cad.fileName());
}

bool DocumentController::saveAs(const std::optional<QString>& name) {
    if (!m_view.storeProjectData())
        return false;
    const std::optional<QString> chosen =
        name ? name
             : m_prompts.askFile({true, m_state.cad.defaultDir(), m_state.cad.fileFilter(),
                                  AsDrawingName(m_fileName)});
    if (!chosen || !saveFile(WithDrawingExtension(*chosen)))
        return false;
    documentOpened(m_state.cad.fileName());
    return true;
}

bool DocumentController::mayClose() {
    return settleUnsavedChanges();
}

bool DocumentController::openCommandLineDocument(const QString& path) {
    return openPath(path);
}

cad::FileResult DocumentController::openRecovered(const QString& recoveryPath,
                                                  const QString& originalPath) {
    const cad::FileResult opened = m_state.cad.open(recoveryPath);
    if (!opened)
        return opened;
    m_state.cad.setFileName(originalPath.isEmpty() ? NewDocumentName : originalPath);
    documentOpened(m_state.cad.fileName());
    // The work is not in the user's file yet.
    m_state.cad.setModified(true);
    return opened;
}

} // namespace quadrilo::app

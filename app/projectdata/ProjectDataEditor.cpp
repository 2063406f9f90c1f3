// The editors of the project record.
#include "app/projectdata/ProjectDataEditor.h"

#include "app/drawing/DrawingLayers.h"
#include "app/window/FormParts.h"
#include "app/window/NumberCheck.h"
#include "app/ProgramState.h"
#include "app/prompts/UserPrompts.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>

namespace quadrilo::app {
namespace {

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

// Each one-line edit and the text it holds.
constexpr std::pair<QLineEdit * ProjectEditors::*, std::string ProjectFieldTexts::*> LineEdits[] = {
    {&ProjectEditors::edtfck, &ProjectFieldTexts::fck},
    {&ProjectEditors::edtdX, &ProjectFieldTexts::nDX},
    {&ProjectEditors::edtdY, &ProjectFieldTexts::nDY},
    {&ProjectEditors::edtPEConcreto, &ProjectFieldTexts::PEConcreto},
    {&ProjectEditors::edtPELaje, &ProjectFieldTexts::PELaje},
    {&ProjectEditors::edtPEParede, &ProjectFieldTexts::PEParede},
    {&ProjectEditors::edtEc, &ProjectFieldTexts::Ec},
    {&ProjectEditors::edtGc, &ProjectFieldTexts::Gc},
    {&ProjectEditors::edtLoadfact, &ProjectFieldTexts::LoadFact},
    {&ProjectEditors::edtGcFactor, &ProjectFieldTexts::GcFactor},
    {&ProjectEditors::edtVigaIt, &ProjectFieldTexts::VigaIt},
    {&ProjectEditors::edtSlabIt, &ProjectFieldTexts::SlabIt},
};

} // namespace

ProjectDataEditor::ProjectDataEditor(ProgramState& state, UserPrompts& prompts,
                                     const ProjectEditors& editors)
    : m_state(state), m_prompts(prompts), m_editors(editors) {
    const ProjectEditors& e = m_editors;
    for (QLineEdit* edit : {e.edtfck, e.edtPEConcreto, e.edtPELaje, e.edtPEParede, e.edtEc, e.edtGc,
                            e.edtdX, e.edtdY})
        CheckNumberOnChange(*edit);
    // Typing in these three marks the drawing modified, so that closing asks to save.
    for (QLineEdit* edit : {e.edtfck, e.edtdX, e.edtdY})
        edit->installEventFilter(this);
    connect(e.edtLoadfact, &QLineEdit::textChanged, this,
            [this] { m_state.flags.ResultsCurrent = false; });
    // The scales reach the record at once and the drawing at the next store.
    connect(e.spndeffact, &QSpinBox::valueChanged, this,
            [this](int value) { m_state.project.DefFact = value; });
    connect(e.spnDiagDef, &QSpinBox::valueChanged, this,
            [this](int value) { m_state.project.DiagDef = value; });
}

bool ProjectDataEditor::eventFilter(QObject* watched, QEvent* event) {
    // A key that types (not an arrow or Tab moving through the edit).
    if (event->type() == QEvent::KeyPress &&
        (!static_cast<QKeyEvent*>(event)->text().isEmpty() ||
         static_cast<QKeyEvent*>(event)->key() == Qt::Key_Backspace))
        m_state.cad.setModified(true);
    return QObject::eventFilter(watched, event);
}

ProjectFieldTexts ProjectDataEditor::texts() const {
    ProjectFieldTexts t;
    for (const auto& [edit, text] : LineEdits)
        t.*text = (m_editors.*edit)->text().toStdString();
    t.Memo = m_editors.memo->toPlainText().toStdString();
    t.DefFact = m_editors.spndeffact->value();
    t.DiagDef = m_editors.spnDiagDef->value();
    return t;
}

void ProjectDataEditor::show(const ProjectFieldTexts& t) {
    for (const auto& [edit, text] : LineEdits)
        (m_editors.*edit)->setText(qt(t.*text));
    m_editors.memo->setPlainText(qt(t.Memo));
    m_editors.spndeffact->setValue(t.DefFact);
    m_editors.spnDiagDef->setValue(t.DiagDef);
}

QLineEdit* ProjectDataEditor::editNamed(const std::string& name) const {
    for (const auto& [edit, text] : LineEdits)
        if ((m_editors.*edit)->objectName() == qt(name))
            return m_editors.*edit;
    return nullptr;
}

void ProjectDataEditor::report(const std::vector<FieldProblem>& problems) {
    QStringList notNumbers;
    for (const FieldProblem& problem : problems) {
        if (QLineEdit* edit = editNamed(problem.editor))
            ShowInvalid(*edit);
        if (problem.refused)
            m_state.log.append(qt(problem.message));
        else
            notNumbers << qt(problem.message);
    }
    if (!notNumbers.isEmpty())
        (void)m_prompts.ask(MessageRequest::error(notNumbers.join(QLatin1Char('\n'))));
}

bool ProjectDataEditor::StoreProjectData() {
    const ProjectFieldsResult result = ReadProjectFields(texts(), m_state.project);
    if (!result.ok()) {
        report(result.problems);
        return false;
    }
    const std::vector<std::uint8_t> bytes = result.record.Encode();
    if (bytes != m_state.project.Encode())
        m_state.flags.ResultsCurrent = false;
    m_state.project = result.record;
    m_state.cad.setDrawingData(bytes);
    return true;
}

bool ProjectDataEditor::LoadProjectData() {
    CadSession& cad = m_state.cad;
    const bool found = cad.drawingData().size() == TProjectData::Size;
    if (found) {
        m_state.project = TProjectData::Decode(cad.drawingData());
        show(ShowProjectFields(m_state.project));
    } else {
        m_state.log.append(QStringLiteral(
            "Atenção: O desenho não tem dados de projeto; foram adotados os valores padrão."));
        ResetProjectData();
    }
    showDeformedColor(m_state.project.DefColor);
    cad.setLayerColor(LayerDeformed, DeformedColorIndex);
    return found;
}

void ProjectDataEditor::ResetProjectData() {
    TProjectData record;
    quadrilo::ResetProjectData(record, m_state.cad.paletteColor(DefaultDeformedColorIndex));
    m_state.project = record;
    show(ShowProjectFields(record));
    showDeformedColor(record.DefColor);
}

void ProjectDataEditor::showDeformedColor(std::uint32_t bgr) {
    m_state.cad.setPaletteColor(DeformedColorIndex, bgr);
    const std::uint32_t rgb = SwapRedBlue(bgr);
    m_editors.ShpColor->setColor(QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF));
}

} // namespace quadrilo::app

// The editors of the project record.
#include "app/ProjectDataEditor.h"

#include "app/DrawingLayers.h"
#include "app/FormParts.h"
#include "app/NumberCheck.h"
#include "app/ProgramState.h"
#include "app/UserPrompts.h"

#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>

namespace quadrilo::app {
namespace {

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

std::string text(const QLineEdit* edit) {
    return edit->text().toStdString();
}

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
    if (event->type() == QEvent::KeyPress)
        m_state.cad.setModified(true);
    return QObject::eventFilter(watched, event);
}

ProjectFieldTexts ProjectDataEditor::texts() const {
    const ProjectEditors& e = m_editors;
    ProjectFieldTexts t;
    t.fck = text(e.edtfck);
    t.nDX = text(e.edtdX);
    t.nDY = text(e.edtdY);
    t.PEConcreto = text(e.edtPEConcreto);
    t.PELaje = text(e.edtPELaje);
    t.PEParede = text(e.edtPEParede);
    t.Ec = text(e.edtEc);
    t.Gc = text(e.edtGc);
    t.LoadFact = text(e.edtLoadfact);
    t.GcFactor = text(e.edtGcFactor);
    t.VigaIt = text(e.edtVigaIt);
    t.SlabIt = text(e.edtSlabIt);
    t.Memo = e.memo->toPlainText().toStdString();
    t.DefFact = e.spndeffact->value();
    t.DiagDef = e.spnDiagDef->value();
    return t;
}

void ProjectDataEditor::show(const ProjectFieldTexts& t) {
    const ProjectEditors& e = m_editors;
    e.edtfck->setText(qt(t.fck));
    e.edtdX->setText(qt(t.nDX));
    e.edtdY->setText(qt(t.nDY));
    e.edtPEConcreto->setText(qt(t.PEConcreto));
    e.edtPELaje->setText(qt(t.PELaje));
    e.edtPEParede->setText(qt(t.PEParede));
    e.edtEc->setText(qt(t.Ec));
    e.edtGc->setText(qt(t.Gc));
    e.edtLoadfact->setText(qt(t.LoadFact));
    e.edtGcFactor->setText(qt(t.GcFactor));
    e.edtVigaIt->setText(qt(t.VigaIt));
    e.edtSlabIt->setText(qt(t.SlabIt));
    e.memo->setPlainText(qt(t.Memo));
    e.spndeffact->setValue(t.DefFact);
    e.spnDiagDef->setValue(t.DiagDef);
}

QLineEdit* ProjectDataEditor::editNamed(const std::string& name) const {
    const ProjectEditors& e = m_editors;
    for (QLineEdit* edit : {e.edtfck, e.edtdX, e.edtdY, e.edtPEConcreto, e.edtPELaje, e.edtPEParede,
                            e.edtEc, e.edtGc})
        if (edit->objectName() == qt(name))
            return edit;
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

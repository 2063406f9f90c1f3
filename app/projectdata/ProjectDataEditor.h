// The editors of the project record and StoreProjectData, LoadProjectData, ResetProjectData.
#pragma once

#include "app/projectdata/ProjectFields.h"

#include <QObject>

class QLineEdit;
class QPlainTextEdit;
class QSpinBox;

namespace quadrilo::app {

class ColorSwatch;
class ProgramState;
class UserPrompts;

struct ProjectEditors {
    QLineEdit* edtfck;
    QLineEdit* edtdX;
    QLineEdit* edtdY;
    QLineEdit* edtPEConcreto;
    QLineEdit* edtPELaje;
    QLineEdit* edtPEParede;
    QLineEdit* edtEc;
    QLineEdit* edtGc;
    QLineEdit* edtLoadfact;
    QLineEdit* edtGcFactor;
    QLineEdit* edtVigaIt;
    QLineEdit* edtSlabIt;
    QSpinBox* spndeffact;
    QSpinBox* spnDiagDef;
    QPlainTextEdit* memo;
    ColorSwatch* ShpColor;
};

// The editors of the project record (tabs 1, 4, 5 and 6) and the three routines that move the
// record between them and the drawing: StoreProjectData, LoadProjectData, ResetProjectData.
class ProjectDataEditor : public QObject {
    Q_OBJECT
public:
    ProjectDataEditor(ProgramState& state, UserPrompts& prompts, const ProjectEditors& editors);

    // Converts every editor first, then changes the record and the drawing's copy, or nothing:
    // a number out of the record's range is refused in the log, a text that is no number goes
    // to the error handler; either way the edit turns red and false is returned.
    // ResultsCurrent is cleared only when a stored value changed.
    [[nodiscard]] bool StoreProjectData();
    // Reads the drawing's record into memory and the editors. A drawing without a 1400-byte
    // record gets the defaults of a new project and an "Atenção:" line; false then.
    bool LoadProjectData();
    // The defaults of a new project, in memory and in every editor.
    void ResetProjectData();

    // The colour of the deformed grillage (0x00BBGGRR) into palette entry 10 and the swatch.
    void showDeformedColor(std::uint32_t bgr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    [[nodiscard]] ProjectFieldTexts texts() const;
    void show(const ProjectFieldTexts& texts);
    [[nodiscard]] QLineEdit* editNamed(const std::string& name) const;
    void report(const std::vector<FieldProblem>& problems);

    ProgramState& m_state;
    UserPrompts& m_prompts;
    ProjectEditors m_editors;
};

} // namespace quadrilo::app

// The main window's small tools that belong to no element.
#include "app/window/TfrmMain.h"

#include "app/tabs/CalculationTab.h"
#include "app/tabs/ConstructionLinesTab.h"
#include "app/drawing/DrawingLayers.h"
#include "app/documents/FileAssociation.h"
#include "app/tabs/InitialDataTab.h"
#include "app/ProgramState.h"
#include "app/projectdata/ProjectFields.h"
#include "app/documents/TextFiles.h"
#include "app/window/TfrmAbout.h"
#include "app/prompts/UserPrompts.h"

#include "common/Format.h"
#include "common/StringUtils.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>

#include <cmath>
#include <stdexcept>

namespace quadrilo::app {
namespace {

// The number an edit holds; a text that is not one stops the tool with the error shown.
double numberIn(const QLineEdit& edit) {
    const std::string text = edit.text().toStdString();
    if (const auto value = ParseNumber(text))
        return *value;
    throw std::runtime_error(Format("\"%s\" não é um número válido.", text));
}

} // namespace

void TfrmMain::fckToEc() {
    // Ec = 0.85 · 5600 · √fck MPa, written in kN/m².
    const double fck = numberIn(*m_initialData->edtfck);
    if (fck < 0)
        throw std::runtime_error(Format("fck de %g MPa não tem módulo de elasticidade.", fck));
    m_initialData->edtEc->setText(
        QString::fromStdString(FloatToStr(4760.0 * std::sqrt(fck) * 1000.0)));
}

void TfrmMain::computeGc() {
    m_state.project.GcFactor =
        CutCharacters(m_initialData->edtGcFactor->text().toStdString(), TProjectData::TextCapacity);
    if (!storeProjectData())
        return;
    expr::TParser& parser = m_state.parser;
    (void)parser.AssignVariable("Ec", m_state.project.Ec);
    parser.SetExpression(m_state.project.GcFactor);
    m_initialData->edtGc->setText(QString::fromStdString(FloatToStr(parser.Value())));
    (void)storeProjectData();
}

void TfrmMain::createConstructionLine(bool horizontal) {
    QLineEdit& edit = horizontal ? *m_constructionLines->edtHor : *m_constructionLines->edtVert;
    const double v = numberIn(edit);
    SetCurrentLayer(QString::fromUtf8(LayerConstructionLines));
    // Y = v along +X, or X = v along +Y: unit directions, so that 0 gives the axis itself.
    const bool created = horizontal ? m_state.cad.addConstructionLine({0, v, 0}, {1, 0, 0})
                                    : m_state.cad.addConstructionLine({v, 0, 0}, {0, 1, 0});
    if (!created) {
        (void)m_prompts.ask(
            MessageRequest::error(horizontal ? QStringLiteral("Não foi possível criar a XLine.")
                                             : QStringLiteral("XLine could not be Created.")));
        return;
    }
    edit.clear();
    RefreshView();
}

void TfrmMain::deleteAllLoads() {
    MessageRequest question =
        MessageRequest::yesNo(QStringLiteral("Deseja mesmo apagar todas as cargas localizadas?"));
    if (m_prompts.ask(question) != AnswerYes)
        return;
    CadSession& cad = m_state.cad;
    cad.clearSelection();
    SetCurrentLayer(QString::fromUtf8(LayerLoads));
    // Only the nodal loads: a wall drawn while "Cargas" was current stays.
    if (cad.selectKindInLayer(QString::fromUtf8(LayerLoads), NodalLoadKind) == 0) {
        LogMessage(QStringLiteral("Erro Apagar Cargas: Não há cargas para apagar!"));
        return;
    }
    (void)cad.eraseSelection();
    m_state.flags.ResultsCurrent = false;
    RefreshView();
    LogMessage(QStringLiteral("Cargas Apagadas..."));
    LogMessage(LogSeparator);
    m_actions["actGerarDados"]->trigger();
}

void TfrmMain::saveHistory() {
    WriteFileBytes(m_state.folders.historyPath(), m_state.log.text().toUtf8());
}

void TfrmMain::meshVisibility() {
    const bool visible = m_calculation->chkMalhaVis->isChecked();
    m_actions["actLayerMalhaPVis"]->setChecked(visible);
    m_state.cad.setLayerShown(QString::fromUtf8(LayerMesh), visible);
    RefreshView();
}

void TfrmMain::loadVisibility() {
    const bool visible = m_calculation->chkLocLoad->isChecked();
    m_actions["actLocLoadVis"]->setChecked(visible);
    SetLayerVisible(QString::fromUtf8(LayerLoads), visible);
    RefreshView();
}

void TfrmMain::associateFiles() {
    (void)AssociateDrawingFiles(QCoreApplication::applicationFilePath(),
                                AssociationFolders::forUser());
}

void TfrmMain::showAbout() {
    m_prompts.showModal(*m_about);
}

} // namespace quadrilo::app

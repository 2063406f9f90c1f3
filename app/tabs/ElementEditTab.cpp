// Tab "7) Edição dos Elementos": the edit groups of beams, slabs, loads and columns.
#include "app/tabs/ElementEditTab.h"

#include "app/window/FormParts.h"
#include "app/window/MainActions.h"

#include "cad/Overloaded.h"
#include "elements/ULajeCustEnt.h"
#include "elements/ULoads.h"
#include "elements/UPilarCustEnt.h"
#include "elements/UVigaCustEnt.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace quadrilo::app {
namespace {

QGroupBox* group(QFormLayout& page, const QString& caption, const char* name) {
    auto* box = new QGroupBox(caption);
    box->setObjectName(QLatin1String(name));
    // Long values (coordinates, sizes) go under their caption rather than off the panel.
    (new QFormLayout(box))->setRowWrapPolicy(QFormLayout::WrapLongRows);
    page.addRow(box);
    return box;
}

QFormLayout& formOf(QGroupBox& box) {
    return *static_cast<QFormLayout*>(box.layout());
}

QLabel* valueLabel(QGroupBox& box, const QString& caption, const char* name) {
    auto* label = new QLabel(&box);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    formOf(box).addRow(caption, label);
    return label;
}

QCheckBox* check(QGroupBox& box, const QString& caption, const char* name) {
    auto* c = new QCheckBox(caption, &box);
    c->setObjectName(QLatin1String(name));
    formOf(box).addRow(c);
    return c;
}

QPushButton* saveButton(QGroupBox& box, QAction& action, const QString& caption, const char* name) {
    QPushButton* button = ActionButton(action, &box, caption);
    button->setObjectName(QLatin1String(name));
    formOf(box).addRow(button);
    return button;
}

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

std::string text(const QLineEdit* edit) {
    return edit->text().toStdString();
}

std::string text(const QLabel* label) {
    return label->text().toStdString();
}

} // namespace

ElementEditTab::ElementEditTab(const MainActions& actions, QWidget* parent) : QWidget(parent) {
    QFormLayout& page = *TopForm(*this);
    auto* hint = new QLabel(QStringLiteral("Selecione uma entidade para edição."), this);
    hint->setObjectName(QStringLiteral("lblSelecione"));
    page.addRow(hint);
    const QString handle = QStringLiteral("Entidade (Handle):");

    editgroupVigas = group(page, QStringLiteral("Vigas: "), "editgroupVigas");
    editTextVigaName =
        AddEdit(formOf(*editgroupVigas), QStringLiteral("Nome:"), "editTextVigaName", {});
    editVigaladoa =
        AddEdit(formOf(*editgroupVigas), QStringLiteral("Lado a:"), "editVigaladoa", {});
    editVigaLadoB =
        AddEdit(formOf(*editgroupVigas), QStringLiteral("Lado b:"), "editVigaLadoB", {});
    editPnlVigaCoords =
        valueLabel(*editgroupVigas, QStringLiteral("Coordenadas:"), "editPnlVigaCoords");
    editPnlVigaHandle = valueLabel(*editgroupVigas, handle, "editPnlVigaHandle");
    Button5 = CaptionButton(QStringLiteral("Grava"), {}, "Button5", editgroupVigas);
    formOf(*editgroupVigas).addRow(Button5);

    EditGroupLajes = group(page, QStringLiteral("Lajes:"), "EditGroupLajes");
    editLajeName = AddEdit(formOf(*EditGroupLajes), QStringLiteral("Nome:"), "editLajeName", {});
    editLajeE = AddEdit(formOf(*EditGroupLajes), QStringLiteral("e:"), "editLajeE", {});
    editlajelabel = valueLabel(*EditGroupLajes, QStringLiteral("Dimensões:"), "editlajelabel");
    editLajeHandle = valueLabel(*EditGroupLajes, handle, "editLajeHandle");
    (void)saveButton(*EditGroupLajes, *actions["actEditLajeSave"], QStringLiteral("Grava"),
                     "btnGravaLaje");

    EditGroupCargas = group(page, QStringLiteral("Cargas:"), "EditGroupCargas");
    editcargaValor =
        AddEdit(formOf(*EditGroupCargas), QStringLiteral("Carga (kN):"), "editcargaValor", {});
    EditPnlCargaHandle = valueLabel(*EditGroupCargas, handle, "EditPnlCargaHandle");
    (void)saveButton(*EditGroupCargas, *actions["actEditLoadSave"], QStringLiteral("Grava"),
                     "Button6");

    editGroupPilares = group(page, QStringLiteral("Pilares: "), "editGroupPilares");
    editPilarName =
        AddEdit(formOf(*editGroupPilares), QStringLiteral("Nome:"), "editPilarName", {});
    editChkDz =
        check(*editGroupPilares, QStringLiteral(": dz (Não pode ser alterado)"), "editChkDz");
    editChkDz->setEnabled(false);
    editChkRx = check(*editGroupPilares, QStringLiteral(": rx"), "editChkRx");
    editChekRy = check(*editGroupPilares, QStringLiteral(": ry"), "editChekRy");
    editPnlPilarCoord =
        valueLabel(*editGroupPilares, QStringLiteral("Coordenadas:"), "editPnlPilarCoord");
    editPnlPilarHandle = valueLabel(*editGroupPilares, handle, "editPnlPilarHandle");
    (void)saveButton(*editGroupPilares, *actions["actEditPilarSave"], QStringLiteral("Gravar"),
                     "Button3");

    showSlab(elements::ClearedSlabPanel());
    showBeam(elements::ClearedBeamPanel());
    showColumn(elements::ClearedColumnPanel());
    showLoad(elements::ClearedLoadPanel());
}

void ElementEditTab::show(const elements::EditPanel& panel) {
    std::visit(cad::Overloaded{[this](const elements::SlabPanel& p) { showSlab(p); },
                               [this](const elements::BeamPanel& p) { showBeam(p); },
                               [this](const elements::ColumnPanel& p) { showColumn(p); },
                               [this](const elements::LoadPanel& p) { showLoad(p); }},
               panel);
}

void ElementEditTab::showSlab(const elements::SlabPanel& p) {
    editLajeName->setText(qt(p.editLajeName));
    editLajeE->setText(qt(p.editLajeE));
    editlajelabel->setText(qt(p.editlajelabel));
    editLajeHandle->setText(qt(p.editLajeHandle));
    EditGroupLajes->setVisible(p.visible);
}

void ElementEditTab::showBeam(const elements::BeamPanel& p) {
    editTextVigaName->setText(qt(p.editTextVigaName));
    editVigaladoa->setText(qt(p.editVigaladoa));
    editVigaLadoB->setText(qt(p.editVigaLadoB));
    editPnlVigaCoords->setText(qt(p.editPnlVigaCoords));
    editPnlVigaHandle->setText(qt(p.editPnlVigaHandle));
    editgroupVigas->setVisible(p.visible);
}

void ElementEditTab::showColumn(const elements::ColumnPanel& p) {
    editPilarName->setText(qt(p.editPilarName));
    editChkDz->setChecked(p.editChkDz);
    editChkRx->setChecked(p.editChkRx);
    editChekRy->setChecked(p.editChekRy);
    editPnlPilarCoord->setText(qt(p.editPnlPilarCoord));
    editPnlPilarHandle->setText(qt(p.editPnlPilarHandle));
    editGroupPilares->setVisible(p.visible);
}

void ElementEditTab::showLoad(const elements::LoadPanel& p) {
    editcargaValor->setText(qt(p.editcargaValor));
    EditPnlCargaHandle->setText(qt(p.EditPnlCargaHandle));
    EditGroupCargas->setVisible(p.visible);
}

elements::SlabPanel ElementEditTab::slabPanel() const {
    return {!EditGroupLajes->isHidden(), text(editLajeName), text(editLajeE), text(editlajelabel),
            text(editLajeHandle)};
}

elements::BeamPanel ElementEditTab::beamPanel() const {
    return {!editgroupVigas->isHidden(), text(editTextVigaName),  text(editVigaladoa),
            text(editVigaLadoB),         text(editPnlVigaCoords), text(editPnlVigaHandle)};
}

elements::ColumnPanel ElementEditTab::columnPanel() const {
    return {!editGroupPilares->isHidden(), text(editPilarName),     editChkDz->isChecked(),
            editChkRx->isChecked(),        editChekRy->isChecked(), text(editPnlPilarCoord),
            text(editPnlPilarHandle)};
}

elements::LoadPanel ElementEditTab::loadPanel() const {
    return {!EditGroupCargas->isHidden(), text(editcargaValor), text(EditPnlCargaHandle)};
}

} // namespace quadrilo::app

// Tab "6) Cálculos e Malha".
#include "app/tabs/CalculationTab.h"

#include "app/window/FormParts.h"
#include "app/window/MainActions.h"
#include "app/window/NumberCheck.h"

#include <QAction>
#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace quadrilo::app {
namespace {

QGroupBox* group(const char* title, const char* name, QWidget* parent) {
    auto* box = new QGroupBox(QString::fromUtf8(title), parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

QSpinBox* spin(const char* name, int minimum, int maximum, int step, int value, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setRange(minimum, maximum);
    box->setSingleStep(step);
    box->setValue(value);
    return box;
}

} // namespace

CalculationTab::CalculationTab(const MainActions& actions, QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(meshGroup(actions));
    layout->addWidget(loadGroup(actions));
    layout->addWidget(deformedGroup(actions));
    layout->addWidget(diagramGroup(actions));
    layout->addStretch(1);
}

QGroupBox* CalculationTab::meshGroup(const MainActions& actions) {
    QGroupBox* box = group("Malha Principal: ", "grpMalhaPrincipal", this);
    auto* form = new QFormLayout(box);
    edtdX = AddEdit(*form, QStringLiteral("n dX:"), "edtdX", QStringLiteral("10"));
    edtdY = AddEdit(*form, QStringLiteral("n dY:"), "edtdY", QStringLiteral("10"));
    for (const char* name : {"actMalha", "actDelMesh", "actCalculate", "actlistInput"})
        form->addRow(ActionButton(*actions[name], box));
    chkMalhaVis = ActionCheckBox(*actions["actLayerMalhaPVis"], "chkMalhaVis", box);
    form->addRow(chkMalhaVis);
    return box;
}

QGroupBox* CalculationTab::loadGroup(const MainActions& actions) {
    QGroupBox* box = group("Cargas: ", "grpCargas", this);
    auto* grid = new QGridLayout(box);
    edtNodalLoad = new QLineEdit(QStringLiteral("0"), box);
    edtNodalLoad->setObjectName(QStringLiteral("edtNodalLoad"));
    grid->addWidget(ActionButton(*actions["actDrawWeight"], box), 0, 0);
    grid->addWidget(edtNodalLoad, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("kN"), box), 0, 2);
    QPushButton* deleteAll =
        ActionButton(*actions["actWeightDeleteAll"], box, QStringLiteral("Apagar Todas"));
    grid->addWidget(deleteAll, 1, 0);
    chkLocLoad = ActionCheckBox(*actions["actLocLoadVis"], "chkLocLoad", box);
    grid->addWidget(chkLocLoad, 1, 1, 1, 2);
    // The distributed load of walls exists but is not offered.
    QPushButton* distributed = ActionButton(*actions["actLongWeight"], box);
    edtCargaLinear = new QLineEdit(QStringLiteral("0"), box);
    edtCargaLinear->setObjectName(QStringLiteral("edtCargaLinear"));
    grid->addWidget(distributed, 2, 0);
    grid->addWidget(edtCargaLinear, 2, 1);
    distributed->hide();
    edtCargaLinear->hide();
    CheckNumberOnChange(*edtNodalLoad);
    CheckNumberOnChange(*edtCargaLinear);
    return box;
}

QGroupBox* CalculationTab::deformedGroup(const MainActions& actions) {
    grpMalhaDeformada = group("Malha Deformada: ", "grpMalhaDeformada", this);
    QGroupBox* box = grpMalhaDeformada;
    auto* column = new QVBoxLayout(box);
    for (const char* name : {"actDeformada", "actDelDeformada", "ActListResult"})
        column->addWidget(ActionButton(*actions[name], box));
    auto* colour = new QHBoxLayout;
    ShpColor = new ColorSwatch(box);
    colour->addWidget(ActionButton(*actions["actColor"], box));
    colour->addWidget(ShpColor);
    colour->addStretch(1);
    ckDefVis = ActionCheckBox(*actions["actLayerDefVis"], "ckDefVis", box);
    colour->addWidget(ckDefVis);
    column->addLayout(colour);
    column->addWidget(new QLabel(QStringLiteral("Fator de Deformação:"), box));
    // 100000 until a project sets it.
    spndeffact = spin("spndeffact", 1, 1000000000, 1000, 100000, box);
    column->addWidget(spndeffact);
    column->addWidget(ActionButton(*actions["actViewrender"], box));
    box->setEnabled(false);
    return box;
}

QGroupBox* CalculationTab::diagramGroup(const MainActions& actions) {
    QGroupBox* box = group("Diagramas: ", "grpDiagramas", this);
    auto* grid = new QGridLayout(box);
    int row = 0;
    for (const char* name : {"actDiagFletor", "actDiagCortante", "actDiagNormal", "actDiagDZ"}) {
        auto* speed = new QToolButton(box);
        speed->setDefaultAction(actions[name]);
        speed->setObjectName(QStringLiteral("spd_") + QLatin1String(name));
        speed->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        grid->addWidget(speed, row++, 0, 1, 2);
    }
    grid->addWidget(new QLabel(QStringLiteral("Def."), box), row, 0);
    spnDiagDef = spin("spnDiagDef", 1, 100000, 5, 5, box);
    grid->addWidget(spnDiagDef, row, 1);
    return box;
}

} // namespace quadrilo::app

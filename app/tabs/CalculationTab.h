// Tab "6) Cálculos e Malha": its four groups, their buttons bound to the window's actions.
#pragma once

#include <QWidget>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QSpinBox;

namespace quadrilo::app {

class ColorSwatch;
class MainActions;

// Tab "6) Cálculos e Malha": the groups "Malha Principal: ", "Cargas: ", "Malha Deformada: " and
// "Diagramas: ", their buttons bound to the window's actions.
class CalculationTab : public QWidget {
    Q_OBJECT
public:
    CalculationTab(const MainActions& actions, QWidget* parent = nullptr);

    // "Malha Principal: "
    QLineEdit* edtdX;
    QLineEdit* edtdY;
    QCheckBox* chkMalhaVis;
    // "Cargas: "
    QLineEdit* edtNodalLoad;
    QLineEdit* edtCargaLinear; // with its button, hidden
    QCheckBox* chkLocLoad;
    // "Malha Deformada: ", enabled once a calculation has completed
    QGroupBox* grpMalhaDeformada;
    ColorSwatch* ShpColor;
    QCheckBox* ckDefVis;
    QSpinBox* spndeffact;
    // "Diagramas: "
    QSpinBox* spnDiagDef;

private:
    QGroupBox* meshGroup(const MainActions& actions);
    QGroupBox* loadGroup(const MainActions& actions);
    QGroupBox* deformedGroup(const MainActions& actions);
    QGroupBox* diagramGroup(const MainActions& actions);
};

} // namespace quadrilo::app

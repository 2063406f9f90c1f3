// Tab "4) Vigas": the beam panel with its calculation buttons, the beams' torsion formula
// `edtVigaIt` (which belongs to the project record) and "Criar Viga".
#pragma once

#include "elements/UVigaCustEnt.h"

#include <QWidget>

class QLineEdit;
class QPushButton;

namespace quadrilo::app {

class BeamsTab : public QWidget {
    Q_OBJECT
public:
    explicit BeamsTab(QWidget* parent = nullptr);

    [[nodiscard]] elements::BeamCreationPanel panel() const;

    QLineEdit* edtViganome;
    QLineEdit* edtVLadoa;
    QLineEdit* edtVLadob;
    QLineEdit* edtVigaArea;
    QPushButton* SpeedButton15;
    QLineEdit* edt_I;
    QPushButton* spdCalcViga_I;
    QLineEdit* edtVigaIt;
    QLineEdit* edt_It;
    QPushButton* spdCalcViga_It;
    QLineEdit* edtVCargaAdic;
    QPushButton* Button4;
};

} // namespace quadrilo::app

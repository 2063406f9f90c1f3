// Tab "3) Pilares": the column panel (sides, height, name, restraints, spring) and "Criar".
#pragma once

#include "elements/UPilarCustEnt.h"

#include <QWidget>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace quadrilo::app {

class ColumnsTab : public QWidget {
    Q_OBJECT
public:
    explicit ColumnsTab(QWidget* parent = nullptr);

    // The panel's texts and boxes as they stand.
    [[nodiscard]] elements::ColumnCreationPanel panel() const;

    QLineEdit* edtLadoA;
    QLineEdit* edtLadoB;
    QLineEdit* edthPilar;
    QLineEdit* edtPName;
    QCheckBox* chkDz;
    QCheckBox* chkRx;
    QCheckBox* chkRy;
    QLineEdit* edtMola;
    QPushButton* btn_CriaPilar;
};

} // namespace quadrilo::app

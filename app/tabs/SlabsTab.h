// Tab "5) Lajes": the slab panel, the slabs' torsion formula `edtSlabIt` (which belongs to the
// project record) and "Cria Laje".
#pragma once

#include "elements/ULajeCustEnt.h"

#include <QWidget>

class QLineEdit;
class QPushButton;

namespace quadrilo::app {

class SlabsTab : public QWidget {
    Q_OBJECT
public:
    explicit SlabsTab(QWidget* parent = nullptr);

    [[nodiscard]] elements::SlabCreationPanel panel() const;

    QLineEdit* edtLh;
    QLineEdit* edtLName;
    QLineEdit* edtCAcid;
    QLineEdit* edtCPerm;
    QLineEdit* edtSlabIt;
    QPushButton* btn_CriaLaje;
};

} // namespace quadrilo::app

// Tab "5) Lajes": the place of the slab panel, with the slabs' torsion formula `edtSlabIt`, which
// belongs to the project record.
#pragma once

#include <QWidget>

class QLineEdit;

namespace quadrilo::app {

class SlabsTab : public QWidget {
    Q_OBJECT
public:
    explicit SlabsTab(QWidget* parent = nullptr);

    QLineEdit* edtSlabIt;
};

} // namespace quadrilo::app

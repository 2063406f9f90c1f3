// Tab "5) Lajes": the place of the slab panel, with the slabs' torsion formula `edtSlabIt`.
#pragma once

#include <QWidget>

class QLineEdit;

namespace quadrilo::app {

// Tab "5) Lajes": the place of the slab panel, with the slabs' torsion formula `edtSlabIt`, which
// belongs to the project record.
class SlabsTab : public QWidget {
    Q_OBJECT
public:
    explicit SlabsTab(QWidget* parent = nullptr);

    QLineEdit* edtSlabIt;
};

} // namespace quadrilo::app

// Tab "4) Vigas": the place of the beam panel, with the beams' torsion formula `edtVigaIt`.
#pragma once

#include <QWidget>

class QLineEdit;

namespace quadrilo::app {

// Tab "4) Vigas": the place of the beam panel, with the beams' torsion formula `edtVigaIt`, which
// belongs to the project record.
class BeamsTab : public QWidget {
    Q_OBJECT
public:
    explicit BeamsTab(QWidget* parent = nullptr);

    QLineEdit* edtVigaIt;
};

} // namespace quadrilo::app

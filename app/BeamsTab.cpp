// Tab "4) Vigas": the place of the beam panel, with the beams' torsion formula `edtVigaIt`, which
// belongs to the project record.
#include "app/BeamsTab.h"

#include "app/FormParts.h"

#include <QLineEdit>

namespace quadrilo::app {

BeamsTab::BeamsTab(QWidget* parent) : QWidget(parent) {
    edtVigaIt = AddEdit(*TopForm(*this), QStringLiteral("Definição de It:"), "edtVigaIt",
                        QStringLiteral("(b^3*h)/3"));
}

} // namespace quadrilo::app

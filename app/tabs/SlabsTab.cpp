// Tab "5) Lajes".
#include "app/tabs/SlabsTab.h"

#include "app/window/FormParts.h"

#include <QLineEdit>

namespace quadrilo::app {

SlabsTab::SlabsTab(QWidget* parent) : QWidget(parent) {
    edtSlabIt = AddEdit(*TopForm(*this), QStringLiteral("Definição de It:"), "edtSlabIt",
                        QStringLiteral("(b*h^3)/6"));
}

} // namespace quadrilo::app

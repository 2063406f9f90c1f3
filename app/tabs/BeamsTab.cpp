// Tab "4) Vigas".
#include "app/tabs/BeamsTab.h"

#include "app/window/FormParts.h"

#include <QLineEdit>

namespace quadrilo::app {

BeamsTab::BeamsTab(QWidget* parent) : QWidget(parent) {
    edtVigaIt = AddEdit(*TopForm(*this), QStringLiteral("Definição de It:"), "edtVigaIt",
                        QStringLiteral("(b^3*h)/3"));
}

} // namespace quadrilo::app

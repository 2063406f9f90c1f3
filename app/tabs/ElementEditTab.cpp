// Tab "7) Edição dos Elementos": the place of the edit panels of beams, slabs, loads and columns.
#include "app/tabs/ElementEditTab.h"

#include "app/window/FormParts.h"

#include <QFormLayout>
#include <QLabel>

namespace quadrilo::app {

ElementEditTab::ElementEditTab(QWidget* parent) : QWidget(parent) {
    auto* hint = new QLabel(QStringLiteral("Selecione uma entidade para edição."), this);
    hint->setObjectName(QStringLiteral("lblSelecione"));
    TopForm(*this)->addRow(hint);
}

} // namespace quadrilo::app

// Tab "3) Pilares": the place of the column panel (data and "Criar").
#include "app/tabs/ColumnsTab.h"

#include "app/window/FormParts.h"

namespace quadrilo::app {

ColumnsTab::ColumnsTab(QWidget* parent) : QWidget(parent) {
    TopForm(*this);
}

} // namespace quadrilo::app

// Tab "5) Lajes": the slab panel and "Cria Laje".
#include "app/tabs/SlabsTab.h"

#include "app/window/FormParts.h"
#include "app/window/NumberCheck.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

namespace quadrilo::app {

SlabsTab::SlabsTab(QWidget* parent) : QWidget(parent) {
    const elements::SlabCreationPanel defaults;
    QFormLayout& form = *TopForm(*this);
    const auto text = [](const std::string& s) { return QString::fromStdString(s); };
    edtLh = AddEdit(form, QStringLiteral("h (cm):"), "edtLh", text(defaults.edtLh));
    edtLName = AddEdit(form, QStringLiteral("Nome:"), "edtLName", text(defaults.edtLName));
    edtCAcid = AddEdit(form, QStringLiteral("Carga Acidental (kN/m^2):"), "edtCAcid",
                       text(defaults.edtCAcid));
    edtCPerm = AddEdit(form, QStringLiteral("Carga Permanente (kN/m^2):"), "edtCPerm",
                       text(defaults.edtCPerm));
    edtSlabIt =
        AddEdit(form, QStringLiteral("Definição de It:"), "edtSlabIt", text(defaults.edtSlabIt));
    btn_CriaLaje = CaptionButton(QStringLiteral("Cria Laje"), {}, "btn_CriaLaje", this);
    form.addRow(btn_CriaLaje);

    for (QLineEdit* edit : {edtLh, edtCAcid, edtCPerm})
        CheckNumberOnChange(*edit);
    CheckNumberOnKeyRelease(*edtLh);
}

elements::SlabCreationPanel SlabsTab::panel() const {
    const auto text = [](const QLineEdit* edit) { return edit->text().toStdString(); };
    return {text(edtLh), text(edtLName), text(edtCAcid), text(edtCPerm), text(edtSlabIt)};
}

} // namespace quadrilo::app

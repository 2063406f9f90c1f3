// Tab "4) Vigas": the beam panel, its calculation buttons and "Criar Viga".
#include "app/tabs/BeamsTab.h"

#include "app/window/FormParts.h"
#include "app/window/NumberCheck.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace quadrilo::app {

BeamsTab::BeamsTab(QWidget* parent) : QWidget(parent) {
    const elements::BeamCreationPanel defaults;
    QFormLayout& form = *TopForm(*this);
    const auto text = [](const std::string& s) { return QString::fromStdString(s); };
    const auto calc = [this](const char* name, const QString& hint) {
        return CaptionButton(QStringLiteral("="), hint, name, this);
    };
    edtViganome =
        AddEdit(form, QStringLiteral("Nome da Viga:"), "edtViganome", text(defaults.edtViganome));
    edtVLadoa = AddEdit(form, QStringLiteral("b (cm):"), "edtVLadoa", text(defaults.edtVLadoa));
    edtVLadob = AddEdit(form, QStringLiteral("h (cm):"), "edtVLadob", text(defaults.edtVLadob));
    SpeedButton15 = calc("SpeedButton15", QStringLiteral("Área = a·b"));
    edtVigaArea = AddEdit(form, QStringLiteral("Área (cm^2):"), "edtVigaArea",
                          text(defaults.edtVigaArea), {}, SpeedButton15);
    spdCalcViga_I = calc("spdCalcViga_I", QStringLiteral("I = b³·a/12"));
    edt_I =
        AddEdit(form, QStringLiteral("I (cm^4)"), "edt_I", text(defaults.edt_I), {}, spdCalcViga_I);
    edtVigaIt =
        AddEdit(form, QStringLiteral("Definição de It:"), "edtVigaIt", text(defaults.edtVigaIt));
    spdCalcViga_It = calc("spdCalcViga_It", QStringLiteral("It pela definição de It"));
    edt_It = AddEdit(form, QStringLiteral("It (cm^4):"), "edt_It", text(defaults.edt_It), {},
                     spdCalcViga_It);
    // The additional load stays hidden, at its default.
    auto* unit = new QLabel(QStringLiteral("kN/m"), this);
    edtVCargaAdic = AddEdit(form, QStringLiteral("Carga adicional:"), "edtVCargaAdic",
                            text(defaults.edtVCargaAdic), {}, unit);
    form.setRowVisible(form.rowCount() - 1, false);
    Button4 = CaptionButton(QStringLiteral("Criar Viga"), {}, "Button4", this);
    form.addRow(Button4);

    for (QLineEdit* edit : {edtVLadoa, edtVLadob, edtVCargaAdic, edt_I, edt_It})
        CheckNumberOnChange(*edit);
    for (QLineEdit* edit : {edtVLadoa, edtVLadob})
        CheckNumberOnKeyRelease(*edit);
}

elements::BeamCreationPanel BeamsTab::panel() const {
    const auto text = [](const QLineEdit* edit) { return edit->text().toStdString(); };
    return {text(edtViganome), text(edtVLadoa), text(edtVLadob), text(edtVigaArea),
            text(edt_I),       text(edtVigaIt), text(edt_It),    text(edtVCargaAdic)};
}

} // namespace quadrilo::app

// Tab "3) Pilares": the column panel and "Criar".
#include "app/tabs/ColumnsTab.h"

#include "app/window/FormParts.h"
#include "app/window/NumberCheck.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quadrilo::app {
namespace {

QCheckBox* restraintBox(const QString& caption, const char* name, QVBoxLayout& group) {
    auto* box = new QCheckBox(caption);
    box->setObjectName(QLatin1String(name));
    group.addWidget(box);
    return box;
}

} // namespace

ColumnsTab::ColumnsTab(QWidget* parent) : QWidget(parent) {
    const elements::ColumnCreationPanel defaults;
    QFormLayout& form = *TopForm(*this);
    const auto text = [](const std::string& s) { return QString::fromStdString(s); };
    edtLadoA = AddEdit(form, QStringLiteral("Lado a (cm):"), "edtLadoA", text(defaults.edtLadoA));
    edtLadoB = AddEdit(form, QStringLiteral("Lado b (cm):"), "edtLadoB", text(defaults.edtLadoB));
    edthPilar =
        AddEdit(form, QStringLiteral("Altura (cm):"), "edthPilar", text(defaults.edthPilar));
    edtPName = AddEdit(form, QStringLiteral("Nome:"), "edtPName", text(defaults.edtPName));

    auto* restraints = new QGroupBox(QStringLiteral("Restrições no apoio: "), this);
    restraints->setObjectName(QStringLiteral("grpRestricoes"));
    auto* boxes = new QVBoxLayout(restraints);
    chkDz = restraintBox(QStringLiteral(": dz (Não pode ser alterado)"), "chkDz", *boxes);
    chkRx = restraintBox(QStringLiteral("rx"), "chkRx", *boxes);
    chkRy = restraintBox(QStringLiteral("ry"), "chkRy", *boxes);
    // dz is always restrained: the box shows it and cannot be unchecked.
    chkDz->setChecked(true);
    chkDz->setEnabled(false);
    form.addRow(restraints);

    edtMola = AddEdit(form, QStringLiteral("Kz (Mola):"), "edtMola", text(defaults.edtMola),
                      QStringLiteral("Se o valor da mola for diferente de 0\no programa adotará, "
                                     "para o pilar, a deformabilidade \nda mola na direção z."));
    btn_CriaPilar = CaptionButton(QStringLiteral("Criar"), {}, "btn_CriaPilar", this);
    form.addRow(btn_CriaPilar);

    for (QLineEdit* edit : {edtLadoA, edtLadoB, edthPilar, edtMola}) {
        CheckNumberOnChange(*edit);
        CheckNumberOnKeyRelease(*edit);
    }
}

elements::ColumnCreationPanel ColumnsTab::panel() const {
    return {edtLadoA->text().toStdString(),
            edtLadoB->text().toStdString(),
            edthPilar->text().toStdString(),
            edtPName->text().toStdString(),
            chkDz->isChecked(),
            chkRx->isChecked(),
            chkRy->isChecked(),
            edtMola->text().toStdString()};
}

} // namespace quadrilo::app

// Tab "1) Dados Iniciais".
#include "app/tabs/InitialDataTab.h"

#include "app/window/FormParts.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quadrilo::app {

InitialDataTab::InitialDataTab(QWidget* parent) : QWidget(parent) {
    auto* group = new QGroupBox(QStringLiteral("Def. Fck e Cargas: "), this);
    group->setObjectName(QStringLiteral("grpFckCargas"));
    auto* form = new QFormLayout(group);
    form->setRowWrapPolicy(QFormLayout::WrapAllRows); // the panel is narrow: labels above
    edtfck = AddEdit(*form, QStringLiteral("fck (MPa):"), "edtfck", QStringLiteral("20"));
    edtPEConcreto = AddEdit(*form, QStringLiteral("Peso específico do concreto (kN/m³):"),
                            "edtPEConcreto", QStringLiteral("25"));
    edtPELaje = AddEdit(*form, QStringLiteral("Peso específico da laje (kN/m³):"), "edtPELaje",
                        QStringLiteral("25"));
    edtPEParede = AddEdit(*form, QStringLiteral("Peso específico da parede (kN/m³):"),
                          "edtPEParede", QStringLiteral("13"));
    btnFckEc = CaptionButton(QStringLiteral("fck->Ec"),
                             QStringLiteral("Calcula Ec automaticamente"), "btnFckEc", group);
    edtEc = AddEdit(*form, QStringLiteral("Ec (kN/m²):"), "edtEc", QStringLiteral("32000000"),
                    QStringLiteral("Ec = 0.85*5600*fck^0.5"), btnFckEc);
    btnGc = CaptionButton(QStringLiteral("Gc :="),
                          QStringLiteral("Gera Gc em função de \nEc \n Ex: Gc:= 0.4 x Ec"), "btnGc",
                          group);
    edtGcFactor = AddEdit(*form, QStringLiteral("Gc = f(Ec):"), "edtGcFactor",
                          QStringLiteral("Ec*0.4"), {}, btnGc);
    edtGc = AddEdit(*form, QStringLiteral("Gc (kN/m²):"), "edtGc", QStringLiteral("12800000"));
    edtLoadfact = AddEdit(*form, QStringLiteral("Combinação de cargas:"), "edtLoadfact",
                          QStringLiteral("pp+ca+cp+cl"),
                          QStringLiteral("pp: Peso próprio\nca: Carga acidental\n"
                                         "cp: Carga permanente\ncl: Carga local"));

    memo = new QPlainTextEdit(this);
    memo->setObjectName(QStringLiteral("memo"));
    memo->setToolTip(QStringLiteral("Informações complementares sobre o projeto."));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(new QLabel(QStringLiteral("Observações:"), this));
    layout->addWidget(memo, 1);
}

} // namespace quadrilo::app

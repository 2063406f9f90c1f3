// Tab "2) Linhas de Construçao".
#include "app/tabs/ConstructionLinesTab.h"

#include "app/window/FormParts.h"
#include "app/window/NumberCheck.h"

#include <QFormLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quadrilo::app {

ConstructionLinesTab::ConstructionLinesTab(QWidget* parent) : QWidget(parent) {
    auto* form = new QFormLayout;
    form->setRowWrapPolicy(QFormLayout::WrapAllRows); // the panel is narrow: labels above
    btnCriarH =
        CaptionButton(QStringLiteral("Criar H"),
                      QStringLiteral("Cria linha de construção\nhorizontal"), "btnCriarH", this);
    edtHor = AddEdit(*form, QStringLiteral("Horizontal, Y (cm):"), "edtHor", {}, {}, btnCriarH);
    btnCriarV =
        CaptionButton(QStringLiteral("Criar V"),
                      QStringLiteral("Cria linha de construção \nvertical"), "btnCriarV", this);
    edtVert = AddEdit(*form, QStringLiteral("Vertical, X (cm):"), "edtVert", {}, {}, btnCriarV);
    for (QLineEdit* edit : {edtHor, edtVert}) {
        CheckNumberOnKeyRelease(*edit);
        edit->installEventFilter(this);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addStretch(1);
}

bool ConstructionLinesTab::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            (watched == edtHor ? btnCriarH : btnCriarV)->click();
            return true; // Enter is consumed
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace quadrilo::app

// Tab "2) Linhas de Construçao": horizontal and vertical construction lines.
#pragma once

#include <QWidget>

class QLineEdit;
class QPushButton;

namespace quadrilo::app {

// Tab "2) Linhas de Construçao": a horizontal construction line at a Y, a vertical one at an X.
// Enter in either edit presses its button.
class ConstructionLinesTab : public QWidget {
    Q_OBJECT
public:
    explicit ConstructionLinesTab(QWidget* parent = nullptr);

    QLineEdit* edtHor;
    QPushButton* btnCriarH; // "Criar H"
    QLineEdit* edtVert;
    QPushButton* btnCriarV; // "Criar V"

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace quadrilo::app

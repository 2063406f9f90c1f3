// Tab "1) Dados Iniciais": concrete, specific weights, moduli, load combination, notes.
#pragma once

#include <QWidget>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace quadrilo::app {

// Tab "1) Dados Iniciais": the concrete, the specific weights, the moduli with their two helper
// buttons, the load combination and the project notes.
class InitialDataTab : public QWidget {
    Q_OBJECT
public:
    explicit InitialDataTab(QWidget* parent = nullptr);

    QLineEdit* edtfck;
    QLineEdit* edtPEConcreto;
    QLineEdit* edtPELaje;
    QLineEdit* edtPEParede;
    QLineEdit* edtEc;
    QPushButton* btnFckEc; // "fck->Ec"
    QLineEdit* edtGcFactor;
    QPushButton* btnGc; // "Gc :="
    QLineEdit* edtGc;
    QLineEdit* edtLoadfact;
    QPlainTextEdit* memo;
};

} // namespace quadrilo::app

// The choice between printing fitted to the page and printing at a scale 1:N.
#pragma once

#include "app/views/DrawingPrint.h"

#include <QWidget>

class QRadioButton;
class QSpinBox;

namespace quadrilo::app {

// Edits a print scale in place: "Ajustar à página" or "Escala 1:" with its denominator. Shown as a
// tab of the print dialog and in the print preview's tool bar.
class PrintScaleEditor : public QWidget {
    Q_OBJECT
public:
    PrintScaleEditor(PrintScale& scale, QWidget* parent = nullptr);

signals:
    void scaleChanged();

private:
    void take();

    PrintScale& m_scale;
    QRadioButton* m_fit;
    QRadioButton* m_atScale;
    QSpinBox* m_denominator;
};

} // namespace quadrilo::app

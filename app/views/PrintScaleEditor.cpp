// The choice between printing fitted to the page and at a scale.
#include "app/views/PrintScaleEditor.h"

#include <QHBoxLayout>
#include <QRadioButton>
#include <QSpinBox>

namespace quadrilo::app {

PrintScaleEditor::PrintScaleEditor(PrintScale& scale, QWidget* parent)
    : QWidget(parent), m_scale(scale),
      m_fit(new QRadioButton(QStringLiteral("Ajustar à página"), this)),
      m_atScale(new QRadioButton(QStringLiteral("Escala 1:"), this)),
      m_denominator(new QSpinBox(this)) {
    setObjectName(QStringLiteral("pnlEscalaImpressao"));
    setWindowTitle(QStringLiteral("Escala"));
    m_fit->setObjectName(QStringLiteral("rbAjustarPagina"));
    m_atScale->setObjectName(QStringLiteral("rbEscala"));
    m_denominator->setObjectName(QStringLiteral("spnEscala"));
    m_denominator->setRange(1, 100000);
    m_denominator->setValue(static_cast<int>(scale.denominator));
    (scale.fitToPage ? m_fit : m_atScale)->setChecked(true);
    m_denominator->setEnabled(!scale.fitToPage);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_fit);
    layout->addWidget(m_atScale);
    layout->addWidget(m_denominator);
    layout->addStretch();
    connect(m_fit, &QRadioButton::toggled, this, &PrintScaleEditor::take);
    connect(m_denominator, &QSpinBox::valueChanged, this, &PrintScaleEditor::take);
}

void PrintScaleEditor::take() {
    m_scale.fitToPage = m_fit->isChecked();
    m_scale.denominator = m_denominator->value();
    m_denominator->setEnabled(!m_scale.fitToPage);
    emit scaleChanged();
}

} // namespace quadrilo::app

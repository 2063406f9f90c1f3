// Drafting status bar: read-out and toggles follow the canvas, and clicking a toggle sets it.
#include "cad/canvas/DraftingStatusBar.h"

#include "cad/Document.h"
#include "cad/canvas/CadCanvas.h"
#include "common/Format.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

#include <cmath>

namespace quadrilo::cad::canvas {
namespace {

// Beyond this the fixed form would run to hundreds of digits.
constexpr double largestFixedReadout = 1e9;

} // namespace

std::string readoutNumber(double value) {
    if (std::abs(value) < largestFixedReadout)
        return Format("%f", value);
    return FloatToStr(value);
}

DraftingStatusBar::DraftingStatusBar(CadCanvas& canvas, QWidget* parent)
    : QWidget(parent), m_canvas(canvas), m_readout(new QLabel(this)) {
    setObjectName(QStringLiteral("draftingStatusBar"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 0, 2, 0);
    m_readout->setObjectName(QStringLiteral("cursorReadout"));
    m_readout->setMinimumWidth(m_readout->fontMetrics().horizontalAdvance(
        QStringLiteral("-0000000000.00, -0000000000.00, -0000000000.00")));
    layout->addWidget(m_readout);
    layout->addStretch(1);
    const auto caption = [&canvas](TextId id) {
        return canvas.hasDocument() ? QString::fromStdString(canvas.document().texts().text(id))
                                    : QString();
    };
    layout->addWidget(
        addToggle("snapButton", caption(TextId::StatusObjectSnap), &CadCanvas::setObjectSnap));
    layout->addWidget(
        addToggle("gridButton", caption(TextId::StatusGrid), &CadCanvas::setGridShown));
    layout->addWidget(addToggle("orthoButton", caption(TextId::StatusOrtho), &CadCanvas::setOrtho));
    layout->addWidget(
        addToggle("gridSnapButton", caption(TextId::StatusGridSnap), &CadCanvas::setGridSnap));
    connect(&canvas, &CadCanvas::draftingChanged, this, &DraftingStatusBar::showState);
    connect(&canvas, &CadCanvas::dialogApplied, this, &DraftingStatusBar::showState);
    connect(&canvas, &CadCanvas::cursorMoved, this, &DraftingStatusBar::showCursor);
    showState();
    showCursor(0, 0, 0);
}

QToolButton* DraftingStatusBar::addToggle(const char* name, const QString& caption,
                                          void (CadCanvas::*set)(bool)) {
    auto* button = new QToolButton(this);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(caption);
    button->setCheckable(true);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus); // the keyboard stays with the canvas
    connect(button, &QToolButton::clicked, this,
            [canvas = &m_canvas, set](bool on) { (canvas->*set)(on); });
    return button;
}

QToolButton* DraftingStatusBar::button(const char* name) const {
    return findChild<QToolButton*>(QString::fromLatin1(name));
}

QString DraftingStatusBar::readout() const {
    return m_readout->text();
}

void DraftingStatusBar::showState() {
    button("snapButton")->setChecked(m_canvas.objectSnap());
    button("gridButton")->setChecked(m_canvas.gridShown());
    button("orthoButton")->setChecked(m_canvas.ortho());
    button("gridSnapButton")->setChecked(m_canvas.gridSnap());
}

void DraftingStatusBar::showCursor(double x, double y, double z) {
    m_readout->setText(QString::fromStdString(readoutNumber(x) + ", " + readoutNumber(y) + ", " +
                                              readoutNumber(z)));
}

} // namespace quadrilo::cad::canvas

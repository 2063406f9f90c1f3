// The about box "Sobre".
#include "app/window/TfrmAbout.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace quadrilo::app {
namespace {

// The logo: a slab's grillage, bars over a regular grid of nodes, with its deformed middle.
QPixmap logo() {
    QPixmap picture(96, 72);
    picture.fill(Qt::white);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 90, 160), 2));
    for (int i = 0; i <= 4; ++i) {
        p.drawLine(8 + 20 * i, 8, 8 + 20 * i, 64);
        p.drawLine(8, 8 + 14 * i, 88, 8 + 14 * i);
    }
    p.setPen(QPen(QColor(200, 60, 40), 2));
    p.drawArc(QRect(8, 20, 80, 36), 180 * 16, 180 * 16);
    return picture;
}

} // namespace

TfrmAbout::TfrmAbout(QWidget* parent) : QDialog(parent), m_version(new QLabel(this)) {
    setObjectName(QStringLiteral("TfrmAbout"));
    setWindowTitle(QStringLiteral("Sobre"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(421, 301);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setPixmap(logo());
    picture->setAlignment(Qt::AlignCenter);
    auto* title = new QLabel(QStringLiteral("<b>Quadrilo</b>"), this);
    title->setObjectName(QStringLiteral("lblLogo"));
    title->setAlignment(Qt::AlignCenter);
    auto* credits = new QLabel(QStringLiteral("Análise de pavimentos de concreto armado pela "
                                              "analogia de grelha.\nSoftware livre sob a licença "
                                              "GNU GPL, versão 3 ou posterior."),
                               this);
    credits->setObjectName(QStringLiteral("lblCredits"));
    credits->setWordWrap(true);
    credits->setAlignment(Qt::AlignCenter);
    m_version->setObjectName(QStringLiteral("Label3"));
    m_version->setAlignment(Qt::AlignCenter);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("btnOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(picture);
    layout->addWidget(title);
    layout->addWidget(credits, 1);
    layout->addWidget(m_version);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
}

void TfrmAbout::showEvent(QShowEvent* event) {
    m_version->setText(VersionText);
    if (parentWidget())
        move(parentWidget()->geometry().center() - rect().center());
    QDialog::showEvent(event);
}

} // namespace quadrilo::app

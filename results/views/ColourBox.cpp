// Colour boxes of the 3D view's settings panel.
#include "ColourBox.h"

#include <QApplication>
#include <QColorDialog>
#include <QPainter>
#include <QPalette>

namespace quadrilo::results {
namespace {

QIcon Swatch(const QColor& colour) {
    QPixmap pixmap(16, 12);
    pixmap.fill(colour);
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, 15, 11);
    return QIcon(pixmap);
}

struct NamedColour {
    const char* name;
    QRgb rgb;
};

constexpr NamedColour Standard[] = {
    {"Preto", 0x000000},         {"Marrom", 0x800000},       {"Verde", 0x008000},
    {"Oliva", 0x808000},         {"Azul-marinho", 0x000080}, {"Roxo", 0x800080},
    {"Azul-petróleo", 0x008080}, {"Cinza", 0x808080},        {"Prata", 0xC0C0C0},
    {"Vermelho", 0xFF0000},      {"Lima", 0x00FF00},         {"Amarelo", 0xFFFF00},
    {"Azul", 0x0000FF},          {"Fúcsia", 0xFF00FF},       {"Ciano", 0x00FFFF},
    {"Branco", 0xFFFFFF},
};

struct SystemColour {
    const char* name;
    QPalette::ColorRole role;
};

constexpr SystemColour System[] = {
    {"Janela", QPalette::Window},       {"Texto da janela", QPalette::WindowText},
    {"Fundo de texto", QPalette::Base}, {"Texto", QPalette::Text},
    {"Botão", QPalette::Button},        {"Texto de botão", QPalette::ButtonText},
    {"Seleção", QPalette::Highlight},   {"Texto selecionado", QPalette::HighlightedText},
    {"Dica", QPalette::ToolTipBase},    {"Texto de dica", QPalette::ToolTipText},
};

} // namespace

ColourBox::ColourBox(const char* objectName, int content, QColor initial, QWidget* parent)
    : QComboBox(parent) {
    setObjectName(objectName);
    if (content & StandardColours)
        for (const auto& c : Standard)
            AddColour(QString::fromUtf8(c.name), QColor::fromRgb(c.rgb));
    if (content & SystemColours)
        for (const auto& c : System)
            AddColour(QString::fromUtf8(c.name), QApplication::palette().color(c.role));
    if (content & CustomColour) {
        m_customIndex = count();
        addItem(QString::fromUtf8("Personalizada..."), QColor(Qt::black));
    }
    Select(initial);
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (index == m_customIndex)
            AskForCustomColour();
    });
    connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index == m_customIndex)
            return; // the colour comes when the dialog confirms it
        m_lastIndex = index;
        emit colourChanged(Selected());
    });
}

QColor ColourBox::Selected() const {
    return currentData().value<QColor>();
}

void ColourBox::Select(const QColor& colour) {
    int index = findData(colour);
    if (index < 0 || index == m_customIndex) {
        AddColour(colour.name(), colour);
        index = count() - 1;
    }
    setCurrentIndex(index);
    m_lastIndex = index;
}

void ColourBox::AddColour(const QString& name, const QColor& colour) {
    // Listed colours go before the custom item, chosen custom colours after it.
    addItem(Swatch(colour), name, colour);
}

// Asked without a nested event loop; cancelling goes back to the colour shown before.
void ColourBox::AskForCustomColour() {
    auto* dialog = new QColorDialog(Selected(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QColorDialog::colorSelected, this,
            [this](const QColor& colour) { Select(colour); });
    connect(dialog, &QColorDialog::rejected, this, [this] { setCurrentIndex(m_lastIndex); });
    dialog->open();
}

} // namespace quadrilo::results

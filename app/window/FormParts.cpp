// Small builders shared by the tab pages.
#include "app/window/FormParts.h"

#include <QAction>
#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quadrilo::app {

QFormLayout* TopForm(QWidget& page) {
    auto* layout = new QVBoxLayout(&page);
    auto* form = new QFormLayout;
    layout->addLayout(form);
    layout->addStretch(1);
    return form;
}

QLineEdit* AddEdit(QFormLayout& form, const QString& label, const char* name, const QString& text,
                   const QString& hint, QWidget* beside) {
    auto* edit = new QLineEdit(text);
    edit->setObjectName(QLatin1String(name));
    edit->setToolTip(hint);
    if (!beside) {
        form.addRow(label, edit);
        return edit;
    }
    auto* line = new QHBoxLayout;
    line->addWidget(edit, 1);
    line->addWidget(beside);
    form.addRow(label, line);
    return edit;
}

QPushButton* ActionButton(QAction& action, QWidget* parent, const QString& caption) {
    auto* button = new QPushButton(caption.isEmpty() ? action.text() : caption, parent);
    button->setObjectName(QStringLiteral("btn_") + action.objectName());
    const auto follow = [button, &action] {
        button->setEnabled(action.isEnabled());
        button->setToolTip(action.toolTip());
    };
    QObject::connect(&action, &QAction::changed, button, follow);
    QObject::connect(button, &QPushButton::clicked, &action, &QAction::trigger);
    follow();
    return button;
}

QCheckBox* ActionCheckBox(QAction& action, const char* name, QWidget* parent) {
    auto* box = new QCheckBox(action.text(), parent);
    box->setObjectName(QLatin1String(name));
    box->setChecked(action.isChecked());
    const auto follow = [box, &action] { box->setEnabled(action.isEnabled()); };
    QObject::connect(&action, &QAction::changed, box, follow);
    QObject::connect(box, &QCheckBox::clicked, &action, &QAction::trigger);
    follow();
    return box;
}

QPushButton* CaptionButton(const QString& caption, const QString& hint, const char* name,
                           QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(hint);
    return button;
}

ColorSwatch::ColorSwatch(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("ShpColor"));
    setFrameShape(QFrame::Box);
    setFixedSize(24, 20);
    setAutoFillBackground(true);
    setColor(Qt::white);
}

void ColorSwatch::setColor(const QColor& color) {
    m_color = color;
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    setPalette(p);
}

} // namespace quadrilo::app

// What a script does to the windows' controls.
#include "app/script/ScriptControls.h"

#include "app/window/MainActions.h"
#include "app/prompts/UserPrompts.h"

#include "common/StringUtils.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTabWidget>

namespace quadrilo::app {
namespace {

void sendKey(QWidget& target, int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(&target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(&target, &release);
}

void typeInto(QLineEdit& edit, const QString& text) {
    edit.selectAll();
    if (text.isEmpty())
        sendKey(edit, Qt::Key_Backspace, {});
    for (const QChar c : text)
        sendKey(edit, c.toUpper().unicode(), QString(c));
}

long long wholeNumber(const QString& text, const QWidget& control) {
    const auto value = ParseNumber(text.toStdString());
    if (!value || *value != std::floor(*value))
        throw ScriptError(
            QStringLiteral("%1 takes a whole number, not \"%2\"").arg(control.objectName(), text));
    return static_cast<long long>(*value);
}

void setSpin(QSpinBox& spin, const QString& text) {
    const long long value = wholeNumber(text, spin);
    if (value < spin.minimum() || value > spin.maximum())
        throw ScriptError(QStringLiteral("%1 takes %2 to %3, not %4")
                              .arg(spin.objectName())
                              .arg(spin.minimum())
                              .arg(spin.maximum())
                              .arg(value));
    spin.setValue(static_cast<int>(value));
}

void setTab(QTabWidget& tabs, const QString& text) {
    for (int i = 0; i < tabs.count(); ++i)
        if (tabs.tabText(i) == text) {
            tabs.setCurrentIndex(i);
            return;
        }
    const long long index = wholeNumber(text, tabs);
    if (index < 0 || index >= tabs.count())
        throw ScriptError(QStringLiteral("%1 has no tab \"%2\"").arg(tabs.objectName(), text));
    tabs.setCurrentIndex(static_cast<int>(index));
}

void setCombo(QComboBox& combo, const QString& text) {
    const int index = combo.findText(text);
    if (index < 0)
        throw ScriptError(QStringLiteral("%1 has no item \"%2\"").arg(combo.objectName(), text));
    combo.setCurrentIndex(index);
    emit combo.activated(index); // as a choice of the user's
}

QWidget* findIn(QWidget& window, const QString& name) {
    if (window.objectName() == name)
        return &window;
    return window.findChild<QWidget*>(name);
}

QAction* actionFor(const MainActions& actions, const QString& name) {
    for (QAction* action : actions.all())
        if (action->objectName() == name)
            return action;
    for (QAction* action : actions.all())
        if (SameCaption(action->text(), name))
            return action;
    return nullptr;
}

QAbstractButton* buttonFor(QWidget& window, const QString& name) {
    const auto buttons = window.findChildren<QAbstractButton*>();
    for (QAbstractButton* button : buttons)
        if (button->objectName() == name)
            return button;
    for (QAbstractButton* button : buttons)
        if (SameCaption(button->text(), name))
            return button;
    return nullptr;
}

} // namespace

QWidget& TopWindow(QWidget& mainWindow) {
    if (QWidget* modal = QApplication::activeModalWidget(); modal && modal->isVisible())
        return *modal;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window != &mainWindow && window->isVisible() && qobject_cast<QDialog*>(window) &&
            window->isModal())
            return *window;
    return mainWindow;
}

QWidget& FindControl(QWidget& mainWindow, const QString& name) {
    QWidget& top = TopWindow(mainWindow);
    QWidget* found = findIn(top, name);
    if (!found && &top != &mainWindow)
        found = findIn(mainWindow, name);
    if (!found)
        throw ScriptError(QStringLiteral("no control named %1").arg(name));
    return *found;
}

void SetControlText(QWidget& control, const QString& text) {
    if (!control.isEnabled())
        throw ScriptError(QStringLiteral("%1 is disabled").arg(control.objectName()));
    if (auto* edit = qobject_cast<QLineEdit*>(&control))
        typeInto(*edit, text);
    else if (auto* memo = qobject_cast<QPlainTextEdit*>(&control))
        memo->setPlainText(QString(text).replace(QStringLiteral("\\n"), QStringLiteral("\n")));
    else if (auto* spin = qobject_cast<QSpinBox*>(&control))
        setSpin(*spin, text);
    else if (auto* box = qobject_cast<QCheckBox*>(&control)) {
        if (text != QStringLiteral("0") && text != QStringLiteral("1"))
            throw ScriptError(QStringLiteral("%1 takes 0 or 1").arg(box->objectName()));
        if (box->isChecked() != (text == QStringLiteral("1")))
            box->click();
    } else if (auto* combo = qobject_cast<QComboBox*>(&control))
        setCombo(*combo, text);
    else if (auto* tabs = qobject_cast<QTabWidget*>(&control))
        setTab(*tabs, text);
    else
        throw ScriptError(QStringLiteral("%1 takes no text").arg(control.objectName()));
}

QString ControlText(const QWidget& control) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(&control))
        return edit->text();
    if (const auto* memo = qobject_cast<const QPlainTextEdit*>(&control))
        return memo->toPlainText();
    if (const auto* label = qobject_cast<const QLabel*>(&control))
        return label->text();
    if (const auto* spin = qobject_cast<const QSpinBox*>(&control))
        return QString::number(spin->value());
    if (const auto* box = qobject_cast<const QCheckBox*>(&control))
        return box->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control))
        return button->text();
    if (const auto* combo = qobject_cast<const QComboBox*>(&control))
        return combo->currentText();
    if (const auto* tabs = qobject_cast<const QTabWidget*>(&control))
        return tabs->tabText(tabs->currentIndex());
    if (const auto* list = qobject_cast<const QListWidget*>(&control)) {
        QStringList lines;
        for (int i = 0; i < list->count(); ++i)
            lines << list->item(i)->text();
        return lines.join(QLatin1Char('\n'));
    }
    return control.windowTitle();
}

void Press(QWidget& mainWindow, const MainActions& actions, const QString& name) {
    QWidget& top = TopWindow(mainWindow);
    QAbstractButton* button = &top != &mainWindow ? buttonFor(top, name) : nullptr;
    QAction* action = button ? nullptr : actionFor(actions, name);
    if (!button && !action)
        button = buttonFor(mainWindow, name);
    if (action) {
        if (!action->isEnabled())
            throw ScriptError(QStringLiteral("%1 is disabled").arg(name));
        action->trigger();
        return;
    }
    if (!button)
        throw ScriptError(QStringLiteral("no action or button named %1").arg(name));
    if (!button->isEnabled())
        throw ScriptError(QStringLiteral("%1 is disabled").arg(name));
    button->click();
}

} // namespace quadrilo::app

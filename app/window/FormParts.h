// Small builders shared by the tab pages.
#pragma once

#include <QFrame>
#include <QString>

class QAction;
class QCheckBox;
class QFormLayout;
class QLineEdit;
class QPushButton;
class QWidget;

namespace quadrilo::app {

// Small builders shared by the tab pages: a labelled edit, a button that runs an action and follows
// its state, a check box tied to a visibility action, the colour swatch.

// The page's form, its rows held at the top.
QFormLayout* TopForm(QWidget& page);
// An edit named `name` in a new row of the form, with `beside` (a button, a unit) after it.
QLineEdit* AddEdit(QFormLayout& form, const QString& label, const char* name, const QString& text,
                   const QString& hint = {}, QWidget* beside = nullptr);
// A button named `name` that runs the action, shows `caption` (the action's caption when empty)
// and takes the action's hint and enabled state.
QPushButton* ActionButton(QAction& action, QWidget* parent, const QString& caption = {});
// A check box whose click runs the action; the action's work reads the box.
QCheckBox* ActionCheckBox(QAction& action, const char* name, QWidget* parent);
// A plain button with a caption and a hint (the buttons the window names only by caption).
QPushButton* CaptionButton(const QString& caption, const QString& hint, const char* name,
                           QWidget* parent);

// The colour swatch `ShpColor` of the deformed grillage.
class ColorSwatch : public QFrame {
    Q_OBJECT
public:
    explicit ColorSwatch(QWidget* parent = nullptr);
    void setColor(const QColor& color);
    [[nodiscard]] QColor color() const { return m_color; }

private:
    QColor m_color;
};

} // namespace quadrilo::app

// The colour warning of the numeric edits.
#include "app/window/NumberCheck.h"

#include "common/StringUtils.h"

#include <QEvent>
#include <QLineEdit>

namespace quadrilo::app {
namespace {

void paintText(QLineEdit& edit, const QColor& colour) {
    QPalette palette = edit.palette();
    palette.setColor(QPalette::Text, colour);
    edit.setPalette(palette);
}

class KeyReleaseCheck : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyRelease)
            ShowNumberState(*static_cast<QLineEdit*>(watched));
        return false;
    }
};

} // namespace

bool TextIsNumber(const QString& text) {
    return IsNumber(text.toStdString());
}

bool ShowsInvalid(const QLineEdit& edit) {
    return edit.palette().color(QPalette::Text) == QColor(Qt::red);
}

void ShowNumberState(QLineEdit& edit) {
    paintText(edit, TextIsNumber(edit.text()) ? QColor(Qt::black) : QColor(Qt::red));
}

void ShowInvalid(QLineEdit& edit) {
    paintText(edit, Qt::red);
}

void CheckNumberOnChange(QLineEdit& edit) {
    QObject::connect(&edit, &QLineEdit::textChanged, &edit, [&edit] { ShowNumberState(edit); });
    ShowNumberState(edit);
}

void CheckNumberOnKeyRelease(QLineEdit& edit) {
    edit.installEventFilter(new KeyReleaseCheck(&edit));
}

} // namespace quadrilo::app

// The about box "Sobre": the program's picture and logo, the credits and the version label.
#pragma once

#include <QDialog>

class QLabel;

namespace quadrilo::app {

// Two lines separated by a line feed followed by a carriage return.
inline const QString VersionText = QStringLiteral("Versão: 1.5.0") + QStringLiteral("\n\r") +
                                   QStringLiteral("Compilação: 26/06/2016");

class TfrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit TfrmAbout(QWidget* parent = nullptr);

protected:
    // The version text is set every time the box becomes active.
    void showEvent(QShowEvent* event) override;

private:
    QLabel* m_version;
};

} // namespace quadrilo::app

// The message log: the lines the program reports, in order.
#pragma once

#include <QObject>
#include <QStringList>

namespace quadrilo::app {

// The separator some operations log after their result: 23 blanks.
inline const QString LogSeparator = QString(23, QLatin1Char(' '));

// The message log: the lines the program reports ("Erro:", "Info:", "Atenção:" ...), in order. The
// window's list `Hist` and a running script listen to it.
class MessageLog : public QObject {
    Q_OBJECT
public:
    void append(const QString& line);
    void clear();
    [[nodiscard]] const QStringList& lines() const { return m_lines; }
    // One line per entry, each ended by a line break (the text of "Historico.txt").
    [[nodiscard]] QString text() const;

signals:
    void lineAdded(const QString& line);
    void cleared();

private:
    QStringList m_lines;
};

} // namespace quadrilo::app

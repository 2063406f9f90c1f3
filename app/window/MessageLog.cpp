// The message log.
#include "app/window/MessageLog.h"

namespace quadrilo::app {

void MessageLog::append(const QString& line) {
    m_lines << line;
    emit lineAdded(line);
}

void MessageLog::clear() {
    m_lines.clear();
    emit cleared();
}

QString MessageLog::text() const {
    QString out;
    for (const QString& line : m_lines)
        out += line + QLatin1Char('\n');
    return out;
}

} // namespace quadrilo::app

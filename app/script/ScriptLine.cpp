// One line of a program script.
#include "app/script/ScriptLine.h"

#include "common/StringUtils.h"

#include <QStringList>

namespace quadrilo::app {
namespace {

const QStringList Keywords = {
    QStringLiteral("SET"),   QStringLiteral("DO"),         QStringLiteral("ANSWER"),
    QStringLiteral("PICK"),  QStringLiteral("WINDOW"),     QStringLiteral("DBLCLICK"),
    QStringLiteral("OPEN"),  QStringLiteral("SAVEAS"),     QStringLiteral("EXPORT"),
    QStringLiteral("PRINT"), QStringLiteral("SCREENSHOT"), QStringLiteral("CLOSE")};

// Splits at the first blank.
std::pair<QString, QString> headAndTail(const QString& text) {
    const qsizetype blank = text.indexOf(QLatin1Char(' '));
    return blank < 0 ? std::pair{text, QString()}
                     : std::pair{text.left(blank), text.mid(blank + 1)};
}

} // namespace

QString ScriptLine::firstWord() const {
    return headAndTail(rest).first;
}

QString ScriptLine::afterFirstWord() const {
    return headAndTail(rest).second;
}

ScriptLine ParseScriptLine(const QString& line) {
    ScriptLine parsed;
    parsed.text = line;
    if (parsed.text.endsWith(QLatin1Char('\r')))
        parsed.text.chop(1);
    const QString trimmed = parsed.text.trimmed();
    if (trimmed.isEmpty())
        return parsed;
    if (trimmed.startsWith(QLatin1Char('#'))) {
        parsed.kind = ScriptLine::Kind::Comment;
        return parsed;
    }
    const auto [head, tail] = headAndTail(trimmed);
    if (Keywords.contains(head)) {
        parsed.kind = ScriptLine::Kind::Keyword;
        parsed.keyword = head;
        parsed.rest = tail;
    } else {
        parsed.kind = ScriptLine::Kind::CommandLine;
        parsed.text = trimmed;
    }
    return parsed;
}

std::optional<PlanPoint> ParsePlanPoint(const QString& text) {
    const QStringList parts = text.trimmed().split(QLatin1Char(','));
    if (parts.size() != 2)
        return std::nullopt;
    const auto x = ParseNumber(parts[0].toStdString());
    const auto y = ParseNumber(parts[1].toStdString());
    if (!x || !y)
        return std::nullopt;
    return PlanPoint{*x, *y};
}

} // namespace quadrilo::app

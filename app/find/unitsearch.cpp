#include "app/find/unitsearch.h"

#include "base/win1252.h"
#include "counters/countermgr.h"
#include "game/game.h"

#include <QRegularExpression>

namespace {

QStringList wordsOf(const QString& text) {
    static const QRegularExpression separators(QStringLiteral("[^\\w]+"));
    return text.split(separators, Qt::SkipEmptyParts);
}

} // namespace

namespace unitsearch {

bool nameMatches(const QString& name, const QString& query) {
    const QStringList wanted = wordsOf(query);
    if (wanted.isEmpty())
        return false;
    const QStringList words = wordsOf(name);
    qsizetype next = 0;
    for (const QString& w : wanted) {
        while (next < words.size() && !words[next].startsWith(w, Qt::CaseInsensitive))
            ++next;
        if (next == words.size())
            return false;
        ++next;
    }
    return true;
}

std::vector<int> findCounters(const Game& game, const QString& query) {
    std::vector<int> rows;
    int row = 0;
    for (const auto& counter : game.counters().counters()) {
        ++row;
        if (nameMatches(win1252::toUnicode(counter->name()), query))
            rows.push_back(row);
    }
    return rows;
}

QStringList matchingNames(const Game& game, const QString& query) {
    QStringList names;
    for (const auto& counter : game.counters().counters()) {
        const QString name = win1252::toUnicode(counter->name());
        if (nameMatches(name, query))
            names << name;
    }
    return names;
}

} // namespace unitsearch

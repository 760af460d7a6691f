#include "history/gamelisttext.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

QString sideName(Side side) {
    return side == Side::First ? QCoreApplication::translate("GameList", "Allies")
                               : QCoreApplication::translate("GameList", "Axis");
}

} // namespace

namespace gamelisttext {

QString name(const GameSummary& game, const Shown& shown) {
    if (!game.name.isEmpty())
        return shown(game.name);
    const PlayerNames& players = game.players;
    if (!players.first.isEmpty() && !players.second.isEmpty())
        return QCoreApplication::translate("GameList", "%1 – %2")
            .arg(shown(players.first), shown(players.second));
    if (!players.isEmpty())
        return shown(players.first.isEmpty() ? players.second : players.first);
    return shown(game.last.title);
}

QString players(const GameSummary& game, const Shown& shown) {
    const auto player = [&](Side side) {
        const QString& name = game.players.of(side);
        return name.isEmpty() ? sideName(side)
                              : QCoreApplication::translate("GameList", "%1 (%2)")
                                    .arg(shown(name), sideName(side));
    };
    if (const std::optional<Side> theirs = game.theirSide())
        return QCoreApplication::translate("GameList", "you: %1 · opponent: %2")
            .arg(player(*game.mySide), player(*theirs));
    const auto named = [&](Side side) {
        const QString& name = game.players.of(side);
        return QCoreApplication::translate("GameList", "%1: %2")
            .arg(sideName(side),
                 name.isEmpty() ? QCoreApplication::translate("GameList", "?") : shown(name));
    };
    return QCoreApplication::translate("GameList", "%1 · %2")
        .arg(named(Side::First), named(Side::Second));
}

QString turn(const GameSummary& game) {
    if (!game.turn)
        return QCoreApplication::translate("GameList", "Turn unknown");
    return QCoreApplication::translate("GameList", "Turn %1 · %2 to move")
        .arg(game.turn->number)
        .arg(sideName(game.turn->toMove));
}

QString sideWithArticle(Side side) {
    return side == Side::First ? QCoreApplication::translate("GameList", "the Allies")
                               : QCoreApplication::translate("GameList", "the Axis");
}

QString opponent(const GameSummary& game, const Shown& shown) {
    const std::optional<Side> theirs = game.theirSide();
    if (!theirs)
        return QCoreApplication::translate("GameList", "your opponent");
    const QString& name = game.players.of(*theirs);
    return name.isEmpty() ? sideWithArticle(*theirs) : shown(name);
}

QString whoseMove(const GameSummary& game, const Shown& shown, bool newMove) {
    if (newMove)
        return QCoreApplication::translate("GameList", "new move from %1")
            .arg(opponent(game, shown));
    switch (game.move()) {
    case GameSummary::Move::Yours:
        return QCoreApplication::translate("GameList", "your move");
    case GameSummary::Move::Theirs:
        return QCoreApplication::translate("GameList", "waiting for %1").arg(opponent(game, shown));
    case GameSummary::Move::Unknown:
        break;
    }
    return QCoreApplication::translate("GameList", "your side: not yet known");
}

QString ago(const QDateTime& then, const QDateTime& now) {
    const qint64 minutes = std::max<qint64>(0, then.secsTo(now) / 60);
    if (minutes < 1)
        return QCoreApplication::translate("GameList", "just now");
    if (minutes < 60)
        return QCoreApplication::translate("GameList", "%n minute(s) ago", nullptr, int(minutes));
    const qint64 hours = minutes / 60;
    if (hours < 24)
        return QCoreApplication::translate("GameList", "%n hour(s) ago", nullptr, int(hours));
    const qint64 days = hours / 24;
    return QCoreApplication::translate("GameList", "%Ln day(s) ago", nullptr, int(days));
}

QString lastFile(const GameSummary& game, const QDateTime& now, const Shown& shown) {
    const QString file = shown(game.last.title + QStringLiteral(".krv"));
    const QString when = ago(game.last.time, now);
    return game.last.kind == HistoryEntry::Kind::Saved
               ? QCoreApplication::translate("GameList", "%1, saved %2").arg(file, when)
               : QCoreApplication::translate("GameList", "%1, opened %2").arg(file, when);
}

QString dice(const GameSummary& game, const Shown& shown) {
    return game.theirDice ? game.theirDice->text(shown) : QString();
}

QString line(const GameSummary& game, const QDateTime& now, const Shown& shown, bool newMove) {
    QStringList columns{name(game, shown), players(game, shown), turn(game),
                        whoseMove(game, shown, newMove), lastFile(game, now, shown)};
    if (const QString verdict = dice(game, shown); !verdict.isEmpty())
        columns << verdict;
    return columns.join(QStringLiteral(" | "));
}

} // namespace gamelisttext

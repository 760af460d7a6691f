#include "app/shell/turntext.h"

#include "base/untrustedtext.h"

#include <QCoreApplication>
#include <QStringList>

// The texts keep the New game dialog's context, where they were first translated.
QString sideName(Side side) {
    return side == Side::First ? QCoreApplication::translate("GameSetupDialog", "Allies")
                               : QCoreApplication::translate("GameSetupDialog", "Axis");
}

QString turnText(const TurnOrder& order, bool withPlayer) {
    if (!order.isKnown())
        return QCoreApplication::translate("GameSetupDialog", "Turn unknown");
    const TurnRecord& turn = *order.record();
    const QString text = QCoreApplication::translate("GameSetupDialog", "Turn %1 · %2 to move")
                             .arg(turn.number)
                             .arg(sideName(turn.toMove));
    const QString& player = order.players().of(turn.toMove);
    return player.isEmpty() || !withPlayer ? text : QStringLiteral("%1 (%2)").arg(text, player);
}

QString playersText(const PlayerNames& players) {
    QStringList sides;
    for (const Side side : {Side::First, Side::Second})
        if (!players.of(side).isEmpty())
            sides << QStringLiteral("%1: %2").arg(sideName(side),
                                                  untrustedtext::quoted(players.of(side)));
    return sides.join(QStringLiteral(" · "));
}

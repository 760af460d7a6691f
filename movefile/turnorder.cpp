#include "movefile/turnorder.h"

#include "base/untrustedtext.h"

#include <QList>

namespace {

Side other(Side side) {
    return side == Side::First ? Side::Second : Side::First;
}

} // namespace

bool mayBeInPlayerName(char32_t c) {
    const QChar::Category category = QChar::category(c);
    return !untrustedtext::isActing(c) && category != QChar::Other_Control &&
           category != QChar::Other_Format && category != QChar::Other_Surrogate &&
           category != QChar::Separator_Line && category != QChar::Separator_Paragraph;
}

QString cleanPlayerName(const QString& name) {
    QString clean;
    for (const char32_t c : name.toUcs4())
        if (mayBeInPlayerName(c))
            clean.append(QString::fromUcs4(&c, 1));
    clean = clean.trimmed().left(PlayerNames::kMaxLength);
    // A surrogate pair cut in two would be no text at all.
    if (!clean.isEmpty() && clean.back().isHighSurrogate())
        clean.chop(1);
    return clean.trimmed();
}

TurnOrder TurnOrder::newGame(Side movesFirst, PlayerNames players) {
    return {TurnRecord{1, movesFirst, movesFirst}, std::move(players)};
}

TurnRecord TurnOrder::next(const TurnRecord& turn) {
    TurnRecord after = turn;
    after.toMove = other(turn.toMove);
    if (after.toMove == turn.movesFirst && turn.number < TurnRecord::kMaxNumber)
        ++after.number;
    return after;
}

std::optional<TurnRecord> TurnOrder::afterSave(bool endOfTurn) const {
    if (!record_ || !endOfTurn)
        return record_;
    return next(*record_);
}

void TurnOrder::endTurn() {
    record_ = afterSave(true);
}

int TurnOrder::movesBefore(const TurnRecord& turn) {
    return (turn.number - 1) * 2 + (turn.toMove == turn.movesFirst ? 0 : 1);
}

bool TurnOrder::isBefore(const TurnRecord& a, const TurnRecord& b) {
    return movesBefore(a) < movesBefore(b);
}

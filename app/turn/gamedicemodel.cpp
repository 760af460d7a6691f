#include "app/turn/gamedicemodel.h"

#include "app/shell/columntitles.h"
#include "app/shell/plaintext.h"
#include "app/shell/trustlabel.h"
#include "app/turn/gamedicetext.h"
#include "base/untrustedtext.h"
#include "base/win1252.h"
#include "geometry/hexgrid.h"

#include <QIcon>

GameDiceModel::GameDiceModel(GameDiceLog log, QObject* parent)
    : QAbstractTableModel(parent), log_(std::move(log)) {}

int GameDiceModel::hexOf(int row) const {
    return row >= 0 && std::size_t(row) < log_.rolls.size() ? log_.rolls[std::size_t(row)].hex : -1;
}

int GameDiceModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(log_.rolls.size());
}

int GameDiceModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant GameDiceModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || std::size_t(index.row()) >= log_.rolls.size())
        return {};
    const GameRoll& roll = log_.rolls[std::size_t(index.row())];
    const QString comment = win1252::toUnicode(roll.comment);
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
        case Turn:
            return gamedicetext::turnOf(roll);
        case Player:
            return gamedicetext::playerOf(roll, log_, &untrustedtext::quoted);
        case Roll:
            return roll.number ? QVariant(roll.number) : QVariant(tr("none"));
        case Hex:
            return gamedicetext::hexOf(roll);
        case Die:
            return roll.die;
        case Comment:
            return untrustedtext::forLine(comment);
        case Verdict:
            return roll.mine ? tr("your roll")
                             : gamedicetext::verdictOf(roll, &untrustedtext::quoted);
        }
    } else if (role == Qt::ToolTipRole && index.column() == Comment && !comment.isEmpty()) {
        return plaintext::toolTip(untrustedtext::forLines(comment));
    } else if ((role == Qt::DecorationRole || role == Qt::ForegroundRole) &&
               index.column() == Verdict && roll.verdict) {
        // Korva's own badge and colour beside its verdict: no text from a file can draw them.
        const Trust trust = trustOf(*roll.verdict);
        if (role == Qt::ForegroundRole)
            return TrustLabel::colour(trust);
        return QIcon(TrustLabel::badge(trust, 14));
    } else if (role == Qt::TextAlignmentRole && (index.column() == Roll || index.column() == Die)) {
        return int(Qt::AlignRight | Qt::AlignVCenter);
    }
    return {};
}

QVariant GameDiceModel::headerData(int section, Qt::Orientation orientation, int role) const {
    static const char* const titles[] = {
        QT_TR_NOOP("Turn"), QT_TR_NOOP("Player"),  QT_TR_NOOP("Roll"),   QT_TR_NOOP("Hex"),
        QT_TR_NOOP("Die"),  QT_TR_NOOP("Comment"), QT_TR_NOOP("Verdict")};
    static_assert(std::size(titles) == ColumnCount);
    return columnTitle(staticMetaObject.className(), titles, section, orientation, role);
}

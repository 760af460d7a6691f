#include "app/games/gamesmodel.h"

#include "app/shell/columntitles.h"
#include "app/shell/plaintext.h"
#include "app/shell/trustlabel.h"
#include "base/untrustedtext.h"
#include "history/gamelisttext.h"

#include <QIcon>

GamesModel::GamesModel(QObject* parent) : QAbstractTableModel(parent) {}

void GamesModel::setRows(std::vector<Row> rows, const QDateTime& now) {
    beginResetModel();
    rows_ = std::move(rows);
    now_ = now;
    endResetModel();
}

int GamesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

int GamesModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QString GamesModel::text(const Row& row, int column) const {
    const GameSummary& game = row.game;
    const gamelisttext::Shown shown = &untrustedtext::quoted;
    switch (column) {
    case Name:
        return row.archived ? tr("%1 (archived)").arg(gamelisttext::name(game, shown))
                            : gamelisttext::name(game, shown);
    case Players:
        return gamelisttext::players(game, shown);
    case Turn:
        return gamelisttext::turn(game);
    case WhoseMove:
        if (!row.delivery.isEmpty())
            return tr("%1 · %2").arg(gamelisttext::whoseMove(game, shown, row.newMove),
                                     row.delivery);
        return gamelisttext::whoseMove(game, shown, row.newMove);
    case LastFile:
        return gamelisttext::lastFile(game, now_, shown);
    case Dice:
        return row.diceDue ? tr("checking…") : gamelisttext::dice(game, shown);
    default:
        return {};
    }
}

QVariant GamesModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Row& row = rows_[std::size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return text(row, index.column());
    case Qt::ToolTipRole:
        // A cell too narrow for its text shows it whole here.
        return plaintext::toolTip(text(row, index.column()));
    case Qt::DecorationRole:
    case Qt::ForegroundRole:
        // The verdict carries its badge and colour, as everywhere Korva speaks of the dice.
        if (index.column() == Dice && !row.diceDue && row.game.theirDice) {
            const Trust trust = trustOf(*row.game.theirDice);
            if (role == Qt::DecorationRole)
                return QIcon(TrustLabel::badge(trust, 14));
            return TrustLabel::colour(trust);
        }
        return {};
    case Qt::FontRole:
        // The games waiting on the player stand out.
        if (bold_ && (row.newMove || row.game.move() == GameSummary::Move::Yours))
            return *bold_;
        return {};
    default:
        return {};
    }
}

QVariant GamesModel::headerData(int section, Qt::Orientation orientation, int role) const {
    static const char* const titles[] = {QT_TR_NOOP("Game"),      QT_TR_NOOP("Players"),
                                         QT_TR_NOOP("Turn"),      QT_TR_NOOP("Whose move"),
                                         QT_TR_NOOP("Last file"), QT_TR_NOOP("Their dice")};
    static_assert(std::size(titles) == ColumnCount);
    return columnTitle(staticMetaObject.className(), titles, section, orientation, role);
}

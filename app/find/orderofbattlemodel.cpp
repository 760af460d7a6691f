#include "app/find/orderofbattlemodel.h"

#include "base/win1252.h"
#include "counters/countermgr.h"
#include "counters/orderofbattle.h"
#include "counters/zekcounter.h"
#include "game/game.h"
#include "geometry/hexgrid.h"

#include <algorithm>

namespace {

// The label without its "Hex : " lead, which every row would repeat.
QString hexText(int hex) {
    QString label = QString::fromStdString(hexgrid::hexLabel(hex));
    label.remove(QStringLiteral("Hex : "));
    return label;
}

} // namespace

OrderOfBattleModel::OrderOfBattleModel(Game& game, QObject* parent)
    : QAbstractTableModel(parent), game_(game) {
    reload();
    // An Open or a new game recreates every counter: the rows are built anew.
    connect(&game_, &Game::positionReplaced, this, [this] {
        beginResetModel();
        reload();
        endResetModel();
    });
    connect(&game_, &Game::countersChanged, this, &OrderOfBattleModel::hexesChanged);
    connect(&game_, &Game::turnEnded, this, &OrderOfBattleModel::allRowsChanged);
}

void OrderOfBattleModel::reload() {
    counters_.clear();
    for (const auto& counter : game_.counters().counters())
        counters_.push_back(counter.get());
}

void OrderOfBattleModel::hexesChanged(const QList<int>& hexes) {
    // A counter that left a hex now stands in the other one, so the present hexes name
    // every counter that changed.
    for (int row = 0; row < int(counters_.size()); ++row)
        if (hexes.contains(counters_[std::size_t(row)]->currentHex().index()))
            emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

void OrderOfBattleModel::allRowsChanged() {
    if (!counters_.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
}

int OrderOfBattleModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(counters_.size());
}

int OrderOfBattleModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant OrderOfBattleModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= int(counters_.size()))
        return {};
    const ZeKCounter& c = *counters_[std::size_t(index.row())];
    const int hex = c.currentHex().index();
    if (role == kRowRole)
        return index.row() + 1;
    if (role == Qt::TextAlignmentRole)
        return index.column() == Name || index.column() == HexColumn || index.column() == Side
                   ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                   : QVariant(Qt::AlignCenter);
    if (role != Qt::DisplayRole && role != kSortRole)
        return {};
    const bool sorting = role == kSortRole;
    switch (index.column()) {
    case Side:
        return sideOfRow(index.row() + 1) == ::Side::First ? tr("Allies") : tr("Axis");
    case Name:
        return win1252::toUnicode(c.name());
    case Size:
        return c.sizeValue();
    case HexColumn:
        // Column by column, then row by row; the label sorts "A10" before "A2".
        if (sorting)
            return hexgrid::isValidHex(hex) ? hex : hexgrid::kHexCount;
        return hexText(hex);
    case Steps:
        return c.steps();
    case Losses:
        return c.losses();
    case Marker:
        if (sorting)
            return c.marker();
        return c.marker() == 0 ? QString() : QString::number(c.marker());
    case Moved:
        return c.hasMoved() ? QStringLiteral("Has Moved") : QStringLiteral("Yet to move");
    default:
        return {};
    }
}

QVariant OrderOfBattleModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char* const titles[ColumnCount] = {
        QT_TR_NOOP("Side"),  QT_TR_NOOP("Name"),   QT_TR_NOOP("Size"),   QT_TR_NOOP("Hex"),
        QT_TR_NOOP("Steps"), QT_TR_NOOP("Losses"), QT_TR_NOOP("Marker"), QT_TR_NOOP("Moved")};
    return section >= 0 && section < ColumnCount ? tr(titles[section]) : QVariant();
}

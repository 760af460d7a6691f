#include "app/find/orderofbattlemodel.h"
#include "app/shell/columntitles.h"
#include "app/shell/hextext.h"

#include "base/win1252.h"
#include "counters/countermgr.h"
#include "counters/orderofbattle.h"
#include "counters/zekcounter.h"
#include "game/game.h"
#include "geometry/hexgrid.h"

#include <QSet>

#include <algorithm>

namespace {

// The label without its "Hex : " lead, which every row would repeat.
QString hexText(int hex) {
    return hextext::shortLabel(hex);
}

} // namespace

OrderOfBattleModel::OrderOfBattleModel(const Game& game, QObject* parent)
    : QAbstractTableModel(parent), game_(game) {
    reload();
    // An Open or a new game recreates every counter, always the whole order of battle in its
    // order: the same rows, of which the views hear only those that show something new.
    connect(&game_, &Game::positionReplaced, this, [this] {
        if (game_.counters().counters().size() != counters_.size()) {
            beginResetModel();
            reload();
            endResetModel();
            return;
        }
        reload();
        changed();
    });
    connect(&game_, &Game::countersChanged, this, &OrderOfBattleModel::changed);
    connect(&game_, &Game::turnEnded, this, &OrderOfBattleModel::changed);
}

void OrderOfBattleModel::reload() {
    counters_.clear();
    for (const auto& counter : game_.counters().counters())
        counters_.push_back(counter.get());
    if (told_.size() != counters_.size()) {
        told_.clear();
        for (const ZeKCounter* counter : counters_)
            told_.push_back(shownOf(*counter));
    }
}

OrderOfBattleModel::Shown OrderOfBattleModel::shownOf(const ZeKCounter& counter) {
    return {counter.name(),    counter.sizeValue(), counter.currentHex().index(),
            counter.steps(),   counter.losses(),    counter.marker(),
            counter.hasMoved()};
}

void OrderOfBattleModel::changed() {
    if (following_ && !tellingDue_) {
        tellingDue_ = true;
        QMetaObject::invokeMethod(this, &OrderOfBattleModel::tellChanges, Qt::QueuedConnection);
    }
}

void OrderOfBattleModel::tellChanges() {
    tellingDue_ = false;
    if (!following_)
        return;
    // Each run of rows that shows something new, told once however often it changed.
    const int rows = rowCount();
    int first = -1;
    for (int row = 0; row <= rows; ++row) {
        bool differs = false;
        if (row < rows) {
            Shown now = shownOf(*counters_[std::size_t(row)]);
            Shown& told = told_[std::size_t(row)];
            differs = !(now == told);
            if (differs)
                told = std::move(now);
        }
        if (differs && first < 0)
            first = row;
        if (!differs && first >= 0) {
            emit dataChanged(index(first, 0), index(row - 1, ColumnCount - 1));
            first = -1;
        }
    }
}

void OrderOfBattleModel::setFollowing(bool following) {
    following_ = following;
    if (following)
        tellChanges();
}

QStringList OrderOfBattleModel::possibleTexts(int column) const {
    QSet<QString> texts;
    switch (column) {
    case Side:
        texts << tr("Allies") << tr("Axis");
        break;
    case HexColumn:
        texts << hexText(-1);
        for (int hex = 0; hex < hexgrid::kHexCount; ++hex)
            texts << hexText(hex);
        break;
    case Marker:
        texts << QString() << QStringLiteral("1") << QStringLiteral("2");
        break;
    case Moved:
        texts << OrderOfBattleModel::tr("Has Moved") << OrderOfBattleModel::tr("Yet to move");
        break;
    default:
        // Names, sizes and steps are the counter's own; losses run up to its steps.
        for (const ZeKCounter* counter : counters_) {
            if (column == Name)
                texts << win1252::toUnicode(counter->name());
            else if (column == Size)
                texts << QString::number(counter->sizeValue());
            else
                for (int n = 0; n <= counter->steps(); ++n)
                    texts << QString::number(column == Steps ? counter->steps() : n);
        }
    }
    return texts.values();
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
        return c.hasMoved() ? OrderOfBattleModel::tr("Has Moved")
                            : OrderOfBattleModel::tr("Yet to move");
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
    return columnTitle(staticMetaObject.className(), titles, section, orientation, role);
}

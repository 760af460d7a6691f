#include "app/turn/turnlistmodel.h"

#include "app/shell/columntitles.h"
#include "app/shell/hextext.h"
#include "app/shell/plaintext.h"

#include "base/untrustedtext.h"
#include "base/win1252.h"
#include "counters/movereport.h"
#include "counters/orderofbattle.h"

#include "geometry/hexgrid.h"

#include <QFont>
#include <QIcon>
#include <QSet>

#include <iterator>

namespace {

const ZeKCounterInitStruct* rowOf(int counter) {
    const auto& table = orderOfBattleRows();
    return counter >= 1 && std::size_t(counter) <= table.size() ? &table[std::size_t(counter) - 1]
                                                                : nullptr;
}

QString hexText(int hex) {
    return hextext::shortLabel(hex);
}

// "2/0" as the report writes a state; with an arrow when the turn changed it.
QString beforeAfter(const std::string& before, const std::string& after) {
    const QString now = win1252::toUnicode(after);
    return before == after ? now : win1252::toUnicode(before) + QStringLiteral(" → ") + now;
}

} // namespace

void TurnListModel::setTurn(std::vector<CounterChange> changes, std::vector<Combat> combats) {
    beginResetModel();
    changes_ = std::move(changes);
    combats_ = std::move(combats);
    endResetModel();
}

int TurnListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(changes_.size() + combats_.size());
}

int TurnListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TurnListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    static const char* const titles[] = {
        QT_TR_NOOP("Unit"),   QT_TR_NOOP("From"),       QT_TR_NOOP("To"),     QT_TR_NOOP("Losses"),
        QT_TR_NOOP("Marker"), QT_TR_NOOP("Combat hex"), QT_TR_NOOP("Comment")};
    static_assert(std::size(titles) == ColumnCount);
    return columnTitle(staticMetaObject.className(), titles, section, orientation, role);
}

QVariant TurnListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const std::size_t row = std::size_t(index.row());
    if (row >= changes_.size())
        return combatData(index, role);
    if (role == Qt::ToolTipRole) {
        const QString text = data(index, Qt::DisplayRole).toString();
        return text.isEmpty() ? QVariant() : QVariant(plaintext::toolTip(text));
    }
    if (role != Qt::DisplayRole)
        return {};
    const CounterChange& c = changes_[row];
    const ZeKCounterInitStruct* unit = rowOf(c.counter);
    const int steps = unit ? unit->steps : 0;
    switch (index.column()) {
    case Unit:
        return unit ? win1252::toUnicode(unit->name) : tr("counter %1").arg(c.counter);
    case From:
        return hexText(c.fromHex);
    case To:
        return c.moved() ? hexText(c.toHex) : tr("did not move");
    case Losses:
        return beforeAfter(std::to_string(steps) + "/" + std::to_string(c.lossesBefore),
                           std::to_string(steps) + "/" + std::to_string(c.lossesAfter));
    case Marker:
        return beforeAfter(std::to_string(c.markerBefore), std::to_string(c.markerAfter));
    default:
        return {};
    }
}

QVariant TurnListModel::combatData(const QModelIndex& index, int role) const {
    const std::size_t row = std::size_t(index.row()) - changes_.size();
    if (row >= combats_.size())
        return {};
    const Combat& combat = combats_[row];
    switch (index.column()) {
    case Unit:
        switch (role) {
        case Qt::DisplayRole:
            return combatText(combat);
        case Qt::ToolTipRole:
            return plaintext::toolTip(combatText(combat));
        case Qt::DecorationRole:
            return QIcon(TrustLabel::badge(combat.trust, 14));
        case Qt::ForegroundRole:
            return TrustLabel::colour(combat.trust);
        case Qt::FontRole: {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        default:
            return {};
        }
    case CombatHex:
        if (role == Qt::DisplayRole)
            return hexText(combat.hex);
        return role == Qt::ToolTipRole ? plaintext::toolTip(hexText(combat.hex)) : QVariant();
    case Comment:
        switch (role) {
        case Qt::DisplayRole:
            return untrustedtext::forLine(combat.comment);
        case Qt::ToolTipRole:
            return combat.comment.isEmpty() ? QVariant() : plaintext::toolTip(combat.comment);
        case Qt::FontRole: {
            QFont italic;
            italic.setItalic(true);
            return italic;
        }
        default:
            return {};
        }
    default:
        return {};
    }
}

QString TurnListModel::combatText(const Combat& combat) {
    return combat.roll.isEmpty() ? tr("Combat, die %1").arg(combat.die)
                                 : tr("Combat, die %1 (%2)").arg(combat.die).arg(combat.roll);
}

QStringList TurnListModel::possibleTexts(int column) const {
    QSet<QString> texts;
    const auto& table = orderOfBattleRows();
    switch (column) {
    case Unit:
        for (const ZeKCounterInitStruct& unit : table)
            texts << win1252::toUnicode(unit.name);
        for (int die = 1; die <= 6; ++die)
            texts << tr("Combat, die %1").arg(die);
        break;
    case From:
    case To:
    case CombatHex:
        for (int hex = -1; hex < hexgrid::kHexCount; ++hex)
            texts << hexText(hex);
        if (column == To)
            texts << tr("did not move");
        break;
    case Losses:
        for (const ZeKCounterInitStruct& unit : table)
            for (int a = 0; a <= unit.steps; ++a)
                for (int b = 0; b <= unit.steps; ++b) {
                    const std::string steps = std::to_string(unit.steps) + "/";
                    texts << beforeAfter(steps + std::to_string(a), steps + std::to_string(b));
                }
        break;
    case Marker:
        for (int a = 0; a <= 2; ++a)
            for (int b = 0; b <= 2; ++b)
                texts << beforeAfter(std::to_string(a), std::to_string(b));
        break;
    case Comment:
        for (const Combat& combat : combats_)
            texts << untrustedtext::forLine(combat.comment);
        break;
    default:
        break;
    }
    return texts.values();
}

int TurnListModel::hexOf(int row) const {
    if (row < 0)
        return -1;
    if (std::size_t(row) < changes_.size())
        return changes_[std::size_t(row)].toHex;
    const std::size_t combat = std::size_t(row) - changes_.size();
    return combat < combats_.size() ? combats_[combat].hex : -1;
}

int TurnListModel::counterOf(int row) const {
    if (row < 0)
        return -1;
    if (std::size_t(row) < changes_.size())
        return changes_[std::size_t(row)].counter;
    return std::size_t(row) - changes_.size() < combats_.size() ? 0 : -1;
}

#pragma once

#include "app/shell/trustlabel.h"
#include "counters/turnchanges.h"

#include <QAbstractTableModel>
#include <QString>
#include <QStringList>

#include <vector>

// A turn as a table: one row per counter it changed (unit, from, to, losses and marker
// before and after, in the move report's order), then one per combat the opponent rolled
// (die, hex, comment; the hex in a column of its own, not under a counter's "From"). A
// combat's die and roll are Korva's words, drawn as a TrustLabel draws them; its comment is
// the file's, on its one line in italics with its line breaks as marks, whole in its tool tip.
class TurnListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Unit, From, To, Losses, Marker, CombatHex, Comment, ColumnCount };

    struct Combat {
        int hex = 0;
        int die = 0;
        QString comment;
        // "roll 3, verified"; empty for none.
        QString roll;
        Trust trust = Trust::Unverified;
    };

    using QAbstractTableModel::QAbstractTableModel;

    void setTurn(std::vector<CounterChange> changes, std::vector<Combat> combats);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The hex a row shows on the map (where the counter stands now, or the combat's hex),
    // and the counter's order-of-battle row; 0 for a combat. -1 for no row.
    int hexOf(int row) const;
    int counterOf(int row) const;
    std::size_t changeCount() const { return changes_.size(); }
    // Every text a column's cells can show in any turn; for the comments, this turn's.
    QStringList possibleTexts(int column) const;

private:
    QVariant combatData(const QModelIndex& index, int role) const;
    static QString combatText(const Combat& combat);

    std::vector<CounterChange> changes_;
    std::vector<Combat> combats_;
};

#pragma once

#include "history/gamedicelog.h"

#include <QAbstractTableModel>

// Every roll of the game as a table: turn, player, roll, hex, die, comment, verdict. Comments
// and names come from files: a row shows them on one line, the whole text in the tool tip.
class GameDiceModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Turn, Player, Roll, Hex, Die, Comment, Verdict, ColumnCount };

    explicit GameDiceModel(GameDiceLog log, QObject* parent = nullptr);

    const GameDiceLog& log() const { return log_; }
    // The hex of a row's combat; -1 for none.
    int hexOf(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    GameDiceLog log_;
};

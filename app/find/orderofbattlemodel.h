#pragma once

#include <QAbstractTableModel>
#include <QList>

#include <vector>

class Game;
class ZeKCounter;

// Every counter of the game as one row, in order-of-battle order: side, name, size, hex,
// steps, losses, marker, moved. Follows each change through the game's signals. The sort
// role gives numbers where the shown text would sort wrongly (hexes by column and row,
// off-board last).
class OrderOfBattleModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Side, Name, Size, HexColumn, Steps, Losses, Marker, Moved, ColumnCount };
    // The 1-based order-of-battle row of a model row.
    static constexpr int kRowRole = Qt::UserRole + 1;
    static constexpr int kSortRole = Qt::UserRole + 2;

    explicit OrderOfBattleModel(Game& game, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    void reload();
    void hexesChanged(const QList<int>& hexes);
    void allRowsChanged();

    Game& game_;
    // The counters the rows show; rebuilt whenever the game recreates them.
    std::vector<const ZeKCounter*> counters_;
};

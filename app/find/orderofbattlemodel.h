#pragma once

#include <QAbstractTableModel>
#include <QList>

#include <string>
#include <vector>

class Game;
class ZeKCounter;

// Every counter of the game as one row, in order-of-battle order: side, name, size, hex,
// steps, losses, marker, moved. Its cells always read the game as it stands; while it
// follows the game (the dock is shown) it tells its views which rows show something new,
// once per turn of the event loop however many changes a command made. The sort role gives numbers
// where the shown text would sort wrongly (hexes by column and row, off-board last).
class OrderOfBattleModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Side, Name, Size, HexColumn, Steps, Losses, Marker, Moved, ColumnCount };
    // The 1-based order-of-battle row of a model row.
    static constexpr int kRowRole = Qt::UserRole + 1;
    static constexpr int kSortRole = Qt::UserRole + 2;

    explicit OrderOfBattleModel(const Game& game, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Whether the views hear of changes; made to follow again, it tells them of everything
    // that changed meanwhile.
    void setFollowing(bool following);
    // Every text a column's cells can show, in any position of the game: the column is made
    // as wide as the widest, once.
    QStringList possibleTexts(int column) const;

private:
    // What a row shows, as last told to the views.
    struct Shown {
        std::string name;
        int size = 0;
        int hex = 0;
        int steps = 0;
        int losses = 0;
        int marker = 0;
        bool moved = false;
        bool operator==(const Shown&) const = default;
    };
    static Shown shownOf(const ZeKCounter& counter);

    void reload();
    void changed();
    void tellChanges();

    const Game& game_;
    // The counters the rows show; rebuilt whenever the game recreates them.
    std::vector<const ZeKCounter*> counters_;
    std::vector<Shown> told_;
    bool following_ = true;
    bool tellingDue_ = false;
};

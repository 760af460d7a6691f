#pragma once

#include "history/gamelist.h"

#include <QAbstractTableModel>
#include <QDateTime>
#include <QFont>

#include <optional>
#include <vector>

// The games list as a table: one row per game, in the list's order.
class GamesModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Name, Players, Turn, WhoseMove, LastFile, Dice, ColumnCount };

    struct Row {
        GameSummary game;
        // A new move of the game came into a watched folder.
        bool newMove = false;
        bool archived = false;
        // The opponent's dice are still being checked.
        bool diceDue = false;
        // A server game's move saved but not yet taken by its server: "not yet delivered",
        // or the server's refusal; empty otherwise.
        QString delivery;
    };

    explicit GamesModel(QObject* parent = nullptr);

    // The rows in their order; `now` is what "3 hours ago" counts from.
    void setRows(std::vector<Row> rows, const QDateTime& now);
    const Row& row(int index) const { return rows_.at(std::size_t(index)); }
    // The font of the rows whose move is the player's (the view's own, in bold).
    void setBoldFont(const QFont& font) { bold_ = font; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QString text(const Row& row, int column) const;

    std::vector<Row> rows_;
    QDateTime now_;
    std::optional<QFont> bold_;
};

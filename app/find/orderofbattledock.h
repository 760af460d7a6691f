#pragma once

#include "app/shell/lazydock.h"

class Game;
class OrderOfBattleModel;
class QLineEdit;
class QSortFilterProxyModel;
class QTableView;

// The order of battle as a dock: every counter with its side, name, size, hex, steps,
// losses, marker and moved state; the columns sort, a text filters the rows, and a double
// click (or Enter) on a row asks for that counter to be shown on the map. It follows the
// game only while shown.
class OrderOfBattleDock : public LazyDock {
    Q_OBJECT
public:
    explicit OrderOfBattleDock(const Game& game, QWidget* parent = nullptr);

    QTableView& table();
    QLineEdit& filterEdit();
    QSortFilterProxyModel& proxy() { return *proxy_; }
    // Wide enough to show every column.
    int preferredWidth();

signals:
    // The 1-based order-of-battle row of the counter the player picked.
    void counterActivated(int row);

protected:
    void buildBody() override;

private:
    void fitColumns();

    OrderOfBattleModel* model_ = nullptr;
    bool columnsFitted_ = false;
    QSortFilterProxyModel* proxy_ = nullptr;
    QLineEdit* filter_ = nullptr;
    QTableView* table_ = nullptr;
};

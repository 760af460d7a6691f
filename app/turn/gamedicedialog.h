#pragma once

#include "history/gamedicelog.h"

#include <QDialog>

class GameDiceModel;
class QTableView;

// The game's dice, for a player who asks whether the opponent's dice are fair: every roll of
// the game from the history, both players', and per player a bar chart of the faces, the
// number of rolls and a chi-square test against a fair die in plain words.
class GameDiceDialog : public QDialog {
    Q_OBJECT
public:
    explicit GameDiceDialog(QWidget* parent = nullptr);

    void setLog(GameDiceLog log);
    // The log is being read: the old one goes, and the dialog says so until setLog.
    void setReading();
    bool reading() const { return reading_; }
    const GameDiceModel& model() const { return *model_; }
    QTableView& table() { return *table_; }

signals:
    // A row was chosen: its combat's hex, to be shown on the map.
    void hexChosen(int hex);

private:
    GameDiceModel* model_ = nullptr;
    QTableView* table_ = nullptr;
    class FaceChart* charts_[2] = {};
    class QLabel* titles_[2] = {};
    class QLabel* summaries_[2] = {};
    class QLabel* note_ = nullptr;
    bool reading_ = false;
};

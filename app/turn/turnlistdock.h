#pragma once

#include "app/turn/turnlistmodel.h"

#include "app/shell/lazydock.h"
#include "app/shell/trustlabel.h"

#include <QString>

#include <vector>

class QLabel;
class QPlainTextEdit;
class QTableView;

// The turn as a list beside the map: the changes and combats, and the opponent's note.
// Choosing a row asks the map to show its hex.
class TurnListDock : public LazyDock {
    Q_OBJECT
public:
    explicit TurnListDock(QWidget* parent = nullptr);

    TurnListModel& model() { return model_; }
    QTableView& table();
    // The opponent's note, shown as their words set apart; hidden when empty. `heading` says
    // where the list came from.
    void setNote(const QString& note);
    void setHeading(const QString& heading);
    QString heading() const;
    QString note(); // as the note box shows it
    // The one verdict on the opponent's rolls, drawn as Korva's word; hidden when empty.
    void setDiceVerdict(const QString& verdict, Trust trust = Trust::Unverified);
    QString diceVerdict() const;
    Trust diceTrust() const { return diceTrust_; }

signals:
    // hex on the map; counter: order-of-battle row, 0 for a combat.
    void rowChosen(int hex, int counter);

protected:
    void buildBody() override;

private:
    void choose(int row);
    void showTexts();
    void fitColumns();

    TurnListModel model_;
    int justChosen_ = -1;
    bool columnsDue_ = false;       // a new turn's rows not yet measured
    std::vector<int> fittedWidths_; // the columns' widths but the comments', once known
    // What the labels show, kept while they are not built yet.
    QString heading_;
    QString diceVerdict_;
    Trust diceTrust_ = Trust::Unverified;
    QString note_;
    QLabel* headingLabel_ = nullptr;
    TrustLabel* diceLabel_ = nullptr;
    QTableView* table_ = nullptr;
    QLabel* noteTitle_ = nullptr;
    QPlainTextEdit* noteEdit_ = nullptr;
};

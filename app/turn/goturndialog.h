#pragma once

#include "app/turn/keptturns.h"

#include <QDialog>

#include <vector>

class QComboBox;

// Go to turn: the turns and sides the game's kept copies begin, one to choose.
class GoToTurnDialog : public QDialog {
    Q_OBJECT
public:
    // `starts` is not empty; `selected` is offered first.
    GoToTurnDialog(const std::vector<TurnStart>& starts, std::size_t selected,
                   QWidget* parent = nullptr);

    // The place in `starts` of the one chosen.
    std::size_t chosen() const;
    QComboBox& turns() { return *turns_; }

private:
    QComboBox* turns_ = nullptr;
};

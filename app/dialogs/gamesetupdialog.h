#pragma once

#include "game/turnorder.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QSpinBox;

// Who plays which side and the name the game's files get, asked at New game with the side
// that moves first; asked again later to correct the names or to set the turn of a game
// whose files never said it.
class GameSetupDialog : public QDialog {
    Q_OBJECT
public:
    enum class Mode { NewGame, Edit };
    GameSetupDialog(Mode mode, const TurnOrder& order, const QString& gameName,
                    QWidget* parent = nullptr);

    QString gameName() const;
    // Cleaned as the move file keeps them.
    PlayerNames players() const;
    // New game: the side chosen to move first.
    Side movesFirst() const;
    // Edit: the turn as set, or unknown when the player left it so.
    std::optional<TurnRecord> turn() const;

    // The fields, for tests that fill the dialog in.
    QLineEdit& gameNameEdit() { return *gameName_; }
    QLineEdit& playerEdit(Side side) { return side == Side::First ? *first_ : *second_; }
    QComboBox& movesFirstBox() { return *movesFirst_; }
    QGroupBox& turnBox() { return *turnBox_; }
    QSpinBox& numberBox() { return *number_; }
    QComboBox& toMoveBox() { return *toMove_; }

private:
    QLineEdit* gameName_ = nullptr;
    QLineEdit* first_ = nullptr;
    QLineEdit* second_ = nullptr;
    QComboBox* movesFirst_ = nullptr;
    QGroupBox* turnBox_ = nullptr;
    QSpinBox* number_ = nullptr;
    QComboBox* toMove_ = nullptr;
};

// The side's name as the window shows it: "Allies" or "Axis".
QString sideName(Side side);
// "Turn 3 · Axis to move (Bob)", the name when given and asked for; "Turn unknown" when no
// file said it.
QString turnText(const TurnOrder& order, bool withPlayer = true);
// "Allies: “Alice” · Axis: “Bob”" (the names quoted as file text); empty when no name was
// given.
QString playersText(const PlayerNames& players);

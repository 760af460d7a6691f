#pragma once

#include <QCoreApplication>
#include <QObject>

#include <array>
#include <string>

class QLineEdit;
class Session;

// The three banner boxes above the map. They show the game's banner texts and the game takes
// every change of theirs as a step of the turn's edits; a text set for the game (an Open,
// an undo) is not an edit. Nothing changes the past: while it shows, the boxes are read-only.
class BannerBoxes : public QObject {
    Q_DECLARE_TR_FUNCTIONS(TMainForm)
public:
    BannerBoxes(Session& session, const std::array<QLineEdit*, 3>& boxes, QObject* parent);

    // What the boxes show, as a save writes it.
    std::array<std::string, 3> texts() const;
    // After the position was replaced: the game's texts, editable only in the present.
    void showPosition();

private:
    void setTexts(const std::array<std::string, 3>& texts);

    Session& session_;
    std::array<QLineEdit*, 3> boxes_;
    // The boxes are being set to the game's banners: no edit of the player's.
    bool showing_ = false;
};

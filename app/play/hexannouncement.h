#pragma once

#include <QCoreApplication>
#include <QString>

class Game;

// What a screen reader says of a hex when the hex cursor reaches it: the hex's name, its top
// unit as the order of battle names it, how many more lie beneath, and whether the top unit
// has moved; "Hex : K12, UK 6 Armor XX and 2 more, moved". Only the game's names and Korva's own
// words: nothing a move file wrote (comments, the note) is ever said as part of it.
class HexAnnouncement {
    Q_DECLARE_TR_FUNCTIONS(HexAnnouncement)
public:
    static QString of(const Game& game, int hex);
};

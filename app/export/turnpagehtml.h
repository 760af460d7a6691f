#pragma once

#include "movefile/turnrecord.h"

#include <QByteArray>
#include <QSize>
#include <QString>
#include <QStringList>

#include <array>
#include <vector>

// What a web page of one turn shows, for an after-action report: the picture of the map
// around the turn's moves, the changes and combats as the turn list has them, the verdict
// on the dice and the opponent's note.
struct TurnPage {
    // Korva's own words: "Turn 3 · Axis to move", the verdict on the dice (which may name a
    // file).
    QString title;
    QString diceVerdict;
    // From the file: shown quoted, every character seen and none obeyed.
    QString fileName;
    PlayerNames players;
    std::array<QString, 3> banners;
    QString note;
    // The turn list's columns and rows: first the changes, then the combats, whose last
    // column (the comment) comes from the file.
    QStringList changeColumns;
    std::vector<QStringList> changes;
    QStringList combatColumns;
    std::vector<QStringList> combats;
    // A PNG of the map, embedded in the page.
    QByteArray picture;
    QSize pictureSize;
};

// The page as one self-contained HTML file (UTF-8): the picture as data, no script, and a
// policy that lets the page load nothing else.
QByteArray turnPageHtml(const TurnPage& page);

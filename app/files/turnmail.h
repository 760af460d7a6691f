#pragma once

#include "app/shell/processlauncher.h"

#include <QString>
#include <QStringList>

#include <vector>

// A saved turn on its way to the opponent through the desktop's mail composer
// (xdg-email): the move file and its report attached, a subject naming the turn, and a
// body saying whose move it is now, listing this turn's combats and carrying the note. Korva keeps
// no mail settings: the player picks the address in their own mail program.
struct TurnMail {
    struct Combat {
        QString hex; // the hex label, "Hex : C12" or "Off board"
        int die = 0;
        QString comment;
    };

    QString moveFile;   // full path of the saved .krv
    QString reportFile; // the move report beside it
    QString title;      // the file title, as the caption shows it
    QString turn;       // "Turn 3 · Axis to move" after the save; empty when unknown
    std::vector<Combat> combats;
    QString note; // the note to the opponent that went out with the file

    static QString program() { return QStringLiteral("xdg-email"); }
    QString subject() const;
    QString body() const;
    QStringList arguments() const;
    // What the player reads when the composer did not open: why, and where the two files
    // are so they can attach them by hand. Empty when it did open.
    QString failureMessage(const ProcessLauncher::Outcome& outcome) const;
};

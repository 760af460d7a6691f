#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

// One move file kept in the game's history.
struct HistoryEntry {
    enum class Kind { Opened, Saved };

    // The kept copy.
    QString path;
    // When the file was opened or saved, in UTC to the millisecond.
    QDateTime time;
    Kind kind = Kind::Opened;
    // Names the folder the file was opened from or saved to (GameHistory::folderKey).
    QString folderKey;
    // The file's name without its folder and without ".krv".
    QString title;

    // The copy's file name, which carries all of the above.
    static QString fileNameFor(const QDateTime& time, Kind kind, const QString& folderKey,
                               const QString& title);
    // The latest time a copy's file name can carry (the last millisecond of year 9999).
    static QDateTime latestTime();
    // The entry a kept copy's file name describes; nullopt for any other name.
    static std::optional<HistoryEntry> fromPath(const QString& path);
};

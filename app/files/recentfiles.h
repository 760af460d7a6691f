#pragma once

#include <QStringList>

class KorvaSettings;

// The move files opened or saved last, newest first, kept in the settings. A file that
// no longer exists drops off the list the next time the list is read. Every change reads
// the settings first, so two windows on one home folder keep each other's files.
class RecentFiles {
public:
    static constexpr qsizetype kLimit = 8;

    explicit RecentFiles(KorvaSettings& settings);

    // Puts the file first (once, by its absolute path); the oldest beyond the limit go. Its
    // folder is where the file dialogs start next, written out with the list.
    void add(const QString& path);
    void remove(const QString& path);
    void clear();
    // The list, newest first, after dropping the files that are gone.
    QStringList existingFiles();

private:
    void reload();
    void store();

    KorvaSettings& settings_;
    QStringList files_;
};

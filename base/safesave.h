#pragma once

#include <QByteArray>
#include <QString>

// Failures to force while saving, so tests can prove that a failed save leaves the
// previous file alone. A negative value or false means no forced failure.
struct SaveFaults {
    // The write fails once this many bytes have gone into the temporary file.
    qint64 failWriteAfter = -1;
    // The final rename of the temporary file over the target fails.
    bool failRename = false;
    // Syncing the temporary file to the disk fails.
    bool failSync = false;
    // Syncing the folder after the rename fails.
    bool failFolderSync = false;
    // The save stops once the temporary file is written, as a killed process would: the
    // temporary file stays behind, unlocked.
    bool abandon = false;
};

// Who may read the saved file: as the file it replaces (a new one as the umask allows), or
// its owner alone from its first byte (for secrets).
enum class FileAccess { AsBefore, OwnerOnly };

// Writes the bytes to a temporary file beside path, checks every write, syncs it to the
// disk, then renames it over path and syncs the folder, so that the new file is known to
// be on disk whole before the old one goes. A symbolic link is written through to the file
// it names; a folder, a FIFO, a device or anything else but a regular file is refused.
// Temporary files that earlier saves into the same folder left behind (killed half-way)
// are cleared first. On failure the temporary file is removed, false answered and *error
// (when given) set to a one-line reason, the system's own where it gave one ("No space
// left on device"); the previous file is untouched unless only the last folder sync failed
// (the new file then stands, but is not known to survive a crash).
bool saveFileSafely(const QString& path, const QByteArray& bytes, QString* error = nullptr,
                    const SaveFaults& faults = {}, FileAccess access = FileAccess::AsBefore);

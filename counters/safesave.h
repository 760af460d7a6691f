#pragma once

#include <QByteArray>
#include <QString>

// Failures to force while saving, so tests can prove that a failed save leaves the
// previous file alone. A negative value means no forced failure.
struct SaveFaults {
    // The write fails once this many bytes have gone into the temporary file.
    qint64 failWriteAfter = -1;
    // The final replacement of the target fails.
    bool failCommit = false;
};

// Writes the bytes to a temporary file beside path, checks every write, then replaces
// path with it. On failure the previous file is untouched, the temporary file removed,
// false answered and *error (when given) set to a one-line reason.
bool saveFileSafely(const QString& path, const QByteArray& bytes, QString* error = nullptr,
                    const SaveFaults& faults = {});

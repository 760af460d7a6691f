#pragma once

#include "counters/turnchanges.h"
#include "movefile/korvaextension.h"
#include "movefile/movefilecontents.h"

#include <QByteArray>
#include <QString>

#include <optional>

// A move file as Open reads it: the bytes, the three sections checked, and Korva's own
// block when the file has a sound one.
struct OpenedMoveFile {
    QByteArray bytes;
    MoveFileContents contents;
    KorvaExtension extension;
    // One line for the window when the block had to be ignored; empty otherwise.
    QString extensionWarning;
};

// Parses the three sections exactly as parseMoveFile does (and refuses what it refuses,
// with MoveFileError), then the block after them, which never refuses the file.
OpenedMoveFile parseOpenedMoveFile(QByteArray bytes);
// Reads the file with readMoveFileBytes's checks, then parseOpenedMoveFile.
OpenedMoveFile readOpenedMoveFile(const QString& path);

// `earlier`, named `name`, as the file the opened file's turn is measured from; none when it
// holds the opened file's very bytes (a player opening the file he saved last), which would
// show no change at all, so that the file's own account of its turn counts.
std::optional<EarlierFile> earlierFileFor(const OpenedMoveFile& opened,
                                          const OpenedMoveFile& earlier, const QString& name);

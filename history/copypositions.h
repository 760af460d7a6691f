#pragma once

#include "history/positionkey.h"

#include <QByteArray>
#include <QString>

#include <optional>

// The positions a kept copy began and ended its turn with, in a small file beside it
// (<copy>.positions), so that a later run links files to the copy without reading it again:
// a hostile copy may be 16 MB that take most of a second and a hundred megabytes to read.
// The file names the copy's size, time and SHA-256 as they were when it was written; one
// that does not fit the copy as it stands now is not used. A symbolic link in its place is
// neither followed nor replaced.
namespace copypositions {

QString pathFor(const QString& copy);
// Writes the positions beside the copy, whose bytes have SHA-256 `hash`; false when they
// could not be written (the copy is read again next time).
bool write(const QString& copy, const QByteArray& hash, const positionkey::Turn& turn);
// The positions kept beside the copy when they still fit its size and time, and its hash
// when `knownHash` is given; nullopt when there are none, they are damaged or they do not fit.
std::optional<positionkey::Turn> read(const QString& copy, const QByteArray& knownHash = {});

} // namespace copypositions

#pragma once

#include "counters/counterrecord.h"

#include <QByteArray>

#include <vector>

struct OpenedMoveFile;

// A position as where every counter stands, hashed: losses and markers do not tell games
// apart. The history links files into games by these keys.
namespace positionkey {

QByteArray of(const std::vector<int>& hexes);
// Where every counter started its turn (the start hexes) and where it stands now.
QByteArray start(const std::vector<CounterRecord>& records);
QByteArray present(const std::vector<CounterRecord>& records);
// Where the file's turn began: its block says so, else its start hexes do.
QByteArray turnStart(const OpenedMoveFile& file);
// A new game's position, which every game holds and so links none.
const QByteArray& newGame();

// Where a file's turn began (turnStart) and where it ended (its present); both empty when
// the file could not be read.
struct Turn {
    QByteArray begin;
    QByteArray end;
};
Turn turnOf(const OpenedMoveFile& file);
// A turn that began at `begin` follows `earlier`: it began where `earlier` began (the same
// turn, saved again) or where it ended. The new game's position follows nothing.
bool follows(const QByteArray& begin, const Turn& earlier);
// Two turns of one game: either follows the other.
bool linked(const Turn& a, const Turn& b);

} // namespace positionkey

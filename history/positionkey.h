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

} // namespace positionkey

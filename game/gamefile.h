#pragma once

#include <QByteArray>

#include <functional>

class Game;
struct KorvaExtension;

// What a save writes of a game.
namespace gamefile {

// The move file of the game as it stands: the three sections, each from its one writer.
// With endOfTurn the file holds the position as after Game::endTurn(), the game unchanged.
// Throws MoveFileError for a text longer than any reader takes back.
QByteArray moveFile(const Game& game, bool endOfTurn);
// What a save writes: moveFile(endOfTurn), then Korva's block with this turn's start (from
// before any end of turn), the game id (made now at the first save of a game), the outgoing
// note, the players and the turn as it stands after the save; `addToBlock` may add to the
// block before it is written. Throws MoveFileError like moveFile, and for a note over 64 KB.
QByteArray savedFile(Game& game, bool endOfTurn,
                     const std::function<void(KorvaExtension&)>& addToBlock = {});
// The move report of the game as it stands (a save writes it beside the move file).
QByteArray report(const Game& game);

} // namespace gamefile

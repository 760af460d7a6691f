#pragma once

#include "combat/tagger.h"
#include "counters/turnchanges.h"
#include "game/gameparts.h"
#include "movefile/gameid.h"
#include "movefile/movefilecontents.h"
#include "turns/turnorder.h"

#include <QByteArray>
#include <QList>
#include <QObject>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CounterMgr;
struct CounterRecord;
struct KorvaExtension;
struct OpenedMoveFile;
class TurnKeeper;
class MapBoard;
class MapPicture;
class PictureModule;
class TaggerMgr;
class ZeKCounter;

// The game without a window: the two picture modules, the map picture, the counter manager,
// the map board and the tag manager, built and torn down in the one order the program
// knows, and the three banner texts. The window, the headless commands, the benchmarks and
// the tests all hold one.
//
// The operations below are the only way the program changes the position, and each says
// what it changed through a signal, so that every view (the map, lists of counters or
// moves, an overview) follows the same moves, flips, marks, opens, new games and undos.
// The map picture reports the rectangles each change repainted on its own
// (MapPicture::setChangeListener).
//
// One Game is alive at a time (GameParts): building a second one while the first is alive
// throws std::logic_error. The move file, the saved file and the report of a game are
// written by the functions of game/gamefile.h.
class Game : public QObject {
    Q_OBJECT
public:
    // mapAndTags is korva_1 (the map picture and the tag pictures), counters korva_2 (the
    // counter and marker pictures); the Game owns both. The map picture is taken from the
    // first, which may let go of its own copy. Throws ResourceError when there is no map
    // picture. Every counter stands in its placeholder hex, off the board: nothing is drawn.
    Game(std::unique_ptr<PictureModule> mapAndTags, std::unique_ptr<PictureModule> counters,
         QObject* parent = nullptr);
    // The picture modules go first, then the board, the counters and the tags (which put
    // the map back under their pictures), and last the map picture.
    ~Game() override;

    // Replaces counters, tags and banners with the file's and draws the whole board anew;
    // all or nothing: when it throws (a picture that cannot be had or drawn) the game is
    // as it was. Emits positionReplaced.
    void open(const MoveFileContents& contents);
    // How an Open takes a file with Korva's block.
    struct OpenAs {
        // Adopted when the file has no id.
        std::optional<GameId> gameOfFolder;
        // The player's own last file of this game, which the moves are measured from.
        std::optional<EarlierFile> ownLastFile;
        // The file claims the id of a game it does not belong to: the id is not taken.
        bool ignoreGameId = false;
        // The player's own file opened again: its combats are the player's, and go out again
        // with the next save.
        bool ownCombats = false;
    };
    // The same with Korva's block: the turn's start, the game id and the opponent's note
    // come from it. When the file has no id, gameOfFolder is adopted; the moves are those
    // since ownLastFile when it is given, else those its block or its start hexes show.
    void open(const OpenedMoveFile& file, const OpenAs& as);
    void open(const OpenedMoveFile& file) { open(file, OpenAs()); }
    // A new game: every counter in the holding area, no combats, the default banners; its
    // turn and players are `order`'s (turn 1, the Allies to move, unless told).
    void newGame(TurnOrder order = TurnOrder::newGame(Side::First, {}));
    // Shows an earlier position of the game (a copy from its history, or any move file) in
    // place of the present one, with that file's moves; the present (counters, stacks,
    // tags, banners and turn) is kept aside whole, never through a file, so the player's
    // own combats stay his. Another past position may follow; backToPresent() puts the
    // present back as it was. Throws like open() and then shows the present.
    // Emits positionReplaced.
    void showPast(const OpenedMoveFile& file);
    // The present again, exactly as showPast found it. Nothing when no past is shown.
    // Emits positionReplaced.
    void backToPresent();
    bool showsPast() const { return present_ != nullptr; }

    // Stacks every counter in its present hex again, in the counter list's order, and draws
    // the whole board, for tools and tests that set counters' records through counters().
    // Emits positionReplaced.
    void restack();

    // The top counter of from onto to (both redrawn); false when from is empty or either
    // index lies outside the grid. Emits countersChanged({from, to}) when something moved.
    bool moveTop(int from, int to);
    // The whole stack of from onto to, one counter at a time, so it arrives reversed; false
    // when from is empty, equals to, or an index lies outside the grid. Emits
    // countersChanged({from, to}) when it moved.
    bool moveAll(int from, int to);
    // The top counter goes to the bottom of the stack. Emits countersChanged({hex}) when the
    // stack holds two counters or more.
    void rotateStack(int hex);
    // Flip: the top counter's next loss picture. Marker: its next marker state. Both redraw
    // the hex and answer that counter, or nullptr for an empty hex (nothing changes).
    // Emit countersChanged({hex}).
    enum class Cycle { Losses, Marker };
    ZeKCounter* cycle(int hex, Cycle what);
    // The top counter's losses and marker as given (an undone Flip or Tag); the hex is
    // redrawn. Emits countersChanged({hex}); nothing for an empty hex.
    void setLossesAndMarker(int hex, int losses, int marker);
    // Every counter's start hex becomes its present hex, a new turn begins with the counters
    // as they stand, and the move goes to the other side. Emits turnEnded.
    void endTurn();
    // A combat rolled here, drawn unless an own combat already shows at that hex. Emits
    // tagsChanged.
    void addCombat(const TaggerInfo& info);
    // Takes every tag picture off the map; the tags stay. Emits tagsChanged.
    void hideTags();

    // The banner texts (Windows-1252 bytes) as a move file carries them. Setting one (0, 1
    // or 2) changes nothing else and emits nothing: the boxes that show them set them.
    const std::array<std::string, 3>& banners() const { return banners_; }
    void setBanner(std::size_t which, std::string text) { banners_.at(which) = std::move(text); }

    // The top counter of the hex, or nullptr for an empty hex or an index outside the grid.
    ZeKCounter* counterAt(int hex) const;

    // The parts, to read them. A change made through them bypasses the signals: the program
    // changes the game only through the operations above; tests and benchmarks set
    // positions up through the parts and then restack().
    const MapPicture& mapPicture() const { return *parts_.mapPicture; }
    MapBoard& board() { return *parts_.board; }
    const MapBoard& board() const { return *parts_.board; }
    CounterMgr& counters() { return *parts_.counters; }
    const CounterMgr& counters() const { return *parts_.counters; }
    TaggerMgr& tags() { return *parts_.tags; }
    const TaggerMgr& tags() const { return *parts_.tags; }
    // The turn's start, the game id, the notes and the opened file's moves.
    TurnKeeper& turn() { return *turn_; }
    const TurnKeeper& turn() const { return *turn_; }
    const PictureModule& mapAndTagPictures() const { return *parts_.mapAndTags; }
    const PictureModule& counterPictures() const { return *parts_.counterPictures; }

signals:
    // Open, New game or restack: counters, stacks, tags and banners may all differ.
    void positionReplaced();
    // The stacks or counters of these hexes changed: a move, a turned stack, a flip, a mark.
    void countersChanged(const QList<int>& hexes);
    // Every counter's start hex is now its present hex; no stack changed.
    void turnEnded();
    // A combat was added, or the tag pictures were taken off the map.
    void tagsChanged();

private:
    GameParts parts_;
    std::unique_ptr<TurnKeeper> turn_;
    std::array<std::string, 3> banners_;
    // While a past position is shown: the present, kept aside.
    struct Present;
    std::unique_ptr<Present> present_;

    // Open, New game and a past shown: the contents' tags, counters, stacks and banners in
    // place of the present ones, and the whole board drawn anew. All or nothing: every
    // picture the new position draws is fetched first, and whatever still fails half-way
    // puts tags, counters, stacks and map back and rethrows. Answers what it replaced, which
    // a past shown keeps aside.
    std::unique_ptr<Present> replacePosition(const MoveFileContents& contents);
};

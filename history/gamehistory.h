#pragma once

#include "counters/turnchanges.h"
#include "history/historyentry.h"
#include "history/positionkey.h"
#include "movefile/gameid.h"
#include "movefile/turnrecord.h"

#include <QByteArray>
#include <QDateTime>
#include <QDir>
#include <QString>

#include <atomic>
#include <memory>
#include <optional>
#include <vector>

struct OpenedMoveFile;

// What the history knows of the game of a file being opened.
struct HistoryContext {
    // For a file without a game id: the game whose positions it follows (gameFollowedBy),
    // wherever the file came from.
    std::optional<GameId> positionsGame;
    // For a file whose id names a game the history keeps nothing of: the game whose positions
    // it follows all the same. Its dice are that game's: a new id does not free a turn from
    // the commitment its sender made.
    std::optional<GameId> followedGame;
    // The player's own last file of the file's game, which its moves are measured from
    // (ownLastFile).
    std::optional<EarlierFile> ownLastFile;
    // The file holds the very bytes of a file the player saved of this game.
    bool savedByPlayer = false;
    // The turn the player's newest saved file of the game says, when it says one: a file of
    // an earlier turn was answered already.
    std::optional<TurnRecord> lastSavedTurn;
    // That newest saved file began its turn from this file's position: it may answer this
    // very file (its turn says whether it does).
    bool answeredByLastSave = false;
    // The file names a game of the history whose turns it does not fit (fitsGame): it claims
    // another game's id, and nothing above is of that game.
    bool claimsOtherGame = false;

    // The game the file's dice are judged in: the game it follows under an id the history
    // does not know, else its own id, else the game it follows; none for a file kept apart.
    std::optional<GameId> diceGame(const OpenedMoveFile& file) const;
};

// The game's history: a copy of every move file opened or saved, one folder per game.
//
// Under the root (by default <AppDataLocation>/history):
//   game-<the game id's 32 hex digits>/   the files of a game with an id
//   folder-<folder key>/                  files without an id, by the folder they were in
// Each copy is one file named <UTC time>_<opened|saved>_<folder key>_<title>.krv, such as
// 20260315T101530123Z_saved_3f2a9c0b1d4e5f60_turn5.krv; the folder key is 16 hex digits of
// the SHA-256 of the canonical path of the folder the file was in. The names carry all there
// is to know, so there is no index to get out of step; name order is time order; each copy
// goes through the safe writer, so a half-written one never shows. Beside each copy a small
// <copy>.positions file keeps the positions its turn began and ended with (copypositions.h),
// used only while it fits the copy, so that a large copy is read whole once. Under the root the
// history makes, reads and writes only real folders and files: a symbolic link in their
// place is neither followed nor replaced.
//
// What it has listed and read it remembers, shared by its copies and safe across threads: the
// game folders while the root stays unchanged, a game's list of copies and their size while
// its folder stays unchanged, and each copy's SHA-256 (a copy is never rewritten). An Open in
// a game of a thousand copies, or beside thousands of files that are none of the history's,
// then lists and reads nothing again. A folder that changed too recently to tell a later
// change by its time is listed again at each look, until it settles.
//
// A game keeps at most `maxGameBytes` of copies of the files opened in it: an opponent who
// sends file after file of the largest size would fill the disk. The player's own saved
// files are kept whatever the size (they count, though), since the check of the opponent's
// dice needs them.
class GameHistory {
public:
    static constexpr qint64 kMaxGameBytes = 64 * 1024 * 1024;

    explicit GameHistory(QString root, qint64 maxGameBytes = kMaxGameBytes);

    // <AppDataLocation>/history, once the application's organisation and name are set;
    // empty when the system has no place for application data.
    static QString defaultRoot();
    const QString& root() const { return root_; }

    // Keeps a copy of a move file just opened or saved, unless it holds the same bytes as
    // the game's newest copy, or it was opened and would take the game's copies past
    // maxGameBytes. Never throws and never blocks the Open or Save it follows: a full disk or
    // a folder that cannot be made or written leaves no copy and no temporary file, and
    // answers one line for the window; so does the first copy of a game not kept for its
    // size, while the later ones answer nothing until a copy of the game is kept again.
    // Success answers an empty text.
    QString record(const QByteArray& bytes, const std::optional<GameId>& id, const QString& file,
                   HistoryEntry::Kind kind,
                   const QDateTime& when = QDateTime::currentDateTimeUtc()) const;

    // The game's folder name: "game-<id>" with an id, else "folder-<key of the file's folder>".
    static QString gameKey(const std::optional<GameId>& id, const QString& file);
    // 16 hex digits naming the folder the file is in.
    static QString folderKey(const QString& file);

    // The game folders there are ("game-" and an id, "folder-" and a folder key), by name.
    QStringList gameKeys() const;
    // A game's copies, oldest first; none for an unknown game.
    std::vector<HistoryEntry> entries(const QString& gameKey) const;
    // The same, shared rather than copied: a list never changes once handed out.
    std::shared_ptr<const std::vector<HistoryEntry>> kept(const QString& gameKey) const;
    // The game with an id whose newest copy came from the same folder as the file. A folder
    // proves nothing of a file's game (gameFollowedBy does); it only tells where games live.
    std::optional<GameId> gameOfFolder(const QString& file) const;
    // The game a file follows: one of its copies holds the file's bytes, or began or ended a
    // turn with the position the file's turn began from. A new game's position is every
    // game's first and tells none apart. Games with a copy from the file's folder are looked
    // at first, the newest first; each copy is read once and its positions remembered.
    std::optional<GameId> gameFollowedBy(const OpenedMoveFile& file, const QString& path) const;
    // The player's own last file of the game: its newest saved copy that can be read, named
    // as the file it was saved as; nullopt when there is none, or when that copy holds the
    // opened file's bytes (earlierFileFor).
    std::optional<EarlierFile> ownLastFile(const GameId& id, const OpenedMoveFile& opened) const;

    // What the history knows of the game of a file being opened from `path`: its game when
    // the file names none, the player's own last file of that game and its turn, whether
    // the player saved this very file, and whether it claims the id of a game it does not fit.
    HistoryContext contextFor(const OpenedMoveFile& file, const QString& path) const;
    // Whether the file may be a turn of the game: a game the history keeps nothing of takes
    // any file; else the file is one of its copies, or its turn began from a new game's
    // position or from one that a copy of the game began or ended a turn with. An id alone
    // proves nothing: it is in every file of the game, the opponent's too.
    bool fitsGame(const GameId& id, const OpenedMoveFile& file) const;

    // Reads a copy back as Open reads a move file; throws MoveFileError when it cannot.
    static OpenedMoveFile read(const HistoryEntry& entry);
    // The SHA-256 of a copy's bytes, read once; empty when the copy cannot be read.
    QByteArray hashOf(const HistoryEntry& entry) const;
    // The positions a copy began and ended its turn with, read once; empty when it cannot be
    // read.
    positionkey::Turn positionsOf(const HistoryEntry& entry) const;
    // Lists and hashes the copies of the `games` games changed last, so that the first Open
    // in one of them reads nothing old; returns early once `stop` is set.
    void recallRecentGames(int games, const std::atomic<bool>& stop) const;

private:
    struct Memory;

    // The notice that a game's copies are full, the first time only; then empty.
    QString fullNotice(const QString& gameFolder, const QString& file) const;
    // A name for the copy in the game's folder that nothing stands at; empty when none is found.
    QString freeName(const QDir& game, const std::vector<HistoryEntry>& copies, const QString& file,
                     HistoryEntry::Kind kind, const QDateTime& when) const;
    // The copy just written at `path` into what the history remembers of its game's folder,
    // which was `listed` before.
    void listCopy(const QString& gameFolder, const QString& path, const QByteArray& hash,
                  const QDateTime& listed) const;

    QStringList namesIn(const QString& folder, const QStringList& filters,
                        QDir::Filters kind) const;
    std::vector<HistoryEntry> listEntries(const QString& folder) const;
    // The size of a game's copies together, `copies` being its list as kept() answered it.
    qint64 keptBytes(const QString& gameFolder,
                     const std::shared_ptr<const std::vector<HistoryEntry>>& copies) const;
    void remember(const HistoryEntry& entry, const QByteArray& hash) const;
    // A copy's positions read from the copy itself, and kept beside it; nullopt when it
    // cannot be read.
    std::optional<positionkey::Turn> readPositions(const HistoryEntry& entry) const;
    // Keeps the positions of a copy just written of `bytes` beside it.
    void keepPositions(const QString& copy, const QByteArray& bytes, const QByteArray& hash) const;
    // Whether a copy has exactly these bytes: by its remembered hash, else by its size first.
    bool holds(const HistoryEntry& entry, const QByteArray& bytes, const QByteArray& hash) const;
    // Whether the file follows one of the copies, or is one (its SHA-256 is `hash`), its turn
    // having begun at `start`.
    bool followsOneOf(const std::vector<HistoryEntry>& copies, const OpenedMoveFile& file,
                      const QByteArray& start, const QByteArray& hash) const;

    QString root_;
    qint64 maxGameBytes_;
    std::shared_ptr<Memory> memory_;
};

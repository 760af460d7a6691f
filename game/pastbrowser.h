#pragma once

#include "history/historyentry.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <optional>
#include <vector>

class EditStack;
class Game;
class HistoryWriter;

// The one owner of what the map shows of the game's past: the steps through its kept
// copies, Go to turn, and the positions an animation draws one after the other. A kept
// position is shown read-only in place of the present, which comes back exactly as it was.
class PastBrowser : public QObject {
    Q_OBJECT
public:
    // `writer` is null when no history is kept; `edits` tells whether the present has
    // changes the newest copy lacks.
    PastBrowser(Game& game, HistoryWriter* writer, const EditStack& edits,
                QObject* parent = nullptr);

    enum class HistoryStep { First, Previous, Next, Last };
    enum class StepOutcome {
        Shown,         // a kept position shows, read-only
        BackToPresent, // Next after the newest copy
        Unchanged,     // already there
        NothingKept,   // the history holds nothing of this game
        Refused,       // the copy could not be read: stepError() says why
    };
    // An earlier position of the game from its history, shown read-only with its moves.
    StepOutcome stepHistory(HistoryStep step);
    // The game's kept copies, oldest first: the positions the steps go through.
    std::vector<HistoryEntry> keptEntries();
    // The kept copy at `index` of keptEntries(), shown read-only like a step's.
    StepOutcome showKept(std::size_t index);
    QString stepError() const { return stepError_; }
    // The game as it stands again; nothing when it shows already.
    void backToPresent();
    bool showsPast() const;
    // While the past shows: the copy shown, its place among the game's copies (0-based) and
    // their number.
    const HistoryEntry& shownEntry() const { return entries_.at(index_); }
    std::size_t shownIndex() const { return index_; }
    std::size_t keptCount() const { return entries_.size(); }

    // An animation's frame: the copy shown in the map's game without a word to the views;
    // endFrames() then shows again what showed before the first frame. Throws when the copy
    // cannot be read.
    void showFrame(const HistoryEntry& entry);
    void endFrames();

    // The present's file, and the SHA-256 of the bytes last given to the history, to know
    // the present among the copies.
    void setPresentFile(const QString& fileName) { fileName_ = fileName; }
    void setKeptHash(const QByteArray& hash) { keptHash_ = hash; }

signals:
    // The present gives way to a kept position: its edits end here.
    void presentLeft();
    // A kept position shows now (true), or the present again (false).
    void shown(bool past);

private:
    // Where the present stands among the game's copies (oldest first): the newest copy's
    // place when that copy is the present, else after it.
    std::size_t presentPlaceAmong(const std::vector<HistoryEntry>& entries) const;
    void takeKeptEntries();
    // The kept copies to step through, taken afresh while the present shows; false when
    // there are none.
    bool haveEntries();
    StepOutcome showEntry(std::size_t index);

    Game& game_;
    HistoryWriter* writer_;
    const EditStack& edits_;
    QString fileName_;
    QByteArray keptHash_;
    QString stepError_;
    // While the past shows: the game's copies, oldest first, the one shown, and the
    // present's place among them.
    std::vector<HistoryEntry> entries_;
    std::size_t index_ = 0;
    std::size_t presentIndex_ = 0;
    // While an animation draws: whether the past showed before its first frame.
    std::optional<bool> pastBeforeFrames_;
};

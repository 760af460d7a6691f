#include "game/session.h"

#include "board/picturemodule.h"
#include "combat/taggermgr.h"
#include "counters/newgamelayout.h"
#include "game/game.h"
#include "game/savename.h"
#include "game/turndice.h"
#include "geometry/zekclick.h"
#include "history/gamehistory.h"
#include "history/historywriter.h"
#include "movefile/korvaextension.h"
#include "movefile/movefile.h"
#include "movefile/turnkeeper.h"

#include <QFileInfo>

#include <algorithm>

Session::Session(std::unique_ptr<PictureModule> mapAndTags, std::unique_ptr<PictureModule> counters,
                 const QString& historyFolder, QObject* parent)
    : QObject(parent),
      game_(std::make_unique<Game>(std::move(mapAndTags), std::move(counters), this)) {
    if (!historyFolder.isEmpty())
        historyWriter_ = std::make_unique<HistoryWriter>(GameHistory(historyFolder));
    dice_ = std::make_unique<TurnDice>(history());
}

Session::~Session() {
    // The copies under way are written whole before the game goes.
    historyWriter_.reset();
    game_.reset();
}

QString Session::fileTitle(const QString& fileName) {
    const QString name = QFileInfo(fileName).fileName();
    const qsizetype n = name.size() - 4;
    return n > 0 ? name.left(n) : QString();
}

void Session::markChanged() {
    setModified(true);
}

void Session::setModified(bool modified) {
    if (modified_ == modified)
        return;
    modified_ = modified;
    emit modifiedChanged(modified);
}

void Session::setFileName(const QString& fileName) {
    if (fileName_ == fileName)
        return;
    fileName_ = fileName;
    emit fileNameChanged(fileName);
}

bool Session::canUndo() const {
    return undoEnabled_ && !showsPast();
}

void Session::setUndoEnabled(bool enabled) {
    const bool could = canUndo();
    undoEnabled_ = enabled;
    if (could != canUndo())
        emit undoChanged(canUndo());
}

void Session::setDragFromHex(int hex) {
    dragFromHex_ = hex;
    if (hex == -1)
        setUndoEnabled(false);
}

void Session::recordMove(int from, int to) {
    dragFromHex_ = from;
    undoToHex_ = to;
    setUndoEnabled(true);
}

void Session::clearUndoRecord() {
    dragFromHex_ = -1;
    undoToHex_ = -1;
    setUndoEnabled(false);
}

bool Session::undo() {
    if (showsPast() || dragFromHex_ == -1 || undoToHex_ == -1)
        return false;
    game_->moveTop(undoToHex_, dragFromHex_);
    clearUndoRecord();
    markChanged();
    return true;
}

Session::OpenOutcome Session::open(const QString& fileName) {
    backToPresent();
    OpenOutcome outcome;
    // What the game was, to tell whether the file continues it.
    const QString oldKey = game_->turn().gameId() || !fileName_.isEmpty()
                               ? GameHistory::gameKey(game_->turn().gameId(), fileName_)
                               : QString();
    const bool hadChanges = modified_;
    try {
        const OpenedMoveFile file = readOpenedMoveFile(fileName);
        outcome.placeholders = newgame::isPlaceholderPosition(file.contents.counters);
        // The player's own last save may still be on its way into the history.
        waitForHistory();
        const HistoryContext context = historyWriter_
                                           ? historyWriter_->history().contextFor(file, fileName)
                                           : HistoryContext{};
        // The whole file is good: the position is replaced in one step, which puts
        // everything back when it fails half-way.
        game_->open(file, {context.folderGame, context.ownLastFile, context.claimsOtherGame,
                           context.savedByPlayer});
        QString diceNote;
        dice_->opened(file,
                      {game_->turn().gameId(), context.savedByPlayer, context.claimsOtherGame},
                      &diceNote);
        if (!diceNote.isEmpty())
            emit historyWarning(diceNote);
        for (const TurnDice::Recovered& roll : dice_->recovered())
            game_->addCombat({ZeKClick(roll.hex).position(), roll.die, roll.comment});
        outcome.recoveredRolls = int(dice_->recovered().size());
        if (const std::optional<DiceVerdict>& verdict = dice_->openedVerdict();
            verdict && verdict->failed())
            outcome.diceFailure = verdict->text();
        outcome.claimsOtherGame = context.claimsOtherGame;
        outcome.warning = file.extensionWarning;
        outcome.ownFile = context.savedByPlayer;
        outcome.olderThanAnswered =
            !context.savedByPlayer && file.extension.turn && context.lastSavedTurn &&
            TurnOrder::isBefore(*file.extension.turn, *context.lastSavedTurn);
        outcome.otherGameUnsaved =
            hadChanges && oldKey != GameHistory::gameKey(game_->turn().gameId(), fileName);
        setFileName(fileName);
        fileOpened_ = true;
        gameName_ = savename::gameNameOf(fileName);
        keepInHistory(file.bytes, false);
    } catch (const std::exception& error) {
        outcome.error = QString::fromLocal8Bit(error.what());
        return outcome;
    }
    // An undo may never move a counter of the freshly opened position.
    clearUndoRecord();
    // Combats that came back are in no saved file yet.
    setModified(outcome.recoveredRolls > 0);
    outcome.opened = true;
    emit positionReplaced(Change::Opened);
    return outcome;
}

Session::SaveOutcome Session::save(const QString& fileName, bool endOfTurn) {
    SaveOutcome outcome;
    if (showsPast()) {
        outcome.error = tr("The past is read-only.");
        return outcome;
    }
    // The report shows this turn's moves, so its text is made before any end of turn; it
    // goes to disk only after the move file, so a failed save never leaves a new report
    // beside an old move file.
    const QByteArray report = game_->report();
    QByteArray bytes;
    QString diceWarning;
    try {
        // Korva's own block follows the three sections; its turn start is this turn's,
        // from before any end of turn.
        bytes = game_->savedFile(endOfTurn, [this, &diceWarning](KorvaExtension& block) {
            dice_->addToBlock(block, game_->tags().ownRecords(), &diceWarning);
        });
        outcome.saved = saveFileSafely(fileName, bytes, &outcome.error);
    } catch (const MoveFileError& refused) {
        outcome.error = QString::fromStdString(refused.what());
    }
    if (!outcome.saved)
        return outcome; // the previous file is untouched and the turn goes on
    if (!diceWarning.isEmpty())
        emit historyWarning(diceWarning);
    if (endOfTurn)
        game_->endTurn();
    setFileName(fileName);
    fileOpened_ = false;
    setModified(false);
    emit saved(fileName);
    emit turnChanged();
    outcome.reportSaved = saveMoveReport(fileName, report, &outcome.reportError);
    keepInHistory(bytes, true);
    return outcome;
}

void Session::newGame(const NewGameSetup& setup) {
    backToPresent();
    // The same path as opening a file: counters, tags and board replaced in one step.
    game_->newGame(TurnOrder::newGame(setup.movesFirst, setup.players));
    dice_->newGame();
    clearUndoRecord();
    setFileName({});
    fileOpened_ = false;
    gameName_ = savename::fileNamePart(setup.gameName);
    setModified(false);
    emit positionReplaced(Change::NewGame);
}

const GameHistory* Session::history() const {
    return historyWriter_ ? &historyWriter_->history() : nullptr;
}

void Session::waitForHistory() {
    if (historyWriter_)
        historyWriter_->waitForDone();
}

void Session::keepInHistory(const QByteArray& bytes, bool saved) {
    if (!historyWriter_)
        return;
    historyWriter_->keep(bytes, game_->turn().gameId(), fileName_,
                         saved ? HistoryEntry::Kind::Saved : HistoryEntry::Kind::Opened, this,
                         [this](const QString& warning) {
                             if (!warning.isEmpty())
                                 emit historyWarning(warning);
                         });
}

bool Session::showsPast() const {
    return game_->showsPast();
}

std::vector<HistoryEntry> Session::keptEntries() {
    if (showsPast())
        return pastEntries_;
    if (!historyWriter_)
        return {};
    // The copy of the last Open or Save may still be on its way.
    waitForHistory();
    const GameHistory& history = historyWriter_->history();
    const std::optional<GameId>& id = game_->turn().gameId();
    std::vector<HistoryEntry> entries = history.entries(GameHistory::gameKey(id, fileName_));
    // A game gets its id at its first save: the files opened before that are kept by their
    // folder.
    if (id) {
        for (HistoryEntry& entry : history.entries(GameHistory::gameKey({}, fileName_)))
            entries.push_back(std::move(entry));
        std::stable_sort(
            entries.begin(), entries.end(),
            [](const HistoryEntry& a, const HistoryEntry& b) { return a.time < b.time; });
    }
    return entries;
}

Session::StepOutcome Session::stepHistory(HistoryStep step) {
    if (!historyWriter_)
        return StepOutcome::NothingKept;
    if (!showsPast()) {
        pastEntries_ = keptEntries();
        pastIndex_ = pastEntries_.size(); // the present, after the newest copy
    }
    if (pastEntries_.empty())
        return StepOutcome::NothingKept;
    const std::size_t last = pastEntries_.size() - 1;
    std::size_t target = pastIndex_;
    switch (step) {
    case HistoryStep::First:
        target = 0;
        break;
    case HistoryStep::Previous:
        target = pastIndex_ == 0 ? 0 : pastIndex_ - 1;
        break;
    case HistoryStep::Next:
        if (pastIndex_ >= last) {
            backToPresent();
            return StepOutcome::BackToPresent;
        }
        target = pastIndex_ + 1;
        break;
    case HistoryStep::Last:
        target = last;
        break;
    }
    return showPastEntry(target);
}

Session::StepOutcome Session::showKept(std::size_t index) {
    if (!showsPast()) {
        pastEntries_ = keptEntries();
        pastIndex_ = pastEntries_.size();
    }
    if (pastEntries_.empty())
        return StepOutcome::NothingKept;
    return index < pastEntries_.size() ? showPastEntry(index) : StepOutcome::Unchanged;
}

Session::StepOutcome Session::showPastEntry(std::size_t index) {
    if (showsPast() && index == pastIndex_)
        return StepOutcome::Unchanged;
    const bool wasPresent = !showsPast();
    try {
        game_->showPast(GameHistory::read(pastEntries_[index]));
    } catch (const std::exception& error) {
        stepError_ = QString::fromLocal8Bit(error.what());
        return StepOutcome::Refused;
    }
    pastIndex_ = index;
    if (wasPresent)
        emit undoChanged(false);
    emit positionReplaced(Change::PastShown);
    return StepOutcome::Shown;
}

void Session::backToPresent() {
    if (!showsPast())
        return;
    game_->backToPresent();
    emit undoChanged(canUndo());
    emit positionReplaced(Change::Present);
}

int Session::rollDie(int hex, int offset, const std::string& comment) {
    QString warning;
    const int die = dice_->roll(hex, offset, comment, &warning).die;
    if (!warning.isEmpty())
        emit historyWarning(warning);
    return die;
}

void Session::addCombat(int hex, int die, const std::string& comment) {
    game_->addCombat(TaggerInfo{ZeKClick(hex).position(), die, comment});
    QString warning;
    dice_->combatRecorded(hex, comment, &warning);
    if (!warning.isEmpty())
        emit historyWarning(warning);
    markChanged();
}

const QString& Session::note() const {
    return game_->turn().note();
}

void Session::setNote(const QString& note) {
    if (note == game_->turn().note())
        return;
    game_->turn().setNote(note);
    markChanged();
}

const TurnOrder& Session::turnOrder() const {
    return game_->turn().order();
}

void Session::setTurnOrder(const TurnOrder& order) {
    if (showsPast() ||
        (order.record() == turnOrder().record() && order.players() == turnOrder().players()))
        return;
    game_->turn().setOrder(order);
    markChanged();
    emit turnChanged();
}

void Session::setGameName(const QString& name) {
    gameName_ = savename::fileNamePart(name);
}

QString Session::proposedSaveName(bool endOfTurn) const {
    // Never the opponent's own file, which a save in the middle of a turn would otherwise
    // be offered to replace.
    return savename::proposedName(gameName_, turnOrder().afterSave(endOfTurn),
                                  fileOpened_ ? QFileInfo(fileName_).fileName() : QString());
}

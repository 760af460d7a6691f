#include "game/session.h"

#include "board/mapboard.h"
#include "board/picturemodule.h"
#include "combat/taggermgr.h"
#include "counters/newgamelayout.h"
#include "counters/zekcounter.h"
#include "game/editcommands.h"
#include "game/game.h"
#include "game/openedstanding.h"
#include "game/savename.h"
#include "game/turndice.h"
#include "game/turnkeeper.h"
#include "geometry/hexgrid.h"
#include "geometry/zekclick.h"
#include "history/gamehistory.h"
#include "history/historywriter.h"
#include "movefile/korvaextension.h"
#include "movefile/movefile.h"

#include <QCryptographicHash>
#include <QFileInfo>

#include <algorithm>

Session::Session(std::unique_ptr<PictureModule> mapAndTags, std::unique_ptr<PictureModule> counters,
                 const QString& historyFolder, QObject* parent)
    : QObject(parent),
      game_(std::make_unique<Game>(std::move(mapAndTags), std::move(counters), this)),
      undo_(std::make_unique<QUndoStack>()) {
    if (!historyFolder.isEmpty())
        historyWriter_ = std::make_unique<HistoryWriter>(GameHistory(historyFolder));
    dice_ = std::make_unique<TurnDice>(history());
    connect(undo_.get(), &QUndoStack::cleanChanged, this, &Session::updateModified);
    connect(undo_.get(), &QUndoStack::indexChanged, this, [this](int index) {
        // A walk that went below the last roll (a click in the list of edits) comes back to
        // it; the frozen steps it passed changed nothing.
        if (index < rollLine_ && !holdingTheLine_) {
            holdingTheLine_ = true;
            undo_->setIndex(rollLine_);
            holdingTheLine_ = false;
            emit rollStands();
        }
        emit undoChanged();
    });
    connect(undo_.get(), &QUndoStack::undoTextChanged, this, &Session::undoChanged);
    connect(undo_.get(), &QUndoStack::redoTextChanged, this, &Session::undoChanged);
}

Session::~Session() {
    // The copies under way are written whole before the game goes; the edits go before the
    // game they point to.
    historyWriter_.reset();
    undo_->disconnect(this);
    undo_.reset();
    game_.reset();
}

QString Session::fileTitle(const QString& fileName) {
    const QString name = QFileInfo(fileName).fileName();
    const qsizetype n = name.size() - 4;
    return n > 0 ? name.left(n) : QString();
}

void Session::updateModified() {
    const bool modified = changedForGood_ || !undo_->isClean();
    if (modified_ == modified)
        return;
    modified_ = modified;
    emit modifiedChanged(modified);
}

void Session::changedForGood() {
    changedForGood_ = true;
    updateModified();
}

void Session::setFileName(const QString& fileName) {
    if (fileName_ == fileName)
        return;
    fileName_ = fileName;
    emit fileNameChanged(fileName);
}

void Session::startAfresh() {
    rollLine_ = 0;
    undo_->clear();
    changedForGood_ = false;
    updateModified();
    emit undoChanged();
}

bool Session::canUndo() const {
    // At a roll the command stays offered, so that pressing it says why nothing happens.
    return !showsPast() && undo_->index() > 0;
}

bool Session::atRollLine() const {
    return undo_->index() > 0 && undo_->index() <= rollLine_;
}

bool Session::canRedo() const {
    return !showsPast() && undo_->canRedo();
}

Session::UndoOutcome Session::undo() {
    if (showsPast() || undo_->index() == 0)
        return UndoOutcome::Nothing;
    if (undo_->index() <= rollLine_) {
        emit rollStands();
        return UndoOutcome::RollStands;
    }
    undo_->undo();
    return UndoOutcome::Undone;
}

bool Session::redo() {
    if (!canRedo())
        return false;
    undo_->redo();
    return true;
}

bool Session::edit(EditCommand* command) {
    std::unique_ptr<EditCommand> owned(command);
    if (showsPast())
        return false;
    undo_->push(owned.release()); // applies it
    return true;
}

bool Session::moveTop(int from, int to) {
    if (from == to || game_->board().count(from) == 0 || !hexgrid::isValidHex(to))
        return false;
    return edit(editcommands::moveTop(*game_, from, to));
}

bool Session::moveAll(int from, int to) {
    if (from == to || game_->board().count(from) == 0 || !hexgrid::isValidHex(to))
        return false;
    return edit(editcommands::moveAll(*game_, from, to));
}

bool Session::rotateStack(int hex) {
    // Turning over a stack of one changes nothing: no step.
    if (game_->board().count(hex) < 2)
        return false;
    return edit(editcommands::rotateStack(*game_, hex));
}

bool Session::flip(int hex) {
    return game_->counterAt(hex) && edit(editcommands::flip(*game_, hex));
}

bool Session::tag(int hex) {
    return game_->counterAt(hex) && edit(editcommands::tag(*game_, hex));
}

bool Session::returnToStart(int hex) {
    const ZeKCounter* counter = game_->counterAt(hex);
    if (!counter)
        return false;
    // A counter in its start hex goes nowhere, but the return still counts as one.
    return edit(editcommands::moveTop(*game_, hex, counter->startHex().index(), true));
}

void Session::setBanner(std::size_t which, std::string text) {
    if (which >= game_->banners().size())
        return;
    game_->setBanner(which, std::move(text));
    if (!showsPast())
        changedForGood();
}

Session::OpenOutcome Session::open(const QString& fileName) {
    backToPresent();
    OpenOutcome outcome;
    // What the game was, to tell whether the file continues it.
    const QString oldKey = game_->turn().gameId() || !fileName_.isEmpty()
                               ? GameHistory::gameKey(game_->turn().gameId(), fileName_)
                               : QString();
    const bool hadChanges = modified_;
    bool ownTurnEnded = false;
    try {
        const OpenedMoveFile file = readOpenedMoveFile(fileName);
        outcome.placeholders = newgame::isPlaceholderPosition(file.contents.counters);
        // The player's own last save may still be on its way into the history.
        waitForHistory();
        const HistoryContext context = historyWriter_
                                           ? historyWriter_->history().contextFor(file, fileName)
                                           : HistoryContext{};
        const OpenedStanding standing = standingOf(file, context);
        // The whole file is good: the position is replaced in one step, which puts
        // everything back when it fails half-way.
        game_->open(file, {context.positionsGame, standing.measureFrom, context.claimsOtherGame,
                           context.savedByPlayer});
        QString diceNote;
        dice_->opened(file,
                      {game_->turn().gameId(), context.savedByPlayer, context.claimsOtherGame,
                       context.followedGame},
                      &diceNote);
        if (!diceNote.isEmpty())
            emit historyWarning(diceNote);
        for (const TurnDice::Recovered& roll : dice_->recovered())
            game_->addCombat({ZeKClick(roll.hex).position(), roll.die, roll.comment});
        outcome.recoveredRolls = int(dice_->recovered().size());
        if (const std::optional<DiceVerdict>& verdict = dice_->openedVerdict();
            verdict && !verdict->verified())
            outcome.diceVerdict = verdict;
        outcome.claimsOtherGame = context.claimsOtherGame;
        outcome.warning = file.extensionWarning;
        outcome.unknownData =
            korvaext::unknownRecordsNote(file.extension.writer, file.extension.unknownRecords);
        outcome.ownFile = standing.ownFile;
        ownTurnEnded = standing.ownTurnEnded;
        outcome.answered = standing.answered;
        outcome.olderThanAnswered = standing.olderThanAnswered;
        outcome.otherGameUnsaved =
            hadChanges && oldKey != GameHistory::gameKey(game_->turn().gameId(), fileName);
        newGame_ = false;
        setFileName(fileName);
        fileOpened_ = true;
        turnFromOwnFile_ = context.savedByPlayer;
        gameName_ = savename::gameNameOf(fileName);
        keepInHistory(file.bytes, false);
    } catch (const std::exception& error) {
        outcome.error = QString::fromUtf8(error.what());
        return outcome;
    }
    // No undo may move a counter of the freshly opened position. Combats that came back are
    // in no saved file yet.
    startAfresh();
    if (outcome.recoveredRolls > 0)
        changedForGood();
    turnEndedByPlayer_ = ownTurnEnded;
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
    const std::optional<Side> playerSide = sideOfSave(endOfTurn);
    if (endOfTurn) {
        turnEndedByPlayer_ = false;
        turnFromOwnFile_ = true;
        game_->endTurn();
        startAfresh(); // a new turn
    } else {
        // The turn goes on: its edits can still be taken back, down to the last roll.
        undo_->setClean();
        changedForGood_ = false;
        updateModified();
    }
    newGame_ = false;
    setFileName(fileName);
    fileOpened_ = false;
    emit saved(fileName);
    emit turnChanged();
    outcome.reportSaved = saveMoveReport(fileName, report, &outcome.reportError);
    keepInHistory(bytes, true, playerSide);
    return outcome;
}

void Session::newGame(const NewGameSetup& setup) {
    backToPresent();
    // The same path as opening a file: counters, tags and board replaced in one step.
    game_->newGame(TurnOrder::newGame(setup.movesFirst, setup.players));
    game_->turn().setGameName(setup.gameName);
    dice_->newGame();
    startAfresh();
    newGame_ = true;
    turnEndedByPlayer_ = false;
    turnFromOwnFile_ = false;
    keptHash_.clear();
    setFileName({});
    fileOpened_ = false;
    gameName_ = savename::fileNamePart(setup.gameName);
    emit positionReplaced(Change::NewGame);
}

const GameHistory* Session::history() const {
    return historyWriter_ ? &historyWriter_->history() : nullptr;
}

void Session::waitForHistory() {
    if (historyWriter_)
        historyWriter_->waitForDone();
}

std::optional<Side> Session::sideOfSave(bool endOfTurn) const {
    const std::optional<TurnRecord>& turn = turnOrder().record();
    if (!turn)
        return std::nullopt;
    // Ending a turn says whose it was, unless the turn began from the player's own file (sent
    // already, or played for both sides); a save that ends none says it only for a new game:
    // its maker plays the side that moves first, unless they send the untouched set-up to
    // the opponent to begin.
    if (endOfTurn)
        return turnFromOwnFile_ ? std::nullopt : std::optional<Side>(turn->toMove);
    if (!newGame_)
        return std::nullopt;
    if (undo_->count() > 0)
        return turn->toMove;
    return turn->toMove == Side::First ? Side::Second : Side::First;
}

void Session::keepInHistory(const QByteArray& bytes, bool saved, std::optional<Side> playerSide) {
    if (!historyWriter_)
        return;
    keptHash_ = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
    historyWriter_->keep(
        bytes, game_->turn().gameId(), fileName_,
        saved ? HistoryEntry::Kind::Saved : HistoryEntry::Kind::Opened, this,
        [this](const QString& warning) {
            if (!warning.isEmpty())
                emit historyWarning(warning);
        },
        playerSide);
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
        takeKeptEntries();
    }
    if (pastEntries_.empty())
        return StepOutcome::NothingKept;
    std::size_t target = pastIndex_;
    switch (step) {
    case HistoryStep::First:
        target = 0;
        break;
    case HistoryStep::Previous:
        target = pastIndex_ == 0 ? 0 : pastIndex_ - 1;
        break;
    case HistoryStep::Next:
        target = pastIndex_ + 1;
        break;
    case HistoryStep::Last:
        target = pastEntries_.size() - 1;
        break;
    }
    return showPastEntry(target);
}

Session::StepOutcome Session::showKept(std::size_t index) {
    if (!historyWriter_)
        return StepOutcome::NothingKept;
    if (!showsPast())
        takeKeptEntries();
    if (pastEntries_.empty())
        return StepOutcome::NothingKept;
    return index < pastEntries_.size() ? showPastEntry(index) : StepOutcome::Unchanged;
}

void Session::takeKeptEntries() {
    pastEntries_ = keptEntries();
    presentIndex_ = presentPlaceAmong(pastEntries_);
    pastIndex_ = presentIndex_;
}

Session::StepOutcome Session::showPastEntry(std::size_t index) {
    // A copy of the present is the present: showing it read-only would be no step at all.
    if (index >= presentIndex_) {
        if (!showsPast())
            return StepOutcome::Unchanged;
        backToPresent();
        return StepOutcome::BackToPresent;
    }
    if (showsPast() && index == pastIndex_)
        return StepOutcome::Unchanged;
    const bool wasPresent = !showsPast();
    try {
        game_->showPast(GameHistory::read(pastEntries_[index]));
    } catch (const std::exception& error) {
        stepError_ = QString::fromUtf8(error.what());
        // A refused copy leaves the present showing, whatever showed before.
        if (!wasPresent) {
            emit undoChanged();
            emit positionReplaced(Change::Present);
        }
        return StepOutcome::Refused;
    }
    pastIndex_ = index;
    if (wasPresent) {
        // The edits of the present are not carried past the history's step; what they
        // changed is still unsaved.
        const bool unsaved = modified_;
        startAfresh();
        if (unsaved)
            changedForGood();
    }
    emit positionReplaced(Change::PastShown);
    return StepOutcome::Shown;
}

std::size_t Session::presentPlaceAmong(const std::vector<HistoryEntry>& entries) const {
    // The newest copy holds the present when nothing changed since the session kept it.
    if (!entries.empty() && !modified_ && !keptHash_.isEmpty() &&
        historyWriter_->history().hashOf(entries.back()) == keptHash_)
        return entries.size() - 1;
    return entries.size();
}

void Session::backToPresent() {
    if (!showsPast())
        return;
    game_->backToPresent();
    emit undoChanged();
    emit positionReplaced(Change::Present);
}

int Session::rollDie(int hex, int offset, const std::string& comment) {
    QString warning;
    const TurnDice::Roll roll = dice_->roll(hex, offset, comment, &warning);
    if (!warning.isEmpty())
        emit historyWarning(warning);
    // What the dice were rolled on stays: every step so far is frozen, and the roll becomes
    // the line no undo crosses.
    for (int i = 0; i < undo_->count(); ++i)
        static_cast<EditCommand*>(const_cast<QUndoCommand*>(undo_->command(i)))->freeze();
    undo_->push(editcommands::roll(*game_, hex, roll.number, roll.die));
    rollLine_ = undo_->index();
    changedForGood();
    return roll.die;
}

void Session::addCombat(int hex, int die, const std::string& comment) {
    game_->addCombat(TaggerInfo{ZeKClick(hex).position(), die, comment});
    QString warning;
    dice_->combatRecorded(hex, comment, &warning);
    if (!warning.isEmpty())
        emit historyWarning(warning);
    changedForGood();
}

const QString& Session::note() const {
    return game_->turn().note();
}

void Session::setNote(const QString& note) {
    if (note == game_->turn().note())
        return;
    game_->turn().setNote(note);
    changedForGood();
}

const TurnOrder& Session::turnOrder() const {
    return game_->turn().order();
}

void Session::setTurnOrder(const TurnOrder& order) {
    if (showsPast() ||
        (order.record() == turnOrder().record() && order.players() == turnOrder().players()))
        return;
    game_->turn().setOrder(order);
    changedForGood();
    emit turnChanged();
}

void Session::setGameName(const QString& name) {
    if (savename::fileNamePart(name) != gameName_)
        game_->turn().setGameName(name);
    gameName_ = savename::fileNamePart(name);
}

QString Session::proposedSaveName(bool endOfTurn) const {
    // Never the opponent's own file, which a save in the middle of a turn would otherwise
    // be offered to replace.
    return savename::proposedName(gameName_, turnOrder().afterSave(endOfTurn),
                                  fileOpened_ ? QFileInfo(fileName_).fileName() : QString());
}

#include "game/session.h"

#include "board/mapboard.h"
#include "board/picturemodule.h"
#include "combat/taggermgr.h"
#include "counters/newgamelayout.h"
#include "counters/zekcounter.h"
#include "game/editcommands.h"
#include "game/game.h"
#include "game/gamefile.h"
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

#include <stdexcept>

#include <algorithm>

namespace {

// What Open tells of the file itself and of its place among the player's files.
void describeFile(Session::OpenOutcome& outcome, const OpenedMoveFile& file,
                  const OpenedStanding& standing, bool claimsOtherGame) {
    outcome.placeholders = newgame::isPlaceholderPosition(file.contents.counters);
    outcome.claimsOtherGame = claimsOtherGame;
    outcome.warning = file.extensionWarning;
    outcome.unknownData =
        korvaext::unknownRecordsNote(file.extension.writer, file.extension.unknownRecords);
    outcome.ownFile = standing.ownFile;
    outcome.answered = standing.answered;
    outcome.olderThanAnswered = standing.olderThanAnswered;
}

} // namespace

Session::Session(std::unique_ptr<PictureModule> mapAndTags, std::unique_ptr<PictureModule> counters,
                 const QString& historyFolder, std::uint32_t dieSeed, QObject* parent)
    : QObject(parent),
      document_(std::make_unique<Document>(std::move(mapAndTags), std::move(counters), this)) {
    if (!historyFolder.isEmpty())
        historyWriter_ = std::make_unique<HistoryWriter>(GameHistory(historyFolder));
    dice_ = std::make_unique<TurnDice>(history(), dieSeed);
    serverDice_ = std::make_unique<ServerDice>(document_->mutableGame(), document_->edits(), *dice_,
                                               history(), this);
    connect(serverDice_.get(), &ServerDice::warning, this, &Session::historyWarning);
    past_ = std::make_unique<PastBrowser>(document_->mutableGame(), historyWriter_.get(),
                                          document_->edits());
    connect(document_.get(), &Document::turnChanged, this, &Session::turnChanged);
    connect(past_.get(), &PastBrowser::presentLeft, this, [this] {
        // The edits of the present are not carried past the history's step; what they
        // changed is still unsaved.
        startAfresh(document_->isModified());
    });
    connect(past_.get(), &PastBrowser::shown, this, [this](bool past) {
        // Whether Undo and Redo may act changes with it.
        emit document_->edits().changed();
        emit positionReplaced(past ? Change::PastShown : Change::Present);
    });
}

Session::~Session() {
    // The copies under way are written whole before the game goes.
    historyWriter_.reset();
    past_.reset();
    document_.reset();
}

QString Session::fileTitle(const QString& fileName) {
    const QString name = QFileInfo(fileName).fileName();
    const qsizetype n = name.size() - 4;
    return n > 0 ? name.left(n) : QString();
}

void Session::setFileName(const QString& fileName) {
    past_->setPresentFile(fileName);
    if (fileName_ == fileName)
        return;
    fileName_ = fileName;
    emit fileNameChanged(fileName);
}

void Session::startAfresh(bool unsaved) {
    document_->edits().clear(unsaved);
}

Session::OpenOutcome Session::open(const QString& fileName) {
    past_->backToPresent();
    Game& game = document_->mutableGame();
    OpenOutcome outcome;
    // What the game was, to tell whether the file continues it.
    const QString oldKey = game.turn().gameId() || !fileName_.isEmpty()
                               ? GameHistory::gameKey(game.turn().gameId(), fileName_)
                               : QString();
    const bool hadChanges = document_->isModified();
    bool ownTurnEnded = false;
    try {
        const OpenedMoveFile file = readOpenedMoveFile(fileName);
        // The player's own last save may still be on its way into the history.
        waitForHistory();
        const HistoryContext context = historyWriter_
                                           ? historyWriter_->history().contextFor(file, fileName)
                                           : HistoryContext{};
        const OpenedStanding standing = standingOf(file, context);
        // The whole file is good: the position is replaced in one step, which puts
        // everything back when it fails half-way.
        game.open(file, {context.positionsGame, standing.measureFrom, context.claimsOtherGame,
                         context.savedByPlayer});
        openDice(file, context);
        outcome.recoveredRolls = int(dice_->recovered().size());
        if (const std::optional<DiceVerdict>& verdict = dice_->openedVerdict();
            verdict && !verdict->verified())
            outcome.diceVerdict = verdict;
        describeFile(outcome, file, standing, context.claimsOtherGame);
        ownTurnEnded = standing.ownTurnEnded;
        outcome.otherGameUnsaved =
            hadChanges && oldKey != GameHistory::gameKey(game.turn().gameId(), fileName);
        state_.newGame = false;
        setFileName(fileName);
        state_.fileOpened = true;
        state_.turnFromOwnFile = context.savedByPlayer;
        document_->gameName_ = savename::gameNameOf(fileName);
        keepInHistory(file.bytes, false);
    } catch (const std::exception& error) {
        outcome.error = QString::fromUtf8(error.what());
        return outcome;
    }
    // No undo may move a counter of the freshly opened position. Combats that came back are
    // in no saved file yet: each is a step no undo crosses.
    startAfresh();
    for (const TurnDice::Recovered& roll : dice_->recovered()) {
        game.addCombat({ZeKClick(roll.hex).position(), roll.die, roll.comment});
        document_->edits().pushFrozen(
            editcommands::roll(game, roll.hex, roll.number, roll.die, false));
    }
    state_.turnEndedByPlayer = ownTurnEnded;
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
    Game& game = document_->mutableGame();
    const QByteArray report = gamefile::report(game);
    QByteArray bytes;
    QString diceWarning;
    try {
        // Korva's own block follows the three sections; its turn start is this turn's,
        // from before any end of turn.
        bytes = gamefile::savedFile(
            game, endOfTurn, [this, &game, &diceWarning](KorvaExtension& block) {
                if (serverDice_->isServerGame())
                    serverDice_->addToBlock(block, game.tags().ownRecords());
                else
                    dice_->addToBlock(block, game.tags().ownRecords(), &diceWarning);
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
        state_.turnEndedByPlayer = false;
        state_.turnFromOwnFile = true;
        game.endTurn();
        serverDice_->turnEnded();
        startAfresh(); // a new turn
    } else {
        // The turn goes on: its edits can still be taken back, down to the last roll.
        document_->edits().setClean();
    }
    state_.newGame = false;
    setFileName(fileName);
    state_.fileOpened = false;
    // The report is on the disk before anyone hears of the save: a server game's move goes
    // to its server with it.
    outcome.reportSaved = saveMoveReport(fileName, report, &outcome.reportError);
    emit saved(fileName);
    emit turnChanged();
    keepInHistory(bytes, true, playerSide);
    return outcome;
}

void Session::newGame(const NewGameSetup& setup) {
    past_->backToPresent();
    // The same path as opening a file: counters, tags and board replaced in one step.
    Game& game = document_->mutableGame();
    game.newGame(TurnOrder::newGame(setup.movesFirst, setup.players));
    game.turn().setGameName(setup.gameName);
    dice_->newGame();
    serverDice_->reset();
    startAfresh();
    state_.newGame = true;
    state_.turnEndedByPlayer = false;
    state_.turnFromOwnFile = false;
    past_->setKeptHash({});
    setFileName({});
    state_.fileOpened = false;
    document_->gameName_ = savename::fileNamePart(setup.gameName);
    emit positionReplaced(Change::NewGame);
}

void Session::openDice(const OpenedMoveFile& file, const HistoryContext& context) {
    const std::optional<GameId>& id = game().turn().gameId();
    // A file kept apart is judged as none of the player's games, server games included.
    const std::optional<WitnessExpectation> witness =
        context.claimsOtherGame
            ? std::nullopt
            : serverDice_->expectationFor(file, context.followedGame ? context.followedGame : id);
    QString diceNote;
    dice_->opened(
        file, {id, context.savedByPlayer, context.claimsOtherGame, context.followedGame, witness},
        &diceNote);
    serverDice_->opened(file, witness, context.savedByPlayer);
    if (!diceNote.isEmpty())
        emit historyWarning(diceNote);
}

const GameHistory* Session::history() const {
    return historyWriter_ ? &historyWriter_->history() : nullptr;
}

void Session::waitForHistory() {
    if (historyWriter_)
        historyWriter_->waitForDone();
}

std::optional<Side> Session::sideOfSave(bool endOfTurn) const {
    const std::optional<TurnRecord>& turn = document_->turnOrder().record();
    if (!turn)
        return std::nullopt;
    // Ending a turn says whose it was, unless the turn began from the player's own file (sent
    // already, or played for both sides); a save that ends none says it only for a new game:
    // its maker plays the side that moves first, unless they send the untouched set-up to
    // the opponent to begin.
    if (endOfTurn)
        return state_.turnFromOwnFile ? std::nullopt : std::optional<Side>(turn->toMove);
    if (!state_.newGame)
        return std::nullopt;
    if (document_->edits().positionEdited())
        return turn->toMove;
    return turn->toMove == Side::First ? Side::Second : Side::First;
}

void Session::keepInHistory(const QByteArray& bytes, bool saved, std::optional<Side> playerSide) {
    if (!historyWriter_)
        return;
    past_->setKeptHash(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256));
    historyWriter_->keep(
        bytes, game().turn().gameId(), fileName_,
        saved ? HistoryEntry::Kind::Saved : HistoryEntry::Kind::Opened, this,
        [this](const QString& warning) {
            if (!warning.isEmpty())
                emit historyWarning(warning);
        },
        playerSide);
}

int Session::rollDie(int hex, int offset, const std::string& comment) {
    // Not a notice the caller may overlook: a local die in a server game is a die the
    // opponent cannot check, so no such die is ever drawn.
    if (serverDice_->isServerGame())
        throw std::logic_error("a server game's dice are rolled only on its server");
    QString warning;
    const TurnDice::Roll roll = dice_->roll(hex, offset, comment, &warning);
    if (!warning.isEmpty())
        emit historyWarning(warning);
    // What the dice were rolled on stays: every step so far is frozen, and the roll becomes
    // the line no undo crosses.
    document_->edits().pushFrozen(
        editcommands::roll(document_->mutableGame(), hex, roll.number, roll.die));
    return roll.die;
}

void Session::traceDieRolls() {
    dice_->traceRolls();
}

void Session::addCombat(int hex, int die, const std::string& closed) {
    const std::string comment =
        serverDice_->isServerGame() ? serverDice_->commentOfRollAt(hex, closed) : closed;
    document_->addCombat(hex, die, comment, dice_->rollsMade());
    QString warning;
    dice_->combatRecorded(hex, comment, &warning);
    if (!warning.isEmpty())
        emit historyWarning(warning);
}

QString Session::proposedSaveName(bool endOfTurn) const {
    // Never the opponent's own file, which a save in the middle of a turn would otherwise
    // be offered to replace.
    return savename::proposedName(document_->gameName(),
                                  document_->turnOrder().afterSave(endOfTurn),
                                  state_.fileOpened ? QFileInfo(fileName_).fileName() : QString());
}

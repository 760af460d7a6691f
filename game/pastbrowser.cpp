#include "game/pastbrowser.h"

#include "game/editstack.h"
#include "game/game.h"
#include "game/turnkeeper.h"
#include "history/gamehistory.h"
#include "history/historywriter.h"
#include "movefile/openedmovefile.h"

#include <algorithm>

PastBrowser::PastBrowser(Game& game, HistoryWriter* writer, const EditStack& edits, QObject* parent)
    : QObject(parent), game_(game), writer_(writer), edits_(edits) {}

bool PastBrowser::showsPast() const {
    return game_.showsPast();
}

std::vector<HistoryEntry> PastBrowser::keptEntries() {
    if (showsPast() && !pastBeforeFrames_)
        return entries_;
    if (!writer_)
        return {};
    // The copy of the last Open or Save may still be on its way.
    writer_->waitForDone();
    const GameHistory& history = writer_->history();
    const std::optional<GameId>& id = game_.turn().gameId();
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

bool PastBrowser::haveEntries() {
    if (!writer_)
        return false;
    if (!showsPast())
        takeKeptEntries();
    return !entries_.empty();
}

PastBrowser::StepOutcome PastBrowser::stepHistory(HistoryStep step) {
    if (!haveEntries())
        return StepOutcome::NothingKept;
    std::size_t target = index_;
    switch (step) {
    case HistoryStep::First:
        target = 0;
        break;
    case HistoryStep::Previous:
        target = index_ == 0 ? 0 : index_ - 1;
        break;
    case HistoryStep::Next:
        target = index_ + 1;
        break;
    case HistoryStep::Last:
        target = entries_.size() - 1;
        break;
    }
    return showEntry(target);
}

PastBrowser::StepOutcome PastBrowser::showKept(std::size_t index) {
    if (!haveEntries())
        return StepOutcome::NothingKept;
    return index < entries_.size() ? showEntry(index) : StepOutcome::Unchanged;
}

void PastBrowser::takeKeptEntries() {
    entries_ = keptEntries();
    presentIndex_ = presentPlaceAmong(entries_);
    index_ = presentIndex_;
}

PastBrowser::StepOutcome PastBrowser::showEntry(std::size_t index) {
    // A copy of the present is the present: showing it read-only would be no step at all.
    if (index >= presentIndex_) {
        if (!showsPast())
            return StepOutcome::Unchanged;
        backToPresent();
        return StepOutcome::BackToPresent;
    }
    if (showsPast() && index == index_)
        return StepOutcome::Unchanged;
    const bool wasPresent = !showsPast();
    try {
        game_.showPast(GameHistory::read(entries_[index]));
    } catch (const std::exception& error) {
        stepError_ = QString::fromUtf8(error.what());
        // A refused copy leaves the present showing, whatever showed before.
        if (!wasPresent)
            emit shown(false);
        return StepOutcome::Refused;
    }
    index_ = index;
    if (wasPresent)
        emit presentLeft();
    emit shown(true);
    return StepOutcome::Shown;
}

std::size_t PastBrowser::presentPlaceAmong(const std::vector<HistoryEntry>& entries) const {
    // The newest copy holds the present when nothing changed since the session kept it.
    if (!entries.empty() && !edits_.isModified() && !keptHash_.isEmpty() &&
        writer_->history().hashOf(entries.back()) == keptHash_)
        return entries.size() - 1;
    return entries.size();
}

void PastBrowser::backToPresent() {
    if (!showsPast())
        return;
    game_.backToPresent();
    emit shown(false);
}

void PastBrowser::showFrame(const HistoryEntry& entry) {
    if (!pastBeforeFrames_)
        pastBeforeFrames_ = showsPast();
    game_.showPast(GameHistory::read(entry));
}

void PastBrowser::endFrames() {
    if (!pastBeforeFrames_)
        return;
    const bool pastBefore = *pastBeforeFrames_;
    pastBeforeFrames_.reset();
    try {
        if (pastBefore)
            game_.showPast(GameHistory::read(entries_.at(index_)));
        else
            game_.backToPresent();
    } catch (const std::exception&) {
        // The copy shown went meanwhile: the present, and every view told.
        game_.backToPresent();
        emit shown(false);
    }
}

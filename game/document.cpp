#include "game/document.h"

#include "board/mapboard.h"
#include "board/picturemodule.h"
#include "counters/zekcounter.h"
#include "game/editcommands.h"
#include "game/game.h"
#include "game/savename.h"
#include "game/turnkeeper.h"
#include "geometry/hexgrid.h"
#include "geometry/zekclick.h"

#include <QCoreApplication>

Document::Document(std::unique_ptr<PictureModule> mapAndTags,
                   std::unique_ptr<PictureModule> counters, QObject* parent)
    : QObject(parent),
      game_(std::make_unique<Game>(std::move(mapAndTags), std::move(counters), this)),
      edits_(std::make_unique<EditStack>(*game_)) {}

Document::~Document() {
    // The edits go before the game they point to.
    edits_.reset();
    game_.reset();
}

bool Document::moveTop(int from, int to) {
    if (from == to || game_->board().count(from) == 0 || !hexgrid::isValidHex(to))
        return false;
    return edits_->push(editcommands::moveTop(*game_, from, to));
}

bool Document::moveAll(int from, int to) {
    if (from == to || game_->board().count(from) == 0 || !hexgrid::isValidHex(to))
        return false;
    return edits_->push(editcommands::moveAll(*game_, from, to));
}

bool Document::rotateStack(int hex) {
    // Turning over a stack of one changes nothing: no step.
    if (game_->board().count(hex) < 2)
        return false;
    return edits_->push(editcommands::rotateStack(*game_, hex));
}

bool Document::flip(int hex) {
    return game_->counterAt(hex) && edits_->push(editcommands::flip(*game_, hex));
}

bool Document::tag(int hex) {
    return game_->counterAt(hex) && edits_->push(editcommands::tag(*game_, hex));
}

bool Document::returnToStart(int hex) {
    const ZeKCounter* counter = game_->counterAt(hex);
    if (!counter)
        return false;
    // A counter in its start hex goes nowhere, but the return still counts as one.
    return edits_->push(editcommands::moveTop(*game_, hex, counter->startHex().index(), true));
}

void Document::hideTags() {
    game_->hideTags();
}

void Document::changeText(const QString& text, std::function<void()> apply,
                          std::function<void()> revert, int mergeId) {
    edits_->push(
        editcommands::textChange(*game_, text, std::move(apply), std::move(revert), mergeId));
}

void Document::setBanner(std::size_t which, std::string text) {
    if (which >= game_->banners().size() || game_->banners()[which] == text)
        return;
    const std::string before = game_->banners()[which];
    const auto set = [this, which](const std::string& banner) {
        game_->setBanner(which, banner);
        emit bannersChanged();
    };
    // The step is named as the box is.
    static const char* const names[] = {QT_TRANSLATE_NOOP("TMainForm", "First banner line"),
                                        QT_TRANSLATE_NOOP("TMainForm", "Second banner line"),
                                        QT_TRANSLATE_NOOP("TMainForm", "Third banner line")};
    changeText(
        QCoreApplication::translate("TMainForm", names[which]), [set, text] { set(text); },
        [set, before] { set(before); }, int(which));
}

void Document::adoptShownBanners(const std::array<std::string, 3>& shown) {
    for (std::size_t i = 0; i < shown.size(); ++i)
        game_->setBanner(i, shown[i]);
}

const QString& Document::note() const {
    return game_->turn().note();
}

void Document::setNote(const QString& note) {
    if (note == game_->turn().note())
        return;
    const QString before = game_->turn().note();
    changeText(
        QCoreApplication::translate("NoteEditor", "Note to the opponent"),
        [this, note] { game_->turn().setNote(note); },
        [this, before] { game_->turn().setNote(before); });
}

const TurnOrder& Document::turnOrder() const {
    return game_->turn().order();
}

void Document::setTurnOrder(const TurnOrder& order) {
    if (game_->showsPast() ||
        (order.record() == turnOrder().record() && order.players() == turnOrder().players()))
        return;
    const auto set = [this](const TurnOrder& to) {
        game_->turn().setOrder(to);
        emit turnChanged();
    };
    changeText(
        QCoreApplication::translate("GameSetupDialog", "Players and turn"),
        [set, order] { set(order); }, [set, before = turnOrder()] { set(before); });
}

void Document::setGameName(const QString& name) {
    const QString part = savename::fileNamePart(name);
    if (part == gameName_)
        return;
    const auto set = [this](const QString& raw, const QString& filePart) {
        game_->turn().setGameName(raw);
        gameName_ = filePart;
    };
    changeText(
        QCoreApplication::translate("GameSetupDialog", "Players and turn"),
        [set, name, part] { set(name, part); },
        [set, raw = game_->turn().gameName(), before = gameName_] { set(raw, before); });
}

void Document::addCombat(int hex, int die, const std::string& comment, unsigned rollNumber) {
    game_->addCombat(TaggerInfo{ZeKClick(hex).position(), die, comment});
    // The roll's own step holds it; a combat without one is a step of its own.
    if (const EditCommand* top = edits_->top(); !top || top->rolledHex() != hex)
        edits_->pushFrozen(editcommands::roll(*game_, hex, rollNumber, die, false));
}

#include "game/editcommands.h"

#include "base/win1252.h"
#include "board/mapboard.h"
#include "counters/zekcounter.h"
#include "game/game.h"
#include "geometry/hexgrid.h"

#include <QCoreApplication>

namespace {

QString nameOf(const ZeKCounter* counter) {
    return counter ? win1252::toUnicode(counter->name()) : QString();
}

class MoveTop : public EditCommand {
public:
    MoveTop(Game& game, int from, int to, const QString& text)
        : EditCommand(game, text), from_(from), to_(to) {}

private:
    void apply() override { game_.moveTop(from_, to_); }
    // The counter put on top of `to` is the one that goes back on top of `from`.
    void revert() override { game_.moveTop(to_, from_); }

    int from_;
    int to_;
};

class MoveAll : public EditCommand {
public:
    MoveAll(Game& game, int from, int to)
        : EditCommand(game, QCoreApplication::translate("EditCommand", "move of the stack from %1")
                                .arg(editcommands::placeOf(from))),
          from_(from), to_(to), count_(game.board().count(from)) {}

private:
    void apply() override { game_.moveAll(from_, to_); }
    // The stack arrived reversed on whatever stood there: taking its counters back one at a
    // time rebuilds both stacks as they were.
    void revert() override {
        for (int i = 0; i < count_; ++i)
            game_.moveTop(to_, from_);
    }

    int from_;
    int to_;
    int count_;
};

class RotateStack : public EditCommand {
public:
    RotateStack(Game& game, int hex)
        : EditCommand(game,
                      QCoreApplication::translate("EditCommand", "turning over the stack in %1")
                          .arg(editcommands::placeOf(hex))),
          hex_(hex), count_(game.board().count(hex)) {}

private:
    void apply() override { game_.rotateStack(hex_); }
    // Turned once more for every other counter, the stack is as it was.
    void revert() override {
        for (int i = 1; i < count_; ++i)
            game_.rotateStack(hex_);
    }

    int hex_;
    int count_;
};

// Flip and Tag: the top counter's losses or marker, put back as they were.
class ChangeState : public EditCommand {
public:
    ChangeState(Game& game, int hex, bool marker, const QString& text)
        : EditCommand(game, text), hex_(hex), marker_(marker) {
        if (const ZeKCounter* counter = game.counterAt(hex))
            before_ = {counter->losses(), counter->marker()};
    }

private:
    void apply() override {
        game_.cycle(hex_, marker_ ? Game::Cycle::Marker : Game::Cycle::Losses);
    }
    void revert() override { game_.setLossesAndMarker(hex_, before_.first, before_.second); }

    int hex_;
    bool marker_;
    std::pair<int, int> before_;
};

class Roll : public EditCommand {
public:
    Roll(Game& game, int hex, bool combatFollows, const QString& text)
        : EditCommand(game, text, false), hex_(combatFollows ? hex : -1) {
        freeze();
    }
    int rolledHex() const override { return hex_; }

private:
    void apply() override {}
    void revert() override {}

    int hex_;
};

class TextChange : public EditCommand {
public:
    TextChange(Game& game, const QString& text, std::function<void()> apply,
               std::function<void()> revert, int mergeId)
        : EditCommand(game, text, false), apply_(std::move(apply)), revert_(std::move(revert)),
          mergeId_(mergeId) {}
    int id() const override { return mergeId_; }
    // The later change's apply, this one's revert: one step from the first text to the last.
    bool mergeWith(const QUndoCommand* other) override {
        const auto* later = static_cast<const TextChange*>(other);
        if (frozen() || later->frozen())
            return false;
        apply_ = later->apply_;
        return true;
    }

private:
    void apply() override { apply_(); }
    void revert() override { revert_(); }

    std::function<void()> apply_;
    std::function<void()> revert_;
    int mergeId_;
};

} // namespace

void EditCommand::undo() {
    if (!frozen_)
        revert();
}

void EditCommand::redo() {
    if (!frozen_)
        apply();
}

QString editcommands::placeOf(int hex) {
    const QString label = QString::fromStdString(hexgrid::hexLabel(hex));
    const QString prefix = QStringLiteral("Hex : ");
    return label.startsWith(prefix) ? label.mid(prefix.size()) : label;
}

EditCommand* editcommands::moveTop(Game& game, int from, int to, bool returnToStart) {
    const QString name = nameOf(game.counterAt(from));
    return new MoveTop(
        game, from, to,
        returnToStart
            ? QCoreApplication::translate("EditCommand", "return of %1 to its start hex %2")
                  .arg(name, placeOf(to))
            : QCoreApplication::translate("EditCommand", "move of %1 from %2")
                  .arg(name, placeOf(from)));
}

EditCommand* editcommands::moveAll(Game& game, int from, int to) {
    return new MoveAll(game, from, to);
}

EditCommand* editcommands::rotateStack(Game& game, int hex) {
    return new RotateStack(game, hex);
}

EditCommand* editcommands::flip(Game& game, int hex) {
    return new ChangeState(game, hex, false,
                           QCoreApplication::translate("EditCommand", "flip of %1 in %2")
                               .arg(nameOf(game.counterAt(hex)), placeOf(hex)));
}

EditCommand* editcommands::tag(Game& game, int hex) {
    return new ChangeState(game, hex, true,
                           QCoreApplication::translate("EditCommand", "tag of %1 in %2")
                               .arg(nameOf(game.counterAt(hex)), placeOf(hex)));
}

EditCommand* editcommands::roll(Game& game, int hex, unsigned number, int die, bool combatFollows) {
    return new Roll(game, hex, combatFollows,
                    QCoreApplication::translate(
                        "EditCommand", "roll %1 in %2: die %3 (a roll cannot be taken back)")
                        .arg(number)
                        .arg(placeOf(hex))
                        .arg(die));
}

EditCommand* editcommands::textChange(Game& game, const QString& text, std::function<void()> apply,
                                      std::function<void()> revert, int mergeId) {
    return new TextChange(game, text, std::move(apply), std::move(revert), mergeId);
}

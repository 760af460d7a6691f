#include "app/dialogs/gamesetupdialog.h"

#include "app/dialogs/playernamevalidator.h"
#include "base/untrustedtext.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QComboBox* sideBox(Side chosen, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->addItem(sideName(Side::First));
    box->addItem(sideName(Side::Second));
    box->setCurrentIndex(chosen == Side::First ? 0 : 1);
    return box;
}

Side sideOf(const QComboBox& box) {
    return box.currentIndex() == 1 ? Side::Second : Side::First;
}

} // namespace

QString sideName(Side side) {
    return side == Side::First ? QCoreApplication::translate("GameSetupDialog", "Allies")
                               : QCoreApplication::translate("GameSetupDialog", "Axis");
}

QString turnText(const TurnOrder& order, bool withPlayer) {
    if (!order.isKnown())
        return QCoreApplication::translate("GameSetupDialog", "Turn unknown");
    const TurnRecord& turn = *order.record();
    const QString text = QCoreApplication::translate("GameSetupDialog", "Turn %1 · %2 to move")
                             .arg(turn.number)
                             .arg(sideName(turn.toMove));
    const QString& player = order.players().of(turn.toMove);
    return player.isEmpty() || !withPlayer ? text : QStringLiteral("%1 (%2)").arg(text, player);
}

QString playersText(const PlayerNames& players) {
    QStringList sides;
    for (const Side side : {Side::First, Side::Second})
        if (!players.of(side).isEmpty())
            sides << QStringLiteral("%1: %2").arg(sideName(side),
                                                  untrustedtext::quoted(players.of(side)));
    return sides.join(QStringLiteral(" · "));
}

GameSetupDialog::GameSetupDialog(Mode mode, const TurnOrder& order, const QString& gameName,
                                 QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("bGameSetup"));
    setWindowTitle(mode == Mode::NewGame
                       ? QCoreApplication::translate("GameSetupDialog", "New game")
                       : QCoreApplication::translate("GameSetupDialog", "Players and turn"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    layout->addLayout(form);

    gameName_ = new QLineEdit(gameName, this);
    gameName_->setMaxLength(40);
    gameName_->setToolTip(QCoreApplication::translate(
        "GameSetupDialog", "The name Save proposes for the game's files, such as "
                           "salerno_t03_axis.krv"));
    form->addRow(QCoreApplication::translate("GameSetupDialog", "&Game:"), gameName_);
    const TurnRecord turn = order.record().value_or(TurnRecord{});
    if (mode == Mode::NewGame) {
        movesFirst_ = sideBox(Side::First, this);
        form->addRow(QCoreApplication::translate("GameSetupDialog", "&Moves first:"), movesFirst_);
    }
    first_ = new QLineEdit(order.players().first, this);
    second_ = new QLineEdit(order.players().second, this);
    for (QLineEdit* name : {first_, second_}) {
        name->setMaxLength(PlayerNames::kMaxLength);
        name->setValidator(new PlayerNameValidator(name));
        name->setPlaceholderText(QCoreApplication::translate("GameSetupDialog", "not given"));
    }
    form->addRow(QCoreApplication::translate("GameSetupDialog", "&Allies player:"), first_);
    form->addRow(QCoreApplication::translate("GameSetupDialog", "A&xis player:"), second_);

    if (mode == Mode::Edit) {
        // Unticked the turn stays unknown: nothing is guessed for the player.
        turnBox_ = new QGroupBox(
            QCoreApplication::translate("GameSetupDialog", "The turn is known"), this);
        turnBox_->setCheckable(true);
        turnBox_->setChecked(order.isKnown());
        auto* turnForm = new QFormLayout(turnBox_);
        number_ = new QSpinBox(turnBox_);
        number_->setRange(1, TurnRecord::kMaxNumber);
        number_->setValue(turn.number);
        turnForm->addRow(QCoreApplication::translate("GameSetupDialog", "T&urn:"), number_);
        toMove_ = sideBox(turn.toMove, turnBox_);
        turnForm->addRow(QCoreApplication::translate("GameSetupDialog", "&To move:"), toMove_);
        movesFirst_ = sideBox(turn.movesFirst, turnBox_);
        turnForm->addRow(QCoreApplication::translate("GameSetupDialog", "&Moves first:"),
                         movesFirst_);
        layout->addWidget(turnBox_);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QString GameSetupDialog::gameName() const {
    return gameName_->text();
}

PlayerNames GameSetupDialog::players() const {
    return {cleanPlayerName(first_->text()), cleanPlayerName(second_->text())};
}

Side GameSetupDialog::movesFirst() const {
    return sideOf(*movesFirst_);
}

std::optional<TurnRecord> GameSetupDialog::turn() const {
    if (!turnBox_ || !turnBox_->isChecked())
        return std::nullopt;
    return TurnRecord{number_->value(), sideOf(*toMove_), sideOf(*movesFirst_)};
}

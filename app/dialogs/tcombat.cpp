#include "app/dialogs/tcombat.h"

#include "app/dialogs/win1252validator.h"
#include "base/win1252.h"
#include "ui_combat.h"

#include <QKeyEvent>
#include <QPointer>

#include <stdexcept>

namespace {

void setPixelSize(QWidget* widget, int pixels) {
    QFont font = widget->font();
    font.setPixelSize(pixels);
    widget->setFont(font);
}

} // namespace

TCombat::TCombat(ServerDie ask, QWidget* parent)
    : TCombat(DieRoller([](int offset) { return offset; }), parent) {
    if (!ask)
        throw std::invalid_argument("TCombat needs a server to ask");
    roller_ = nullptr;
    serverDie_ = std::move(ask);
    // The server's reasons are its own words, never markup.
    ui_->combatCommentLabel->setTextFormat(Qt::PlainText);
}

TCombat::TCombat(DieRoller roller, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::TCombat>()), roller_(std::move(roller)) {
    if (!roller_)
        throw std::invalid_argument("TCombat needs a die roller");
    ui_->setupUi(this);
    setUpFonts();
    // The form keeps its place on the screen rather than centring over the main window.
    move(68, 257);

    QPalette black = ui_->combatComment->palette();
    black.setColor(QPalette::Text, Qt::black);
    ui_->combatComment->setPalette(black);
    ui_->combatComment->setValidator(new Win1252Validator(ui_->combatComment));
    ui_->combatComment->setFocus();
    ui_->combatComment->setAccessibleName(tr("Combat comment"));
    ui_->combatBone->setAccessibleDescription(tr("Rolls the die"));
    ui_->combatCommentLabel->adjustSize();
    // A longer word than the English widens its button, Bone to the right and Cancel to the
    // left, each keeping its outer edge.
    for (QPushButton* button : {ui_->combatBone, ui_->combatCancel}) {
        const int needed = button->sizeHint().width();
        if (button->width() >= needed)
            continue;
        const int left =
            button == ui_->combatBone ? button->x() : button->geometry().right() + 1 - needed;
        button->setGeometry(left, button->y(), needed, button->height());
    }

    connect(ui_->combatComment, &QLineEdit::textChanged, this, &TCombat::combatCommentChange);
    connect(ui_->combatBone, &QPushButton::clicked, this, &TCombat::combatBoneClick);
    connect(ui_->combatCancel, &QPushButton::clicked, this, &TCombat::combatCancelClick);
}

TCombat::~TCombat() = default;

void TCombat::setUpFonts() {
    // Designer stores point sizes only; this form was laid out in pixels.
    setPixelSize(this, 11);
    setPixelSize(ui_->combatBone, 16);
    setPixelSize(ui_->combatBoneText, 64);
    setPixelSize(ui_->combatCancel, 16);
    setPixelSize(ui_->combatCommentLabel, 12);
    setPixelSize(ui_->combatComment, 12);
}

QString TCombat::comment() const {
    return ui_->combatComment->text();
}

std::string TCombat::commentWin1252() const {
    return win1252::fromUnicode(comment());
}

void TCombat::done(int /*result*/) {
    if (asking_)
        return;
    // A die once rolled stays rolled, however the dialog is closed.
    QDialog::done(rolled_ ? Accepted : Rejected);
}

void TCombat::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Cancel)) {
        ui_->combatCancel->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TCombat::resizeEvent(QResizeEvent* event) {
    ui_->combatZbevel->setGeometry(0, 0, width(), ui_->combatZbevel->height());
    QDialog::resizeEvent(event);
}

void TCombat::combatCommentChange(const QString& text) {
    const bool hasText = !text.isEmpty();
    ui_->combatBone->setEnabled(hasText);
    ui_->combatCommentLabel->setText(
        hasText ? tr("Comments:") : tr("Man, you really really need to use the comments."));
    ui_->combatCommentLabel->adjustSize();
}

void TCombat::combatBoneClick() {
    if (rolled_)
        return;
    if (serverDie_) {
        askServer();
        return;
    }
    showFace(roller_(dieValue_));
}

void TCombat::askServer() {
    // The server's record holds the comment as it was asked: it cannot change after.
    ui_->combatComment->setReadOnly(true);
    ui_->combatBone->setEnabled(false);
    ui_->combatCancel->setEnabled(false);
    asking_ = true;
    ui_->combatCommentLabel->setText(tr("Asking the server for the die…"));
    ui_->combatCommentLabel->adjustSize();
    // An answer that comes after the dialog is gone is dropped.
    serverDie_([dialog = QPointer<TCombat>(this)](int face, const QString& error) {
        if (dialog)
            dialog->serverAnswered(face, error);
    });
}

void TCombat::serverAnswered(int face, const QString& error) {
    if (rolled_)
        return;
    asking_ = false;
    ui_->combatCancel->setEnabled(true);
    if (face >= 1 && face <= 6) {
        ui_->combatCommentLabel->setText(tr("Comments:"));
        ui_->combatCommentLabel->adjustSize();
        showFace(face);
        return;
    }
    // Never a die of Korva's own in a server game: the player waits for the server.
    ui_->combatCommentLabel->setText(
        tr("The server gave no die: %1").arg(error.isEmpty() ? tr("no answer") : error));
    ui_->combatCommentLabel->adjustSize();
    ui_->combatBone->setText(tr("Retry"));
    ui_->combatBone->setEnabled(true);
    ui_->combatBone->setFocus();
}

void TCombat::showFace(int value) {
    dieValue_ = value;
    rolled_ = true;

    ui_->combatBoneText->setText(QString::number(value));
    ui_->combatBone->hide();
    ui_->combatBoneText->show();
    ui_->combatCancel->setText(tr("Done"));
    ui_->combatComment->setFocus();
}

void TCombat::combatCancelClick() {
    done(rolled_ ? Accepted : Rejected);
}

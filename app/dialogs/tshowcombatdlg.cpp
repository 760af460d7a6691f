#include "app/dialogs/tshowcombatdlg.h"

#include "base/untrustedtext.h"

#include "ui_showcombat.h"

#include <QLabel>

#include <algorithm>

namespace {

// Narrow enough to leave most of the map in view, as wide as its longest text.
constexpr int kWidth = 360;
constexpr int kMargin = 8;

void setPixelSize(QWidget* widget, int pixels) {
    QFont font = widget->font();
    font.setPixelSize(pixels);
    widget->setFont(font);
}

} // namespace

TShowCombatDlg::TShowCombatDlg(QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::TShowCombatDlg>()) {
    ui_->setupUi(this);
    // Designer stores point sizes only; this form was laid out in pixels.
    setPixelSize(this, 11);
    for (QWidget* control : std::initializer_list<QWidget*>{ui_->zLabel1, ui_->bDieRoll,
                                                            ui_->Button1, ui_->bCommentLabel})
        setPixelSize(control, 13);
    // The form keeps its place on the screen rather than centring over the main window.
    move(18, 414);
    // "Bone:" in a longer word keeps clear of the roll beside it.
    ui_->zLabel1->adjustSize();
    ui_->bDieRoll->move(std::max(ui_->bDieRoll->x(), ui_->zLabel1->geometry().right() + 3),
                        ui_->bDieRoll->y());
    ui_->Button1->resize(kWidth - ui_->Button1->x() - kMargin, ui_->Button1->height());
    ui_->Button1->setFocus();
    // Designer drops a caption made of blanks only.
    setRecord(0, QStringLiteral("  "));
    // Below the comment, in the room the form leaves at its foot.
    place_ = new TrustLabel(Trust::Stated, {}, this);
    place_->setObjectName(QStringLiteral("bPlaceLabel"));
    place_->move(8, 72);
    setPixelSize(place_, 11);
    ui_->Button1->setAccessibleName(QStringLiteral("OK"));
    connect(ui_->Button1, &QPushButton::clicked, this, &QDialog::accept);
}

TShowCombatDlg::~TShowCombatDlg() = default;

void TShowCombatDlg::setRecord(int dieValue, const QString& comment) {
    // The comment comes from the opponent's file: it is shown as plain text, never markup.
    ui_->bDieRoll->setText(QString::number(dieValue));
    ui_->bDieRoll->adjustSize();
    ui_->bCommentLabel->setText(untrustedtext::forLine(comment));
    ui_->bCommentLabel->adjustSize();
    // A comment of wide letters may outgrow the form: widen it rather than cut the text.
    const int needed = ui_->bCommentLabel->geometry().right() + 1 + ui_->bCommentLabel->x();
    resize(std::max(kWidth, needed), height());
}

void TShowCombatDlg::setPlace(const QString& place, Trust trust) {
    place_->setTrust(trust);
    place_->setText(place);
    place_->adjustSize();
    setAccessibleDescription(place);
    // A long verdict widens the form as a long comment does.
    resize(std::max(width(), place_->geometry().right() + 1 + place_->x()), height());
}

QString TShowCombatDlg::place() const {
    return place_->text();
}

Trust TShowCombatDlg::placeTrust() const {
    return place_->trust();
}

int TShowCombatDlg::showRecord(int dieValue, const QString& comment) {
    setRecord(dieValue, comment);
    ui_->Button1->setFocus();
    return runner_ ? runner_(*this) : exec();
}

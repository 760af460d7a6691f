#include "app/window/bannerboxes.h"

#include "app/dialogs/win1252validator.h"
#include "base/win1252.h"
#include "game/game.h"
#include "game/session.h"

#include <QLineEdit>

BannerBoxes::BannerBoxes(Session& session, const std::array<QLineEdit*, 3>& boxes, QObject* parent)
    : QObject(parent), session_(session), boxes_(boxes) {
    const char* const names[] = {QT_TR_NOOP("First banner line"), QT_TR_NOOP("Second banner line"),
                                 QT_TR_NOOP("Third banner line")};
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        QLineEdit* box = boxes_[i];
        box->setValidator(new Win1252Validator(box));
        box->setAccessibleName(tr(names[i]));
        session_.game().setBanner(i, win1252::fromUnicode(box->text()));
        connect(box, &QLineEdit::textChanged, this, [this, i](const QString& text) {
            session_.game().setBanner(i, win1252::fromUnicode(text));
        });
        // A text the player typed is a change of the turn; one set by an Open is not.
        connect(box, &QLineEdit::textEdited, this, [this, i](const QString& text) {
            session_.setBanner(i, win1252::fromUnicode(text));
        });
    }
    connect(&session_, &Session::positionReplaced, this, &BannerBoxes::showPosition);
}

std::array<std::string, 3> BannerBoxes::texts() const {
    return {win1252::fromUnicode(boxes_[0]->text()), win1252::fromUnicode(boxes_[1]->text()),
            win1252::fromUnicode(boxes_[2]->text())};
}

void BannerBoxes::showPosition() {
    setTexts(session_.game().banners());
    for (QLineEdit* box : boxes_)
        box->setReadOnly(session_.showsPast());
}

void BannerBoxes::setTexts(const std::array<std::string, 3>& texts) {
    for (std::size_t i = 0; i < boxes_.size(); ++i)
        boxes_[i]->setText(win1252::toUnicode(texts[i]));
    // A save writes what the boxes show, also where a box could not take a text whole.
    const std::array<std::string, 3> shown = this->texts();
    for (std::size_t i = 0; i < shown.size(); ++i)
        session_.game().setBanner(i, shown[i]);
}

#include "app/window/bannerboxes.h"

#include "app/dialogs/win1252validator.h"
#include "base/win1252.h"
#include "game/game.h"
#include "game/session.h"

#include <QLineEdit>
#include <QScopedValueRollback>

BannerBoxes::BannerBoxes(Session& session, const std::array<QLineEdit*, 3>& boxes, QObject* parent)
    : QObject(parent), session_(session), boxes_(boxes) {
    const char* const names[] = {QT_TR_NOOP("First banner line"), QT_TR_NOOP("Second banner line"),
                                 QT_TR_NOOP("Third banner line")};
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        QLineEdit* box = boxes_[i];
        box->setValidator(new Win1252Validator(box));
        box->setAccessibleName(tr(names[i]));
    }
    session_.document().adoptShownBanners(texts());
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        // A text the player typed is a change of the turn; one the window shows for the game
        // (an Open, an undo) is not.
        connect(boxes_[i], &QLineEdit::textChanged, this, [this, i](const QString& text) {
            if (!showing_)
                session_.document().setBanner(i, win1252::fromUnicode(text));
        });
    }
    connect(&session_, &Session::positionReplaced, this, &BannerBoxes::showPosition);
    // An undone or redone banner shows again.
    connect(&session_.document(), &Document::bannersChanged, this,
            [this] { setTexts(session_.game().banners()); });
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
    const QScopedValueRollback showing(showing_, true);
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        // The box being typed into keeps its cursor: only another text is set.
        if (const QString text = win1252::toUnicode(texts[i]); boxes_[i]->text() != text)
            boxes_[i]->setText(text);
    }
    // A save writes what the boxes show, also where a box could not take a text whole.
    session_.document().adoptShownBanners(this->texts());
}

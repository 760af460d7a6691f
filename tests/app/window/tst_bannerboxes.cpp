#include "app/window/bannerboxes.h"
#include "game/game.h"
#include "game/session.h"
#include "tests/common/fakepicturemodule.h"

#include <QLineEdit>
#include <QTest>

// The banner boxes and the game's banner texts: a typed text is a change of the turn, one
// set by a new position is not, and the game keeps what the boxes show.
class TestBannerBoxes : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void typedTextIsAChange();
    void theGameKeepsWhatTheBoxesShow();

private:
    std::unique_ptr<Session> session_;
    std::array<QLineEdit*, 3> boxes_{};
    BannerBoxes* banners_ = nullptr;
    QObject owner_;
};

void TestBannerBoxes::init() {
    session_ = std::make_unique<Session>(
        std::make_unique<FakePictureModule>(QStringLiteral("korva_1.dll")),
        std::make_unique<FakePictureModule>(QStringLiteral("korva_2.dll")), QString());
    for (QLineEdit*& box : boxes_)
        box = new QLineEdit;
    boxes_[0]->setText(QStringLiteral("first"));
    banners_ = new BannerBoxes(*session_, boxes_, &owner_);
}

void TestBannerBoxes::cleanup() {
    delete banners_;
    for (QLineEdit* box : boxes_)
        delete box;
    session_.reset();
}

void TestBannerBoxes::typedTextIsAChange() {
    // What the boxes held before is the game's from the start.
    QCOMPARE(session_->game().banners()[0], std::string("first"));
    boxes_[1]->setText(QStringLiteral("set"));
    QCOMPARE(session_->game().banners()[1], std::string("set"));
    QVERIFY(!session_->isModified());
    QTest::keyClicks(boxes_[2], QStringLiteral("typed"));
    QCOMPARE(session_->game().banners()[2], std::string("typed"));
    QVERIFY(session_->isModified());
    QCOMPARE(banners_->texts(), (std::array<std::string, 3>{"first", "set", "typed"}));
}

void TestBannerBoxes::theGameKeepsWhatTheBoxesShow() {
    // A box that already shows all of a text it cannot hold whole does not change.
    boxes_[1]->setMaxLength(4);
    boxes_[1]->setText(QStringLiteral("far "));
    session_->game().setBanner(0, "one");
    session_->game().setBanner(1, "far too long");
    session_->game().setBanner(2, "");
    banners_->showPosition();
    QCOMPARE(boxes_[0]->text(), QStringLiteral("one"));
    QCOMPARE(boxes_[1]->text(), QStringLiteral("far "));
    QCOMPARE(session_->game().banners()[1], std::string("far "));
    QVERIFY(!boxes_[0]->isReadOnly());
}

QTEST_MAIN(TestBannerBoxes)
#include "tst_bannerboxes.moc"

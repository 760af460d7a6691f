#include "app/window/bannerboxes.h"
#include "game/game.h"
#include "game/session.h"
#include "tests/common/fakepicturemodule.h"
#include "tests/common/gameaccess.h"

#include <QLineEdit>
#include <QTest>

// The banner boxes and the game's banner texts: a typed text is an undoable change of the
// turn, one shown for a new position is not, and the game keeps what the boxes show.
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
    QVERIFY(!session_->document().isModified());
    QTest::keyClicks(boxes_[2], QStringLiteral("typed"));
    QCOMPARE(session_->game().banners()[2], std::string("typed"));
    QVERIFY(session_->document().isModified());
    QCOMPARE(banners_->texts(), (std::array<std::string, 3>{"first", "", "typed"}));
    // Undone, the box shows the text again and the game is as saved.
    session_->document().edits().undo();
    QCOMPARE(boxes_[2]->text(), QString());
    QVERIFY(!session_->document().isModified());
}

void TestBannerBoxes::theGameKeepsWhatTheBoxesShow() {
    // A box that already shows all of a text it cannot hold whole does not change.
    boxes_[1]->setMaxLength(4);
    boxes_[1]->setText(QStringLiteral("far "));
    Game& game = mutableGame(*session_);
    game.setBanner(0, "one");
    game.setBanner(1, "far too long");
    game.setBanner(2, "");
    banners_->showPosition();
    QCOMPARE(boxes_[0]->text(), QStringLiteral("one"));
    QCOMPARE(boxes_[1]->text(), QStringLiteral("far "));
    QCOMPARE(session_->game().banners()[1], std::string("far "));
    QVERIFY(!boxes_[0]->isReadOnly());
}

QTEST_MAIN(TestBannerBoxes)
#include "tst_bannerboxes.moc"

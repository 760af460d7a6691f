#include "app/export/animation.h"
#include "app/export/dialogprogress.h"
#include "app/export/framesink.h"
#include "app/export/webpanimation.h"
#include "tests/common/testgame.h"

#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QWidget>

// An animation stopped by the player: the stop is heard within the frame under way, whether
// it is being drawn or waits for the encoder, and an encoder stopped lets go of its frames.
class TestAnimation : public QObject {
    Q_OBJECT
private slots:
    void aStopIsHeardWithinTheFrame_data();
    void aStopIsHeardWithinTheFrame();
    void aStoppedEncoderDropsWhatIsQueued();
    void cancelCountsWhileTheBarStandsStill();
};

namespace {

// Stops at the `stopAt`-th question.
struct StoppingProgress final : ExportProgress {
    int stopAt = -1;
    int asked = 0;
    bool advance(qint64, qint64) override { return asked++ != stopAt; }
};

// Keeps frames in memory; a busy one makes every nextCanvas() wait, asking whether to go on,
// as an encoder still at work does.
class MemorySink final : public FrameSink {
public:
    explicit MemorySink(QSize size, bool busy) : canvas_(size, QImage::Format_RGB32), busy_(busy) {}
    QImage* nextCanvas() override {
        for (int waits = 0; busy_ && waits < 1000; ++waits)
            if (!keepGoing())
                return nullptr;
        return busy_ ? nullptr : &canvas_;
    }
    bool addFrame(QString*) override { return ++frames, true; }
    bool finish(QString*) override { return true; }
    int frames = 0;

private:
    QImage canvas_;
    bool busy_;
};

} // namespace

void TestAnimation::aStopIsHeardWithinTheFrame_data() {
    QTest::addColumn<qreal>("scale");
    QTest::addColumn<bool>("busy");
    // The second question comes while the first frame is drawn, at any zoom.
    QTest::newRow("drawn shrunk") << 0.25 << false;
    QTest::newRow("drawn enlarged") << 2.0 << false;
    QTest::newRow("waiting for the encoder") << 0.25 << true;
}

void TestAnimation::aStopIsHeardWithinTheFrame() {
    QFETCH(qreal, scale);
    QFETCH(bool, busy);
    TestGame game;
    MemorySink sink(animation::frameSize(game, scale), busy);
    StoppingProgress progress;
    progress.stopAt = 1;
    int shown = 0;
    const ExportOutcome outcome = animation::draw(
        game, scale, 3, [&](int) { ++shown; }, sink, progress);
    QVERIFY(outcome.cancelled);
    QVERIFY(outcome.error.isEmpty());
    QCOMPARE(shown, 1);
    QCOMPARE(sink.frames, 0);
}

void TestAnimation::aStoppedEncoderDropsWhatIsQueued() {
    // Frames large enough to take a while each.
    WebPAnimationWriter writer(QSize(1600, 1600), 100);
    QVERIFY(writer.isValid());
    for (int i = 0; i < 2; ++i) {
        QImage* canvas = writer.nextCanvas({});
        QVERIFY(canvas);
        canvas->fill(i == 0 ? Qt::darkGreen : Qt::darkRed);
        writer.addFrame();
    }
    writer.abandon();
    // At most the frame that was under way got through; the queued one never started.
    QVERIFY(writer.encodedFrames() <= 1);
}

void TestAnimation::cancelCountsWhileTheBarStandsStill() {
    QWidget window;
    DialogProgress progress(QStringLiteral("Drawing"), &window);
    auto* bar = window.findChild<QProgressDialog*>(QStringLiteral("bExportProgress"));
    QVERIFY(bar);
    QVERIFY(progress.advance(1, 1000));
    QMetaObject::invokeMethod(bar, "forceShow");
    // A click on Cancel while one large frame is drawn: the value has not moved since.
    QMetaObject::invokeMethod(bar, &QProgressDialog::cancel, Qt::QueuedConnection);
    QVERIFY(!progress.advance(1, 1000));
}

QTEST_MAIN(TestAnimation)
#include "tst_animation.moc"

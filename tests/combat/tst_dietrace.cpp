#include "combat/dierandom.h"
#include "combat/dietrace.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <array>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// One trace written out from the rules with an independent generator and Qt's own %g.
QByteArray expectedTrace(std::uint32_t seed) {
    std::uint32_t state = seed;
    auto draw = [&state] {
        state = state * 22695477u + 1u;
        return static_cast<int>((state >> 16) & 0x7FFF);
    };
    std::array<int, 6> faces{};
    int rolls = 0;
    auto roll = [&](int count) {
        for (int n = 0; n < count; ++n) {
            const int r = draw();
            for (int i = 0; i <= r % 5; ++i)
                draw();
            int v = rolls % 6 + draw() % 6 + 1;
            if (v > 6)
                v -= 6;
            ++faces[static_cast<std::size_t>(v - 1)];
            ++rolls;
        }
    };
    const char* const labels[6] = {" One    ", " Two    ", " Three  ",
                                   " Four   ", " Five   ", " Six    "};
    QByteArray out;
    auto line = [&out](const QByteArray& text) { out += "\r\n" + text; };
    auto block = [&](int precision) {
        for (int f = 0; f < 6; ++f)
            line(QByteArray(labels[f]) + " : " +
                 QByteArray::number(faces[static_cast<std::size_t>(f)]));
        int sum = 0;
        for (int f = 0; f < 6; ++f)
            sum += (f + 1) * faces[static_cast<std::size_t>(f)];
        const float average = static_cast<float>(sum) / static_cast<float>(rolls);
        line("Average ......  : " +
             QByteArray::number(static_cast<double>(average), 'g', precision));
    };
    roll(60);
    line("********--------------************");
    line("******** 60 die rolls ************");
    block(3);
    line(" ");
    line("******** 60000 die rolls ************");
    roll(59940);
    block(6);
    line("********-----------------************");
    line(" ");
    return out;
}

} // namespace

class TestDieTrace : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void entries();
    void significantDigits_data();
    void significantDigits();
    void oneTraceExactly();
    void countsAddUp();
    void twoTracesAppend();
    void existingFileIsKept();
    void unwritableTraceStillRolls();
    void onlyARegularFileIsWritten();

private:
    std::unique_ptr<QTemporaryDir> dir_;
    QString path_;
};

void TestDieTrace::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    path_ = dir_->filePath(QStringLiteral("trace.txt"));
    setTracePath(path_);
}

void TestDieTrace::cleanup() {
    setTracePath(QStringLiteral("trace.txt"));
}

void TestDieTrace::entries() {
    TraceText("hello");
    TraceCount(" One    ", 17);
    TraceCount("neg", -42);
    TraceNumber("Average ...... ", 3.5f, 3);
    TraceText("");
    QCOMPARE(readAll(path_),
             QByteArray("\r\nhello\r\n One     : 17\r\nneg : -42\r\nAverage ......  : 3.5\r\n"));
}

void TestDieTrace::significantDigits_data() {
    QTest::addColumn<float>("value");
    QTest::addColumn<int>("precision");
    QTest::addColumn<QString>("text");
    QTest::newRow("3.5 to 3") << 3.5f << 3 << QStringLiteral("3.5");
    QTest::newRow("3 to 3") << 3.0f << 3 << QStringLiteral("3");
    QTest::newRow("3.456 to 3") << 3.456f << 3 << QStringLiteral("3.46");
    QTest::newRow("3.49833 to 6") << 3.49833f << 6 << QStringLiteral("3.49833");
    QTest::newRow("3.5 to 6") << 3.5f << 6 << QStringLiteral("3.5");
    QTest::newRow("large") << 1e10f << 6 << QStringLiteral("1e+10");
    QTest::newRow("small") << 1e-5f << 3 << QStringLiteral("1e-05");
    QTest::newRow("0.0001") << 0.0001f << 3 << QStringLiteral("0.0001");
    QTest::newRow("negative") << -2.25f << 3 << QStringLiteral("-2.25");
}

void TestDieTrace::significantDigits() {
    QFETCH(float, value);
    QFETCH(int, precision);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(formatSignificant(value, precision)), text);
}

void TestDieTrace::oneTraceExactly() {
    DieRandom generator(777);
    TraceDieRolls(generator);
    const QByteArray text = readAll(path_);
    QCOMPARE(text, expectedTrace(777));
    QCOMPARE(text.count("\r\n"), 20);
    QVERIFY(text.startsWith("\r\n"));
    QVERIFY(!text.endsWith("\r\n"));
    QCOMPARE(text.count('\n'), 20);
}

void TestDieTrace::countsAddUp() {
    DieRandom generator(4242);
    DieRollCounts counts;
    rollForTrace(generator, counts, 60);
    const auto first = counts.faces;
    int sum = 0;
    for (const int c : first)
        sum += c;
    QCOMPARE(sum, 60);
    QVERIFY(counts.average() >= 1.0f && counts.average() <= 6.0f);
    rollForTrace(generator, counts, 59940);
    sum = 0;
    for (std::size_t f = 0; f < 6; ++f) {
        sum += counts.faces[f];
        QVERIFY(counts.faces[f] >= first[f]);
    }
    QCOMPARE(sum, 60000);
    QCOMPARE(counts.rolls, 60000);
}

void TestDieTrace::twoTracesAppend() {
    DieRandom generator(1);
    TraceDieRolls(generator);
    const std::uint32_t between = generator.state();
    TraceDieRolls(generator);
    DieRandom second(between);
    QTemporaryDir other;
    setTracePath(other.filePath(QStringLiteral("t.txt")));
    TraceDieRolls(second);
    const QByteArray secondAlone = readAll(other.filePath(QStringLiteral("t.txt")));
    QCOMPARE(readAll(path_), expectedTrace(1) + secondAlone);
    QVERIFY(readAll(path_).contains("\r\n \r\n********--------------************"));
}

void TestDieTrace::existingFileIsKept() {
    {
        QFile file(path_);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("earlier lines\r\nkept");
    }
    TraceText("next");
    QCOMPARE(readAll(path_), QByteArray("earlier lines\r\nkept\r\nnext"));
}

void TestDieTrace::unwritableTraceStillRolls() {
    setTracePath(dir_->filePath(QStringLiteral("no such folder/trace.txt")));
    DieRandom written(5);
    DieRandom unwritten(5);
    TraceDieRolls(unwritten);
    setTracePath(path_);
    TraceDieRolls(written);
    QCOMPARE(unwritten.state(), written.state());
    QVERIFY(!QFile::exists(dir_->filePath(QStringLiteral("no such folder"))));
    // The next entry to a good path works again.
    QCOMPARE(readAll(path_), expectedTrace(5));
}

// A named pipe would block the writer until someone reads it, and keeps nothing.
void TestDieTrace::onlyARegularFileIsWritten() {
    const QString fifo = dir_->filePath(QStringLiteral("fifo.txt"));
    QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    setTracePath(fifo);
    QVERIFY(traceFileRefusal().contains(QStringLiteral("not a regular file")));
    // With a reader the writer could open it; nothing may arrive all the same.
    const int reader = ::open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK);
    QVERIFY(reader >= 0);
    TraceText("into the pipe");
    char byte = 0;
    const auto got = ::read(reader, &byte, 1);
    ::close(reader);
    QCOMPARE(got, 0); // end of file: no writer ever had it open
    // Without a reader it must not wait for one.
    DieRandom generator(1);
    TraceDieRolls(generator);
    setTracePath(path_);
    QVERIFY(traceFileRefusal().isEmpty());
}

QTEST_GUILESS_MAIN(TestDieTrace)
#include "tst_dietrace.moc"

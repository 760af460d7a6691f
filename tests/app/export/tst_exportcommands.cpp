#include "counters/countermgr.h"
#include "geometry/zekclick.h"
#include "movefile/korvaextension.h"
#include "movefile/movefile.h"
#include "tests/app/export/webpframes.h"
#include "tests/common/smalltmpfs.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

// korva --export-turn and --animate, run as a player runs them, on good, hostile and refused
// files.
class TestExportCommands : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void pageEscapesEveryField_data();
    void pageEscapesEveryField();
    void pageShowsTheTurn();
    void animationHasAFramePerFile();
    void aRefusedFileWritesNothing();
    void aFullDiskLeavesNothing();
    void anInterruptedAnimationLeavesNothing_data();
    void anInterruptedAnimationLeavesNothing();
    void leftOverFramesAreClearedNextTime();
    void argumentsRefused_data();
    void argumentsRefused();

private:
    struct Run {
        int status = -1;
        QByteArray err;
    };
    Run korva(const QStringList& arguments) const {
        QProcess process;
        // No history: the moves come from the files alone.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_DATA_HOME"), dir_.filePath(QStringLiteral("none")));
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(KORVA_PROGRAM), arguments);
        process.waitForFinished(120000);
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                process.readAllStandardError()};
    }
    // A turn: counter `moved` went from hex 200 to `to`, one combat there, with the turn's
    // start in Korva's block.
    QString turnFile(const QString& name, int moved, int to, const QString& note = {},
                     const PlayerNames& players = {}, const std::string& comment = "Attack",
                     const std::string& banner = "Turn 3") const {
        MoveFileContents contents = contents_;
        contents.counters[std::size_t(moved - 1)] = CounterRecord{200, to, 0, 0};
        contents.tags.push_back(TagRecord{ZeKClick(to).position(), 4, comment});
        contents.banners = {banner, "", ""};
        KorvaExtension block;
        block.turnStart = presentPlaces(contents_.counters);
        block.turnStart->at(std::size_t(moved - 1)).hex = 200;
        block.note = note;
        block.players = players;
        block.turn = TurnRecord{3, Side::Second, Side::First};
        const QString path = dir_.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return {};
        file.write(encodeMoveFile(contents) + encodeKorvaExtension(block));
        return path;
    }
    static QByteArray readAll(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir_;
    MoveFileContents contents_;
};

void TestExportCommands::initTestCase() {
    QVERIFY(dir_.isValid());
    CounterMgr counters;
    for (const auto& counter : counters.counters())
        contents_.counters.push_back(counter->record());
}

void TestExportCommands::pageEscapesEveryField_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("shown");
    const QString escaped = QStringLiteral("&lt;img src=x onerror=alert(1)&gt;");
    for (const char* field : {"comment", "note", "banner", "allies", "axis", "file name"})
        QTest::newRow(field) << QString::fromLatin1(field) << escaped;
    // A control that would reorder the text around it is seen, not obeyed.
    QTest::newRow("bidi in the note") << QStringLiteral("bidi") << QStringLiteral("&lt;U+202E&gt;");
}

void TestExportCommands::pageEscapesEveryField() {
    QFETCH(QString, field);
    QFETCH(QString, shown);
    const QString hostile = QStringLiteral("<img src=x onerror=alert(1)>");
    const std::string bytes = hostile.toStdString();
    PlayerNames players{QStringLiteral("Alice"), QStringLiteral("Bob")};
    if (field == QStringLiteral("allies"))
        players.first = hostile;
    if (field == QStringLiteral("axis"))
        players.second = hostile;
    const QString note = field == QStringLiteral("note")   ? hostile
                         : field == QStringLiteral("bidi") ? QStringLiteral("a\u202Eb")
                                                           : QString();
    const QString file =
        turnFile(field == QStringLiteral("file name") ? hostile + QStringLiteral(".krv")
                                                      : QStringLiteral("t.krv"),
                 1, 300, note, players, field == QStringLiteral("comment") ? bytes : "Attack",
                 field == QStringLiteral("banner") ? bytes : "Turn 3");
    const QString out = dir_.filePath(QStringLiteral("page.html"));
    const Run run = korva({QStringLiteral("--export-turn"), file, out});
    QVERIFY2(run.status == 0, run.err.constData());
    const QString page = QString::fromUtf8(readAll(out));
    QVERIFY2(page.contains(shown), qPrintable(field));
    QVERIFY(!page.contains(QStringLiteral("<img src=x")));
    QVERIFY(!page.contains(QChar(0x202E)));
    // The one picture is the map, embedded.
    QCOMPARE(page.count(QStringLiteral("<img ")), 1);
    static const QRegularExpression picture(
        QStringLiteral("<img src=\"data:image/png;base64,([A-Za-z0-9+/=]+)\" width=\"(\\d+)\" "
                       "height=\"(\\d+)\""));
    const QRegularExpressionMatch found = picture.match(page);
    QVERIFY(found.hasMatch());
    const QImage map =
        QImage::fromData(QByteArray::fromBase64(found.captured(1).toLatin1()), "PNG");
    QCOMPARE(map.size(), QSize(found.captured(2).toInt(), found.captured(3).toInt()));
}

void TestExportCommands::pageShowsTheTurn() {
    const QString file = turnFile(QStringLiteral("turn.krv"), 1, 300, QStringLiteral("Go on"));
    const QString out = dir_.filePath(QStringLiteral("turn.html"));
    QCOMPARE(korva({QStringLiteral("--export-turn"), file, out}).status, 0);
    const QString page = QString::fromUtf8(readAll(out));
    for (const QString& said :
         {QStringLiteral("<h1>Turn 3 · Axis to move</h1>"),
          QStringLiteral(
              "<td data-label=\"Unit\">UK 6 Armor XX</td><td data-label=\"From\">C73</td>"
              "<td data-label=\"To\">E34</td>"),
          QStringLiteral(
              "<td data-label=\"Combat\">Combat, die 4</td><td data-label=\"Combat hex\">E34</td>"
              "<td data-label=\"Comment\"><q class=\"file\">Attack</q></td>"),
          QStringLiteral("<span class=\"verdict\">Their dice: rolls not verifiable"),
          QStringLiteral("<div class=\"note\">Go on</div>")})
        QVERIFY2(page.contains(said), qPrintable(said));
    // A marker that is not there says nothing.
    QVERIFY(page.contains(QStringLiteral("<td data-label=\"Marker\"></td>")));
    // Measured from the file the player sent: the move starts where it stood there.
    MoveFileContents earlier = contents_;
    earlier.counters[0] = CounterRecord{250, 250, 0, 0};
    const QString earlierFile = dir_.filePath(QStringLiteral("mine.krv"));
    QFile mine(earlierFile);
    QVERIFY(mine.open(QIODevice::WriteOnly));
    mine.write(encodeMoveFile(earlier));
    mine.close();
    QCOMPARE(
        korva({QStringLiteral("--export-turn"), file, out, QStringLiteral("--since"), earlierFile})
            .status,
        0);
    // The page is for others: no words addressed to the player who made it.
    const QString since = QString::fromUtf8(readAll(out));
    QVERIFY(since.contains(QStringLiteral("<td data-label=\"From\">D54</td>")));
    QString words = since;
    words.remove(QRegularExpression(QStringLiteral("base64,[^\"]*")));
    QVERIFY2(!words.contains(QStringLiteral("your"), Qt::CaseInsensitive), qPrintable(words));
}

void TestExportCommands::animationHasAFramePerFile() {
    const QStringList files{turnFile(QStringLiteral("a1.krv"), 1, 300),
                            turnFile(QStringLiteral("a2.krv"), 2, 400),
                            turnFile(QStringLiteral("a3.krv"), 3, 500)};
    const QString out = dir_.filePath(QStringLiteral("game.webp"));
    const Run run = korva(QStringList{QStringLiteral("--animate"), out} + files +
                          QStringList{QStringLiteral("--zoom"), QStringLiteral("25"),
                                      QStringLiteral("--frame-ms"), QStringLiteral("700")});
    QVERIFY2(run.status == 0, run.err.constData());
    const WebPFrames webp(readAll(out));
    QVERIFY(webp.valid);
    QCOMPARE(webp.canvas, QSize(378, 680));
    QCOMPARE(webp.frames.size(), std::size_t(3));
    QCOMPARE(webp.endsMs, (std::vector<int>{700, 1400, 2100}));
    QVERIFY(webp.frames[0] != webp.frames[1]);

    // The same as numbered PNGs, at 50% unless told.
    const QString folder = dir_.filePath(QStringLiteral("frames"));
    QCOMPARE(
        korva(QStringList{QStringLiteral("--animate"), QStringLiteral("--frames"), folder} + files)
            .status,
        0);
    const QStringList names = QDir(folder).entryList(QDir::Files, QDir::Name);
    QCOMPARE(names, (QStringList{QStringLiteral("frame-0001.png"), QStringLiteral("frame-0002.png"),
                                 QStringLiteral("frame-0003.png")}));
    const QImage first(QDir(folder).filePath(names[0]));
    QCOMPARE(first.size(), QSize(756, 1360));
    // The turn is written in the corner, light on dark.
    QVERIFY(qGray(first.pixel(12, 12)) < 80);
    // A folder that is not empty is never filled.
    QCOMPARE(
        korva(QStringList{QStringLiteral("--animate"), QStringLiteral("--frames"), folder} + files)
            .status,
        1);
}

void TestExportCommands::aRefusedFileWritesNothing() {
    const QString good = turnFile(QStringLiteral("g.krv"), 1, 300);
    // A name that would colour a terminal red, and a file cut short.
    const QString bad = dir_.filePath(QStringLiteral("bad\x1b[31m.krv"));
    QFile cut(bad);
    QVERIFY(cut.open(QIODevice::WriteOnly));
    cut.write(readAll(good).left(100));
    cut.close();
    const QString out = dir_.filePath(QStringLiteral("refused.webp"));
    const QString folder = dir_.filePath(QStringLiteral("refused"));
    for (const QStringList& outputs :
         {QStringList{out}, QStringList{QStringLiteral("--frames"), folder}}) {
        const Run run = korva(QStringList{QStringLiteral("--animate")} + outputs +
                              QStringList{good, bad, good});
        QCOMPARE(run.status, 2);
        QVERIFY2(
            run.err.startsWith("korva: " + QFile::encodeName(dir_.path()) + "/bad\\e[31m.krv: "),
            run.err.constData());
        QCOMPARE(run.err.count('\n'), 1);
    }
    QVERIFY(!QFile::exists(out));
    QVERIFY(!QFile::exists(folder));
    QCOMPARE(
        QDir(dir_.path()).entryList({QStringLiteral(".korva-*")}, QDir::AllEntries | QDir::Hidden),
        QStringList());
}

void TestExportCommands::aFullDiskLeavesNothing() {
    SmallTmpfs disk(256);
    if (!disk.isMounted())
        QSKIP(qPrintable(disk.skipReason()));
    QVERIFY(disk.fillLeaving(16384));
    const QStringList files{turnFile(QStringLiteral("f1.krv"), 1, 300),
                            turnFile(QStringLiteral("f2.krv"), 2, 400)};
    const QString webp = disk.filePath(QStringLiteral("game.webp"));
    const QString frames = disk.filePath(QStringLiteral("frames"));
    const QString page = disk.filePath(QStringLiteral("page.html"));
    for (const QStringList& arguments :
         {QStringList{QStringLiteral("--animate"), webp} + files,
          QStringList{QStringLiteral("--animate"), QStringLiteral("--frames"), frames} + files,
          QStringList{QStringLiteral("--export-turn"), files[0], page}}) {
        const Run run = korva(arguments);
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains(std::strerror(ENOSPC)), run.err.constData());
    }
    QCOMPARE(
        QDir(disk.filePath({})).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
        QStringList{QStringLiteral("filler")});
}

void TestExportCommands::anInterruptedAnimationLeavesNothing_data() {
    QTest::addColumn<int>("signal");
    QTest::newRow("Ctrl+C") << SIGINT;
    QTest::newRow("terminated") << SIGTERM;
}

void TestExportCommands::anInterruptedAnimationLeavesNothing() {
    QFETCH(int, signal);
    QTemporaryDir beside;
    const QString file = turnFile(QStringLiteral("i.krv"), 1, 300);
    const QString folder = beside.filePath(QStringLiteral("frames"));
    QStringList arguments{QStringLiteral("--animate"), QStringLiteral("--frames"), folder};
    for (int i = 0; i < 40; ++i)
        arguments << file;
    QProcess process;
    process.start(QStringLiteral(KORVA_PROGRAM),
                  arguments + QStringList{QStringLiteral("--zoom"), QStringLiteral("100")});
    QVERIFY(process.waitForStarted());
    // Interrupted once the frames are being written.
    const QDir dir(beside.path());
    const QStringList making{QStringLiteral(".korva-frames-*")};
    QTRY_VERIFY_WITH_TIMEOUT(!dir.entryList(making, QDir::Dirs | QDir::Hidden).isEmpty() ||
                                 process.state() == QProcess::NotRunning,
                             60000);
    QCOMPARE(process.state(), QProcess::Running);
    ::kill(pid_t(process.processId()), signal);
    QVERIFY(process.waitForFinished(60000));
    // Ended as the signal ends a program, with nothing left behind.
    QCOMPARE(process.exitStatus(), QProcess::CrashExit);
    QCOMPARE(dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
}

void TestExportCommands::leftOverFramesAreClearedNextTime() {
    QTemporaryDir beside;
    const QDir dir(beside.path());
    // One left by an export killed outright; one another export is still making.
    for (const QString& name :
         {QStringLiteral(".korva-frames-dead01"), QStringLiteral(".korva-frames-live01")}) {
        QVERIFY(dir.mkdir(name));
        QFile frame(dir.filePath(name + QStringLiteral("/frame-0001.png")));
        QVERIFY(frame.open(QIODevice::WriteOnly) && frame.write("png") == 3);
    }
    const int held =
        ::open(QFile::encodeName(dir.filePath(QStringLiteral(".korva-frames-live01"))).constData(),
               O_RDONLY | O_DIRECTORY);
    QVERIFY(held >= 0 && ::flock(held, LOCK_EX) == 0);
    const QString folder = beside.filePath(QStringLiteral("frames"));
    const Run run = korva({QStringLiteral("--animate"), QStringLiteral("--frames"), folder,
                           turnFile(QStringLiteral("l.krv"), 1, 300)});
    ::close(held);
    QVERIFY2(run.status == 0, run.err.constData());
    QCOMPARE(dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             (QStringList{QStringLiteral(".korva-frames-live01"), QStringLiteral("frames")}));
}

void TestExportCommands::argumentsRefused_data() {
    QTest::addColumn<QStringList>("arguments");
    const QString a = QStringLiteral("a.krv");
    const QString out = QStringLiteral("out.webp");
    QTest::newRow("no files") << QStringList{QStringLiteral("--animate"), out};
    QTest::newRow("nothing") << QStringList{QStringLiteral("--animate")};
    QTest::newRow("zoom too small") << QStringList{QStringLiteral("--animate"), out, a,
                                                   QStringLiteral("--zoom"), QStringLiteral("10")};
    QTest::newRow("frame time not a number") << QStringList{
        QStringLiteral("--animate"), out, a, QStringLiteral("--frame-ms"), QStringLiteral("fast")};
    QTest::newRow("frame time with frames") << QStringList{
        QStringLiteral("--animate"),  QStringLiteral("--frames"), QStringLiteral("d"), a,
        QStringLiteral("--frame-ms"), QStringLiteral("100")};
    QTest::newRow("unknown option")
        << QStringList{QStringLiteral("--animate"), out, a, QStringLiteral("--loop")};
    QTest::newRow("page without output") << QStringList{QStringLiteral("--export-turn"), a};
    QTest::newRow("page with another option")
        << QStringList{QStringLiteral("--export-turn"), a, QStringLiteral("p.html"),
                       QStringLiteral("--zoom"), QStringLiteral("50")};
}

void TestExportCommands::argumentsRefused() {
    QFETCH(QStringList, arguments);
    const Run run = korva(arguments);
    QCOMPARE(run.status, 2);
    QVERIFY2(run.err.startsWith("korva: ") && run.err.endsWith("(korva --help lists the uses)\n"),
             run.err.constData());
}

QTEST_MAIN(TestExportCommands)
#include "tst_exportcommands.moc"

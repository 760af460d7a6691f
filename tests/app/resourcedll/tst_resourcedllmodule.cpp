#include "app/resourcedll/extractpictures.h"
#include "app/resourcedll/pefile.h"
#include "app/resourcedll/resourcedllmodule.h"
#include "tests/app/resourcedll/fixturedlls.h"
#include "tests/app/resourcedll/hostiledlls.h"

#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

namespace {

// The first difference between a picture and what the fixture formula says, or "".
QString firstDifference(const QImage& image, const fixtures::Bitmap& b) {
    if (image.format() != QImage::Format_RGB32)
        return QStringLiteral("format %1").arg(image.format());
    if (image.size() != QSize(b.width, b.height))
        return QStringLiteral("size %1 x %2").arg(image.width()).arg(image.height());
    const std::uint32_t exact = fixtures::exactBits(b);
    for (int y = 0; y < b.height; ++y)
        for (int x = 0; x < b.width; ++x)
            if ((image.pixel(x, y) & exact) != (fixtures::expectedRgb(b, x, y) & exact))
                return QStringLiteral("pixel %1,%2").arg(x).arg(y);
    return {};
}

QString errorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const ResourceError& error) {
        return QString::fromUtf8(error.what());
    }
    return {};
}

} // namespace

class TestResourceDllModule : public QObject {
    Q_OBJECT
private slots:
    void readsBackEveryPixel_data();
    void readsBackEveryPixel();
    void answersWhatItHolds();
    void decodesOnceAndKeeps();
    void refusesFiles_data();
    void refusesFiles();
    void leavesOutDamagedPictures();
    void hostileFiles_data();
    void hostileFiles();
    void extractsIntoAFolder();
    void extractKeepsRetouchedPictures();
    void extractReportsFailures();
    void extractCommand();
};

void TestResourceDllModule::readsBackEveryPixel_data() {
    QTest::addColumn<QString>("dll");
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("source"); // the fixture whose pixels the picture must show
    for (const char* dll : {"full32.dll", "full64.dll"}) {
        for (const fixtures::Bitmap& b : fixtures::all())
            QTest::addRow("%s %d %s", dll, b.id, b.what)
                << QString::fromLatin1(dll) << b.id << b.id;
        QTest::addRow("%s %d first language", dll, fixtures::kTwoLanguageId)
            << QString::fromLatin1(dll) << fixtures::kTwoLanguageId
            << fixtures::kFirstLanguageSource;
    }
}

// Pixels written by the fixture tool, linked into a DLL by the mingw tools, come back
// unchanged; the map picture keeps its own size.
void TestResourceDllModule::readsBackEveryPixel() {
    QFETCH(QString, dll);
    QFETCH(int, id);
    QFETCH(int, source);
    REQUIRE_FIXTURE_DLL(bytes, dll);
    const ResourceDllModule module(bytes, dll);
    QVERIFY(module.contains(id));
    const QString difference = firstDifference(module.bitmap(id), fixtures::byId(source));
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

void TestResourceDllModule::answersWhatItHolds() {
    const QString why = fixturedlls::missingReason(QStringLiteral("full32.dll"));
    if (!why.isEmpty())
        QFAIL(qPrintable(why));
    const auto module = openResourceDll(fixturedlls::path(QStringLiteral("full32.dll")));
    QCOMPARE(module->name(), QStringLiteral("full32.dll"));
    QCOMPARE(module->bitmap(16002).size(), QSize(301, 211));
    QVERIFY(module->contains(2551));
    QVERIFY(!module->contains(2552));
    QVERIFY(!module->contains(fixtures::kDataResourceId)); // data, not a bitmap
    QVERIFY(!module->contains(-1));
    const QString missing = errorOf([&] { (void)module->bitmap(2552); });
    QVERIFY2(missing.contains(QStringLiteral("2552")) &&
                 missing.contains(QStringLiteral("full32.dll")),
             qPrintable(missing));
    const auto* dllModule = dynamic_cast<const ResourceDllModule*>(module.get());
    QVERIFY(dllModule != nullptr);
    QCOMPARE(dllModule->ids().size(), fixtures::all().size() + 1);
    QVERIFY(dllModule->problems().isEmpty());
}

// A picture is decoded once; later requests share its pixels rather than copying them.
void TestResourceDllModule::decodesOnceAndKeeps() {
    REQUIRE_FIXTURE_DLL(bytes, QStringLiteral("full64.dll"));
    const ResourceDllModule module(bytes, QStringLiteral("full64.dll"));
    const QImage first = module.bitmap(16002);
    const QImage second = module.bitmap(16002);
    QCOMPARE(first.constBits(), second.constBits());
    QImage changed = module.bitmap(16002);
    changed.setPixel(0, 0, 0xFF123456);
    QVERIFY(module.bitmap(16002).pixel(0, 0) != changed.pixel(0, 0)); // callers own copies
}

void TestResourceDllModule::refusesFiles_data() {
    QTest::addColumn<QString>("content"); // "" for no file at all
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing") << QString() << QStringLiteral("does not exist");
    QTest::newRow("a folder") << QStringLiteral("<folder>") << QStringLiteral("a folder");
    QTest::newRow("a device") << QStringLiteral("<device>") << QStringLiteral("not a regular file");
    QTest::newRow("empty") << QStringLiteral("<empty>") << QStringLiteral("no MZ header");
    QTest::newRow("text") << QStringLiteral("not a program\r\n") << QStringLiteral("no MZ header");
    QTest::newRow("cut DLL") << QStringLiteral("<cut>") << QStringLiteral("outside the file");
    QTest::newRow("too large") << QStringLiteral("<huge>") << QStringLiteral("too large");
}

// A refused file names itself and the reason, so a player can tell what to fix.
void TestResourceDllModule::refusesFiles() {
    QFETCH(QString, content);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("korva_2.dll"));
    if (content == QLatin1String("<device>")) {
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path)); // endless zeros
    } else if (content == QLatin1String("<folder>")) {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("korva_2.dll")));
    } else if (!content.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        if (content == QLatin1String("<cut>")) {
            REQUIRE_FIXTURE_DLL(bytes, QStringLiteral("partial32.dll"));
            file.write(bytes.left(bytes.size() / 2));
        } else if (content == QLatin1String("<huge>")) {
            QVERIFY(file.resize(ResourceDllModule::kMaxFileSize + 1)); // sparse, not written
        } else if (content != QLatin1String("<empty>")) {
            file.write(content.toLatin1());
        }
    }
    const QString error = errorOf([&] { (void)openResourceDll(path); });
    QVERIFY2(error.startsWith(QStringLiteral("korva_2.dll: ")), qPrintable(error));
    QVERIFY2(error.contains(reason), qPrintable(error));
}

// A picture with a damaged header is left out and named in problems(); the rest stay.
void TestResourceDllModule::leavesOutDamagedPictures() {
    REQUIRE_FIXTURE_DLL(bytes, QStringLiteral("full32.dll"));
    const auto entries = pefile::listBitmapResources(fixturedlls::exactCopy(bytes, bytes.size()));
    const auto damaged = std::find_if(entries.begin(), entries.end(),
                                      [](const pefile::BitmapEntry& e) { return e.id == 2003; });
    QVERIFY(damaged != entries.end());
    bytes[qsizetype(damaged->offset)] = 20; // header size 20: no such header
    const ResourceDllModule module(bytes, QStringLiteral("korva_2.dll"));
    QVERIFY(!module.contains(2003));
    QCOMPARE(module.problems(),
             QStringList{QStringLiteral("bitmap 2003: unsupported bitmap header size 20")});
    QVERIFY(module.contains(2002));
    QVERIFY(firstDifference(module.bitmap(2004), fixtures::byId(2004)).isEmpty());
}

void TestResourceDllModule::hostileFiles_data() {
    QTest::addColumn<QByteArray>("dll");
    QTest::addColumn<std::vector<int>>("ids");
    QTest::addColumn<int>("tooLarge");
    QTest::addColumn<QSize>("kept"); // of the first picture, when there is one
    QTest::addColumn<QSize>("whole");
    const auto bytes = [](const std::vector<std::uint8_t>& v) {
        return QByteArray(reinterpret_cast<const char*>(v.data()), qsizetype(v.size()));
    };
    QTest::newRow("counters of 4096 x 4096") << bytes(hostiledlls::rleBomb(2000, 16, 4096, 4096))
                                             << std::vector<int>{} << 16 << QSize() << QSize();
    QTest::newRow("a counter of 200 x 200, cut to its use")
        << bytes(hostiledlls::rleBomb(2000, 1, 200, 200)) << std::vector<int>{2000} << 0
        << QSize(27, 24) << QSize(200, 200);
    QTest::newRow("tags of 65 x 65") << bytes(hostiledlls::rleBomb(16011, 6, 65, 65))
                                     << std::vector<int>{} << 6 << QSize() << QSize();
    QTest::newRow("a map larger than twice the map")
        << bytes(hostiledlls::rleBomb(16002, 1, 3025, 2720)) << std::vector<int>{} << 1 << QSize()
        << QSize();
    QTest::newRow("65,535 sections, 131,070 entries")
        << bytes(hostiledlls::manySections(2000)) << std::vector<int>{2000} << 0 << QSize(24, 24)
        << QSize(24, 24);
}

void TestResourceDllModule::hostileFiles() {
    QFETCH(QByteArray, dll);
    QFETCH(std::vector<int>, ids);
    QFETCH(int, tooLarge);
    QFETCH(QSize, kept);
    QFETCH(QSize, whole);
    const ResourceDllModule module(dll, QStringLiteral("korva_2.dll"));
    QCOMPARE(module.ids(), ids);
    QCOMPARE(module.problems().size(), tooLarge);
    for (const QString& problem : module.problems())
        QVERIFY2(problem.contains(QStringLiteral("too large for its picture")),
                 qPrintable(problem));
    if (!ids.empty()) {
        QCOMPARE(module.bitmap(ids[0]).size(), kept);
        QCOMPARE(module.decode(ids[0]).size(), whole); // what extracting writes
    }
}

void TestResourceDllModule::extractsIntoAFolder() {
    const QString why = fixturedlls::missingReason(QStringLiteral("full64.dll"));
    if (!why.isEmpty())
        QFAIL(qPrintable(why));
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("korva_2"));
    ExtractResult result;
    QString error;
    QVERIFY2(
        extractPictures(fixturedlls::path(QStringLiteral("full64.dll")), folder, &result, &error),
        qPrintable(error));
    const ResourceDllModule module(fixturedlls::path(QStringLiteral("full64.dll")));
    QCOMPARE(result.written, int(module.ids().size()));
    QVERIFY(result.skipped.isEmpty());
    for (const int id : module.ids()) {
        const QImage png(QDir(folder).filePath(QStringLiteral("%1.png").arg(id)));
        QVERIFY2(!png.isNull(), qPrintable(QString::number(id)));
        QCOMPARE(png.convertToFormat(QImage::Format_RGB32), module.bitmap(id));
    }
    QCOMPARE(QDir(folder).entryList(QDir::Files).size(), int(module.ids().size()));
}

// Extracting again writes only what is missing: a retouched picture is never replaced.
void TestResourceDllModule::extractKeepsRetouchedPictures() {
    const QString why = fixturedlls::missingReason(QStringLiteral("partial32.dll"));
    if (!why.isEmpty())
        QFAIL(qPrintable(why));
    const QString dll = fixturedlls::path(QStringLiteral("partial32.dll"));
    QTemporaryDir dir;
    QImage retouched(24, 24, QImage::Format_RGB32);
    retouched.fill(Qt::magenta);
    QVERIFY(retouched.save(dir.filePath(QStringLiteral("2000.png"))));
    QVERIFY(retouched.save(dir.filePath(QStringLiteral("2005.bmp"))));
    ExtractResult result;
    QString error;
    QVERIFY2(extractPictures(dll, dir.path(), &result, &error), qPrintable(error));
    QCOMPARE(result.written, 1); // 16011 only
    QCOMPARE(result.skipped.size(), 2);
    QVERIFY(result.skipped[0].startsWith(QStringLiteral("bitmap 2000: ")));
    QCOMPARE(QImage(dir.filePath(QStringLiteral("2000.png"))), retouched);
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("2005.png"))));
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("16011.png"))));
    QVERIFY(extractPictures(dll, dir.path(), &result, &error));
    QCOMPARE(result.written, 0);
    QCOMPARE(result.skipped.size(), 3);
}

void TestResourceDllModule::extractReportsFailures() {
    QTemporaryDir dir;
    ExtractResult result;
    QString error;
    QVERIFY(
        !extractPictures(dir.filePath(QStringLiteral("korva_9.dll")), dir.path(), &result, &error));
    QVERIFY(result.refused);
    QCOMPARE(error, QStringLiteral("the file does not exist"));

    const QString why = fixturedlls::missingReason(QStringLiteral("partial64.dll"));
    if (!why.isEmpty())
        QFAIL(qPrintable(why));
    QFile blocker(dir.filePath(QStringLiteral("taken")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    error.clear();
    QVERIFY(!extractPictures(fixturedlls::path(QStringLiteral("partial64.dll")), blocker.fileName(),
                             &result, &error));
    QVERIFY(!result.refused);
    QVERIFY2(error.contains(QStringLiteral("taken")), qPrintable(error));
}

void TestResourceDllModule::extractCommand() {
    QString outText;
    QString errText;
    QTextStream out(&outText);
    QTextStream err(&errText);
    QCOMPARE(runExtractPictures({QStringLiteral("only-one")}, out, err), 2);
    QVERIFY(errText.contains(QStringLiteral("--extract-pictures")));

    const QString why = fixturedlls::missingReason(QStringLiteral("partial32.dll"));
    if (!why.isEmpty())
        QFAIL(qPrintable(why));
    QTemporaryDir dir;
    QCOMPARE(runExtractPictures({fixturedlls::path(QStringLiteral("partial32.dll")), dir.path()},
                                out, err),
             0);
    out.flush();
    QVERIFY2(outText.startsWith(QStringLiteral("Wrote 3 pictures to ")), qPrintable(outText));

    // A refused DLL is named with the reason on one line, like a refused move file.
    errText.clear();
    const QString notADll = dir.filePath(QStringLiteral("2000.png"));
    QCOMPARE(runExtractPictures({notADll, dir.path()}, out, err), 2);
    err.flush();
    QCOMPARE(errText,
             QStringLiteral("korva: %1: not a Windows module (no MZ header)\n").arg(notADll));
}

QTEST_GUILESS_MAIN(TestResourceDllModule)
#include "tst_resourcedllmodule.moc"

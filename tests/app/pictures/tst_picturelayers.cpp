#include "app/pictures/builtinpicturemodule.h"
#include "app/pictures/folderpicturemodule.h"
#include "app/pictures/layeredpicturemodule.h"
#include "app/pictures/picturemoduleloader.h"
#include "tests/common/fakepicturemodule.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <stdexcept>

namespace {

const QRgb kRed = qRgb(255, 0, 0);
const QRgb kBlue = qRgb(0, 0, 255);

void writePicture(const QString& path, QRgb colour, QImage::Format format = QImage::Format_RGB32,
                  const char* fileFormat = nullptr) {
    QImage image(24, 24, format);
    image.fill(colour);
    QVERIFY2(image.save(path, fileFormat), qPrintable(path));
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Stands in for a resource DLL holding one picture.
std::unique_ptr<PictureModule> fakeDll(const QString& path, int id) {
    auto dll = std::make_unique<FakePictureModule>(path);
    dll->only = {id};
    return dll;
}

QString errorOf(const PictureModule& module, int id) {
    try {
        module.bitmap(id);
    } catch (const ResourceError& error) {
        return QString::fromUtf8(error.what());
    }
    return {};
}

} // namespace

class TestPictureLayers : public QObject {
    Q_OBJECT
private slots:
    void folderHoldsItsNumberedPictures();
    void folderConvertsToRgb32();
    void folderPrefersPngOverBmp();
    void unreadableFileNamesFileAndReason();
    void layersFallBackPictureByPicture();
    void unreadablePicturesArePassedOver_data();
    void unreadablePicturesArePassedOver();
    void oversizedPicturesAreCut_data();
    void oversizedPicturesAreCut();
    void loaderSearchesProgramFolderFirst_data();
    void loaderSearchesProgramFolderFirst();
    void loaderPutsDllOverFolder();
    void failingDllWarnsAndFallsBack_data();
    void failingDllWarnsAndFallsBack();
    void dllWithoutOpenerIsPassedOver();
    void sameFolderTwiceIsSearchedOnce();
    void unknownModuleHasOnlyWhatFilesGive();
};

void TestPictureLayers::folderHoldsItsNumberedPictures() {
    QTemporaryDir dir;
    writePicture(dir.filePath(QStringLiteral("2000.png")), kRed);
    writePicture(dir.filePath(QStringLiteral("2001.bmp")), kBlue, QImage::Format_RGB32, "BMP");
    writePicture(dir.filePath(QStringLiteral("2002.PNG")), kRed);
    writePicture(dir.filePath(QStringLiteral("map.png")), kRed);
    writeBytes(dir.filePath(QStringLiteral("2003.gif")), "GIF89a");
    writeBytes(dir.filePath(QStringLiteral("notes.txt")), "2004");
    const FolderPictureModule folder(dir.path(), QStringLiteral("korva_2.dll"));
    QVERIFY(folder.contains(2000));
    QVERIFY(folder.contains(2001));
    QVERIFY(folder.contains(2002));
    QVERIFY(!folder.contains(2003));
    QVERIFY(!folder.contains(2004));
    QCOMPARE(folder.bitmap(2000).pixel(5, 5), kRed);
    QCOMPARE(folder.bitmap(2001).pixel(5, 5), kBlue);
    QVERIFY(errorOf(folder, 2005).contains(QLatin1String("2005")));
}

void TestPictureLayers::folderConvertsToRgb32() {
    QTemporaryDir dir;
    writePicture(dir.filePath(QStringLiteral("16002.png")), qRgba(0, 128, 0, 255),
                 QImage::Format_ARGB32);
    QImage indexed(8, 8, QImage::Format_Indexed8);
    indexed.setColorTable({kBlue});
    indexed.fill(0);
    QVERIFY(indexed.save(dir.filePath(QStringLiteral("16011.bmp"))));
    const FolderPictureModule folder(dir.path(), QStringLiteral("korva_1.dll"));
    const QImage map = folder.bitmap(16002);
    QCOMPARE(map.format(), QImage::Format_RGB32);
    QCOMPARE(map.pixel(0, 0), qRgb(0, 128, 0));
    QCOMPARE(folder.bitmap(16011).format(), QImage::Format_RGB32);
    QCOMPARE(folder.bitmap(16011).pixel(7, 7), kBlue);
    // Decoded once and kept.
    QCOMPARE(folder.bitmap(16002).constBits(), map.constBits());
}

void TestPictureLayers::folderPrefersPngOverBmp() {
    QTemporaryDir dir;
    writePicture(dir.filePath(QStringLiteral("2100.bmp")), kBlue, QImage::Format_RGB32, "BMP");
    writePicture(dir.filePath(QStringLiteral("2100.png")), kRed);
    const FolderPictureModule folder(dir.path(), QStringLiteral("korva_2.dll"));
    QCOMPARE(folder.bitmap(2100).pixel(0, 0), kRed);
}

void TestPictureLayers::unreadableFileNamesFileAndReason() {
    QTemporaryDir dir;
    writeBytes(dir.filePath(QStringLiteral("2000.png")), "this is no picture");
    writeBytes(dir.filePath(QStringLiteral("2001.bmp")), QByteArray());
    const FolderPictureModule folder(dir.path(), QStringLiteral("korva_2.dll"));
    QVERIFY(folder.contains(2000));
    for (const QString& file : {QStringLiteral("2000.png"), QStringLiteral("2001.bmp")}) {
        const QString message = errorOf(folder, file.left(4).toInt());
        QVERIFY2(message.contains(QDir::toNativeSeparators(dir.filePath(file))),
                 qPrintable(message));
        QVERIFY2(message.contains(QLatin1String("korva_2.dll")), qPrintable(message));
        // The reason comes after the file name.
        QVERIFY2(message.section(file, 1).size() > 3, qPrintable(message));
    }
}

void TestPictureLayers::layersFallBackPictureByPicture() {
    QTemporaryDir dir;
    writePicture(dir.filePath(QStringLiteral("2000.png")), kRed);
    std::vector<std::unique_ptr<PictureModule>> layers;
    layers.push_back(fakeDll(QStringLiteral("dll"), 2001));
    layers.push_back(
        std::make_unique<FolderPictureModule>(dir.path(), QStringLiteral("korva_2.dll")));
    layers.push_back(nullptr);
    layers.push_back(
        std::make_unique<BuiltinPictureModule>(BuiltinPictureModule::Set::CountersAndMarkers));
    const LayeredPictureModule module(QStringLiteral("korva_2.dll"), std::move(layers));
    QCOMPARE(module.layerNames().size(), 3);
    QCOMPARE(module.name(), QStringLiteral("korva_2.dll"));
    QCOMPARE(module.bitmap(2000).pixel(12, 12), kRed);
    QCOMPARE(module.bitmap(2001).pixel(12, 12), FakePictureModule::colourOf(2001));
    const QImage drawn = module.bitmap(2002);
    QCOMPARE(drawn.size(), QSize(24, 24));
    QVERIFY(drawn.pixel(12, 12) != kRed &&
            drawn.pixel(12, 12) != FakePictureModule::colourOf(2001));
    QVERIFY(module.contains(2551));
    QVERIFY(!module.contains(16002));
    QVERIFY(errorOf(module, 16002).contains(QLatin1String("korva_2.dll")));
}

void TestPictureLayers::unreadablePicturesArePassedOver_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QByteArray>("file"); // empty: a picture of `size`
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("reason");
    QTest::newRow("damaged") << 2000 << QByteArray("\x89PNG\r\n\x1a\nbroken") << QSize()
                             << QStringLiteral("cannot read picture");
    QTest::newRow("empty") << 2001 << QByteArray("") << QSize(0, 0)
                           << QStringLiteral("cannot read picture");
    QTest::newRow("counter far beyond its kind")
        << 2002 << QByteArray() << QSize(257, 20) << QStringLiteral("too large");
    QTest::newRow("tag far beyond its kind")
        << 16011 << QByteArray() << QSize(20, 65) << QStringLiteral("too large");
}

// A picture the folder holds but cannot give comes from the next layer, the listener hears
// of it once, and the file is not tried again.
void TestPictureLayers::unreadablePicturesArePassedOver() {
    QFETCH(int, id);
    QFETCH(QByteArray, file);
    QFETCH(QSize, size);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("%1.png").arg(id));
    if (size.isValid() && !size.isEmpty()) {
        QImage big(size, QImage::Format_RGB32);
        big.fill(kRed);
        QVERIFY(big.save(path));
    } else {
        writeBytes(path, file);
    }
    std::vector<std::unique_ptr<PictureModule>> layers;
    layers.push_back(std::make_unique<FolderPictureModule>(dir.path(), QStringLiteral("k.dll")));
    auto fallback = std::make_unique<FakePictureModule>(QStringLiteral("next"));
    const FakePictureModule& next = *fallback;
    layers.push_back(std::move(fallback));
    LayeredPictureModule module(QStringLiteral("k.dll"), std::move(layers));
    QStringList heard;
    module.setFallbackListener([&heard](const QString& note) { heard << note; });
    QCOMPARE(module.bitmap(id).pixel(0, 0), FakePictureModule::colourOf(id));
    QCOMPARE(heard.size(), 1);
    QVERIFY2(heard[0].contains(QDir::toNativeSeparators(path)) && heard[0].contains(reason) &&
                 heard[0].endsWith(QStringLiteral("next is used instead")),
             qPrintable(heard[0]));
    QFile::remove(path); // were it read again, this would show
    QCOMPARE(module.bitmap(id).pixel(0, 0), FakePictureModule::colourOf(id));
    QCOMPARE(heard.size(), 1);
    QCOMPARE(next.loads, 2);
    // With no other layer the folder's own reason is the error.
    std::vector<std::unique_ptr<PictureModule>> alone;
    writeBytes(path, "broken");
    alone.push_back(std::make_unique<FolderPictureModule>(dir.path(), QStringLiteral("k.dll")));
    const LayeredPictureModule lonely(QStringLiteral("k.dll"), std::move(alone));
    QVERIFY(errorOf(lonely, id).contains(QStringLiteral("cannot read picture")));
}

void TestPictureLayers::oversizedPicturesAreCut_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QSize>("given");
    QTest::addColumn<QSize>("drawn");
    QTest::newRow("counter") << 2000 << QSize(40, 40) << QSize(27, 24);
    QTest::newRow("tall counter") << 2000 << QSize(24, 26) << QSize(24, 24);
    QTest::newRow("counter that fits") << 2000 << QSize(24, 24) << QSize(24, 24);
    QTest::newRow("marker") << 2551 << QSize(24, 24) << QSize(19, 16);
    QTest::newRow("tag") << 16014 << QSize(10, 9) << QSize(8, 8);
    QTest::newRow("small tag") << 16024 << QSize(6, 6) << QSize(6, 6);
    QTest::newRow("map") << 16002 << QSize(1800, 2800) << QSize(1800, 2800);
}

// What a hex or a tag cannot wipe again would stay on the map for good.
void TestPictureLayers::oversizedPicturesAreCut() {
    QFETCH(int, id);
    QFETCH(QSize, given);
    QFETCH(QSize, drawn);
    QTemporaryDir dir;
    QImage image(given, QImage::Format_RGB32);
    image.fill(kRed);
    QVERIFY(image.save(dir.filePath(QStringLiteral("%1.png").arg(id))));
    std::vector<std::unique_ptr<PictureModule>> layers;
    layers.push_back(
        std::make_unique<FolderPictureModule>(dir.path(), QStringLiteral("korva.dll")));
    const LayeredPictureModule module(QStringLiteral("korva.dll"), std::move(layers));
    const QImage picture = module.bitmap(id);
    QCOMPARE(picture.size(), drawn);
    QCOMPARE(picture.pixel(0, 0), kRed);
}

void TestPictureLayers::loaderSearchesProgramFolderFirst_data() {
    QTest::addColumn<bool>("inProgram");
    QTest::addColumn<bool>("inCurrent");
    QTest::addColumn<QRgb>("expected");
    QTest::newRow("both") << true << true << kRed;
    QTest::newRow("program folder only") << true << false << kRed;
    QTest::newRow("current folder only") << false << true << kBlue;
}

void TestPictureLayers::loaderSearchesProgramFolderFirst() {
    QFETCH(bool, inProgram);
    QFETCH(bool, inCurrent);
    QFETCH(QRgb, expected);
    QTemporaryDir program;
    QTemporaryDir current;
    if (inProgram) {
        QDir(program.path()).mkdir(QStringLiteral("korva_2"));
        writePicture(program.filePath(QStringLiteral("korva_2/2000.png")), kRed);
    }
    if (inCurrent) {
        QDir(current.path()).mkdir(QStringLiteral("korva_2"));
        writePicture(current.filePath(QStringLiteral("korva_2/2000.png")), kBlue);
    }
    QStringList warnings;
    const auto module = loadPictureModule(QStringLiteral("korva_2.dll"),
                                          {program.path(), current.path()}, {}, &warnings);
    QCOMPARE(module->bitmap(2000).pixel(0, 0), expected);
    QCOMPARE(module->bitmap(2001).size(), QSize(24, 24)); // from the built-in set
    QVERIFY(warnings.isEmpty());
}

void TestPictureLayers::loaderPutsDllOverFolder() {
    QTemporaryDir program;
    QTemporaryDir current;
    writeBytes(program.filePath(QStringLiteral("korva_2.dll")), "MZ");
    writeBytes(current.filePath(QStringLiteral("korva_2.dll")), "MZ");
    QDir(current.path()).mkdir(QStringLiteral("korva_2"));
    writePicture(current.filePath(QStringLiteral("korva_2/2000.png")), kRed);
    writePicture(current.filePath(QStringLiteral("korva_2/2001.png")), kRed);
    QStringList opened;
    const auto module =
        loadPictureModule(QStringLiteral("korva_2.dll"), {program.path(), current.path()},
                          [&opened](const QString& path) {
                              opened << path;
                              return fakeDll(path, 2000);
                          });
    QCOMPARE(opened, QStringList{program.filePath(QStringLiteral("korva_2.dll"))});
    QCOMPARE(module->bitmap(2000).pixel(0, 0), FakePictureModule::colourOf(2000)); // the DLL
    QCOMPARE(module->bitmap(2001).pixel(0, 0), kRed);                              // the folder
    QVERIFY(module->contains(2394)); // the built-in set
}

void TestPictureLayers::failingDllWarnsAndFallsBack_data() {
    QTest::addColumn<bool>("throws");
    QTest::newRow("opener throws") << true;
    QTest::newRow("opener gives nothing") << false;
}

void TestPictureLayers::failingDllWarnsAndFallsBack() {
    QFETCH(bool, throws);
    QTemporaryDir program;
    writeBytes(program.filePath(QStringLiteral("korva_1.dll")), "not a DLL");
    QStringList warnings;
    const auto module = loadPictureModule(
        QStringLiteral("korva_1.dll"), {program.path()},
        [throws](const QString&) -> std::unique_ptr<PictureModule> {
            if (throws)
                throw std::runtime_error("no PE header");
            return nullptr;
        },
        &warnings);
    QCOMPARE(warnings.size(), 1);
    QVERIFY2(warnings.first().contains(
                 QDir::toNativeSeparators(program.filePath(QStringLiteral("korva_1.dll")))),
             qPrintable(warnings.first()));
    if (throws)
        QVERIFY2(warnings.first().contains(QLatin1String("no PE header")),
                 qPrintable(warnings.first()));
    QCOMPARE(module->bitmap(16011).size(), QSize(8, 8));
}

void TestPictureLayers::dllWithoutOpenerIsPassedOver() {
    QTemporaryDir program;
    writeBytes(program.filePath(QStringLiteral("korva_1.dll")), "MZ");
    QStringList warnings;
    const auto module =
        loadPictureModule(QStringLiteral("korva_1.dll"), {program.path()}, {}, &warnings);
    QVERIFY(warnings.isEmpty());
    QVERIFY(module->contains(16026));
}

void TestPictureLayers::sameFolderTwiceIsSearchedOnce() {
    QTemporaryDir program;
    writeBytes(program.filePath(QStringLiteral("korva_2.dll")), "MZ");
    int calls = 0;
    QStringList warnings;
    loadPictureModule(
        QStringLiteral("korva_2.dll"), {program.path(), program.path() + QStringLiteral("/.")},
        [&calls](const QString&) -> std::unique_ptr<PictureModule> {
            ++calls;
            return nullptr;
        },
        &warnings);
    QCOMPARE(calls, 1);
    QCOMPARE(warnings.size(), 1);
}

void TestPictureLayers::unknownModuleHasOnlyWhatFilesGive() {
    QTemporaryDir program;
    const auto module =
        loadPictureModule(QStringLiteral("korva_3.dll"), {program.path()}, {}, nullptr);
    QVERIFY(!module->contains(2000));
    QVERIFY(!module->contains(16002));
    QVERIFY(errorOf(*module, 2000).contains(QLatin1String("korva_3.dll")));
}

QTEST_MAIN(TestPictureLayers)
#include "tst_picturelayers.moc"

#include "app/pictures/builtinpicturemodule.h"
#include "app/pictures/folderpicturemodule.h"
#include "app/pictures/layeredpicturemodule.h"
#include "app/pictures/picturemoduleloader.h"
#include "app/resourcedll/pefile.h"
#include "app/resourcedll/resourcedllmodule.h"
#include "tests/app/resourcedll/fixturedlls.h"

#include <QImage>
#include <QTemporaryDir>
#include <QTest>

namespace {

bool showsFixture(const QImage& image, int id) {
    const fixtures::Bitmap& b = fixtures::byId(id);
    if (image.size() != QSize(b.width, b.height))
        return false;
    for (int y = 0; y < b.height; ++y)
        for (int x = 0; x < b.width; ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != fixtures::expectedRgb(b, x, y))
                return false;
    return true;
}

QImage plain(QColor colour) {
    QImage image(24, 24, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

} // namespace

// A player's DLL holds only some pictures: the rest come from their picture folder, and
// what neither holds from the built-in set.
class TestResourceDllLayers : public QObject {
    Q_OBJECT
private slots:
    void init();
    void dllThenFolderThenBuiltIn_data();
    void dllThenFolderThenBuiltIn();
    void refusedDllFallsBack();

private:
    std::unique_ptr<QTemporaryDir> dir_;
    QByteArray dll_;
};

void TestResourceDllLayers::init() {
    // partial32.dll holds 2000, 2005 and 16011; the folder holds 2001 and its own 2005.
    const QString why = fixturedlls::missingReason(QStringLiteral("partial32.dll"));
    if (!why.isEmpty())
        QFAIL(qPrintable(why));
    dll_ = fixturedlls::read(QStringLiteral("partial32.dll"));
    dir_ = std::make_unique<QTemporaryDir>();
    const QDir dir(dir_->path());
    QVERIFY(dir.mkdir(QStringLiteral("korva_2")));
    QVERIFY(plain(Qt::magenta).save(dir.filePath(QStringLiteral("korva_2/2005.png"))));
    QVERIFY(plain(Qt::cyan).save(dir.filePath(QStringLiteral("korva_2/2001.png"))));
}

void TestResourceDllLayers::dllThenFolderThenBuiltIn_data() {
    QTest::addColumn<bool>("damagedPicture"); // 2005's header spoilt inside the DLL
    QTest::newRow("sound DLL") << false;
    QTest::newRow("DLL with a damaged picture") << true;
}

void TestResourceDllLayers::dllThenFolderThenBuiltIn() {
    QFETCH(bool, damagedPicture);
    if (damagedPicture) {
        for (const auto& e : pefile::listBitmapResources(fixturedlls::exactCopy(dll_, dll_.size())))
            if (e.id == 2005)
                dll_[qsizetype(e.offset)] = 20;
    }
    QFile file(QDir(dir_->path()).filePath(QStringLiteral("korva_2.dll")));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(dll_) == dll_.size());
    file.close();

    QStringList warnings;
    const auto module = loadPictureModule(QStringLiteral("korva_2.dll"), {dir_->path()},
                                          &openResourceDll, &warnings);
    QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join(QLatin1Char('\n'))));
    const auto* layered = dynamic_cast<const LayeredPictureModule*>(module.get());
    QVERIFY(layered != nullptr);

    QVERIFY(dynamic_cast<const ResourceDllModule*>(layered->layerFor(2000)) != nullptr);
    QVERIFY(showsFixture(module->bitmap(2000), 2000));
    QVERIFY(dynamic_cast<const FolderPictureModule*>(layered->layerFor(2001)) != nullptr);
    QCOMPARE(module->bitmap(2001), plain(Qt::cyan));
    QVERIFY(dynamic_cast<const BuiltinPictureModule*>(layered->layerFor(2002)) != nullptr);
    QCOMPARE(module->bitmap(2002).size(), QSize(24, 24));
    QVERIFY(dynamic_cast<const BuiltinPictureModule*>(layered->layerFor(2552)) != nullptr);
    if (damagedPicture) {
        QVERIFY(dynamic_cast<const FolderPictureModule*>(layered->layerFor(2005)) != nullptr);
        QCOMPARE(module->bitmap(2005), plain(Qt::magenta));
    } else {
        QVERIFY(dynamic_cast<const ResourceDllModule*>(layered->layerFor(2005)) != nullptr);
        QVERIFY(showsFixture(module->bitmap(2005), 2005));
    }
}

// A DLL cut short is named in a warning; the folder and the built-in set serve instead.
void TestResourceDllLayers::refusedDllFallsBack() {
    QFile file(QDir(dir_->path()).filePath(QStringLiteral("korva_2.dll")));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(dll_.left(300)) == 300);
    file.close();
    QStringList warnings;
    const auto module = loadPictureModule(QStringLiteral("korva_2.dll"), {dir_->path()},
                                          &openResourceDll, &warnings);
    QCOMPARE(warnings.size(), 1);
    QVERIFY2(warnings[0].contains(QStringLiteral("korva_2.dll")) &&
                 warnings[0].contains(QStringLiteral("outside the file")),
             qPrintable(warnings[0]));
    QCOMPARE(module->bitmap(2005), plain(Qt::magenta));
    QVERIFY(module->contains(2000));
    QVERIFY(!showsFixture(module->bitmap(2000), 2000));
    // The window's listener hears of it too, not only standard error.
    QStringList heard;
    module->setFallbackListener([&heard](const QString& note) { heard << note; });
    QCOMPARE(heard, warnings);
}

QTEST_MAIN(TestResourceDllLayers)
#include "tst_resourcedlllayers.moc"

#include "app/resourcedll/dibfile.h"
#include "app/resourcedll/dibimage.h"
#include "tests/app/resourcedll/fixturedlls.h"

#include <QTest>

#include <climits>
#include <functional>

using Dib = std::vector<std::uint8_t>;
Q_DECLARE_METATYPE(Dib)

namespace {

void set16(Dib& d, std::size_t at, std::uint32_t v) {
    d[at] = static_cast<std::uint8_t>(v);
    d[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

void set32(Dib& d, std::size_t at, std::uint32_t v) {
    set16(d, at, v & 0xFFFF);
    set16(d, at + 2, v >> 16);
}

// Field offsets in a Windows bitmap header.
constexpr std::size_t kWidth = 4, kHeight = 8, kPlanes = 12, kBits = 14, kCompression = 16,
                      kClrUsed = 32, kMasks = 40;

Dib dibWith(int fixtureId, const std::function<void(Dib&)>& change) {
    Dib d = fixturedlls::dibOf(fixtures::byId(fixtureId));
    change(d);
    return d;
}

} // namespace

class TestDibFile : public QObject {
    Q_OBJECT
private slots:
    void givesBackTheFileHeader_data();
    void givesBackTheFileHeader();
    void decodesEveryPixel_data();
    void decodesEveryPixel();
    void refusesDamagedHeaders_data();
    void refusesDamagedHeaders();
};

void TestDibFile::givesBackTheFileHeader_data() {
    QTest::addColumn<int>("id");
    for (const fixtures::Bitmap& b : fixtures::all())
        QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(b.id).arg(QLatin1String(b.what))))
            << b.id;
}

// The header put back must be byte for byte the one the .bmp writer made, pixel-data
// offset included (header, colour masks and every palette entry counted).
void TestDibFile::givesBackTheFileHeader() {
    QFETCH(int, id);
    const fixtures::Bitmap& b = fixtures::byId(id);
    QCOMPARE(dibfile::toBmpFile(fixturedlls::dibOf(b)), fixtures::bmpFile(b));
}

void TestDibFile::decodesEveryPixel_data() {
    givesBackTheFileHeader_data();
}

void TestDibFile::decodesEveryPixel() {
    QFETCH(int, id);
    const fixtures::Bitmap& b = fixtures::byId(id);
    const QImage image = decodeDib(fixturedlls::dibOf(b));
    QCOMPARE(image.format(), QImage::Format_RGB32);
    QCOMPARE(image.size(), QSize(b.width, b.height));
    const std::uint32_t exact = fixtures::exactBits(b);
    for (int y = 0; y < b.height; ++y)
        for (int x = 0; x < b.width; ++x)
            if ((image.pixel(x, y) & exact) != (fixtures::expectedRgb(b, x, y) & exact))
                QFAIL(
                    qPrintable(QStringLiteral("pixel %1,%2 is %3, expected %4")
                                   .arg(x)
                                   .arg(y)
                                   .arg(image.pixel(x, y) & 0xFFFFFF, 6, 16, QLatin1Char('0'))
                                   .arg(fixtures::expectedRgb(b, x, y), 6, 16, QLatin1Char('0'))));
}

void TestDibFile::refusesDamagedHeaders_data() {
    QTest::addColumn<Dib>("dib");
    QTest::addColumn<QString>("reason");
    const auto row = [](const char* name, Dib dib, const char* reason) {
        QTest::newRow(name) << std::move(dib) << QString::fromLatin1(reason);
    };
    // 2003: 8 bits, 24 x 24, bottom-up; 2005: 24 bits; 2008: 16 bits with masks.
    row("three bytes", Dib{40, 0, 0}, "too short");
    row("header size 20", dibWith(2003, [](Dib& d) { set32(d, 0, 20); }), "header size 20");
    row("V2 header size 52", dibWith(2003, [](Dib& d) { set32(d, 0, 52); }), "header size 52");
    row("header cut short", dibWith(2003, [](Dib& d) { d.resize(30); }), "header runs past");
    row("two planes", dibWith(2003, [](Dib& d) { set16(d, kPlanes, 2); }), "2 planes");
    row("JPEG or PNG inside", dibWith(2003, [](Dib& d) { set16(d, kBits, 0); }), "depth of 0");
    row("2 bits", dibWith(2003, [](Dib& d) { set16(d, kBits, 2); }), "depth of 2");
    row("16 bits, old header", dibWith(2010, [](Dib& d) { set16(d, 10, 16); }),
        "16 bits in an old-style");
    row("8-bit runs on 24 bits", dibWith(2005, [](Dib& d) { set32(d, kCompression, 1); }),
        "8-bit run-length");
    row("4-bit runs on 8 bits", dibWith(2003, [](Dib& d) { set32(d, kCompression, 2); }),
        "4-bit run-length");
    row("masks on 24 bits", dibWith(2005, [](Dib& d) { set32(d, kCompression, 3); }),
        "neither 16 nor 32");
    row("JPEG compression", dibWith(2005, [](Dib& d) { set32(d, kCompression, 4); }),
        "compression 4");
    row("alpha bit fields", dibWith(2005, [](Dib& d) { set32(d, kCompression, 6); }),
        "compression 6");
    row("top-down runs",
        dibWith(2011, [](Dib& d) { set32(d, kHeight, static_cast<std::uint32_t>(-5)); }),
        "cannot be stored top-down");
    row("zero width", dibWith(2003, [](Dib& d) { set32(d, kWidth, 0); }), "no pixels");
    row("negative width", dibWith(2003, [](Dib& d) { set32(d, kWidth, 0xFFFFFFF0); }), "no pixels");
    row("zero height", dibWith(2003, [](Dib& d) { set32(d, kHeight, 0); }), "no pixels");
    row("height INT_MIN", dibWith(2003, [](Dib& d) { set32(d, kHeight, 0x80000000); }),
        "too large");
    row("16385 wide", dibWith(2003, [](Dib& d) { set32(d, kWidth, 16385); }), "too large");
    row("4097 x 4097",
        dibWith(2003,
                [](Dib& d) {
                    set32(d, kWidth, 4097);
                    set32(d, kHeight, 4097);
                }),
        "too large");
    row("257 colours for 8 bits", dibWith(2003, [](Dib& d) { set32(d, kClrUsed, 257); }),
        "257 palette colours");
    row("17 colours for 4 bits", dibWith(2001, [](Dib& d) { set32(d, kClrUsed, 17); }),
        "17 palette colours");
    row("huge optional palette", dibWith(2005, [](Dib& d) { set32(d, kClrUsed, 0xFFFFFFFF); }),
        "palette runs past");
    row("palette cut short", dibWith(2003, [](Dib& d) { d.resize(40 + 4 * 255); }),
        "palette runs past");
    row("last row one byte short", dibWith(2003, [](Dib& d) { d.pop_back(); }),
        "pixel rows run past");
    row("24-bit rows short", dibWith(2005, [](Dib& d) { set32(d, kWidth, 25); }),
        "pixel rows run past");
    row("runs missing", dibWith(2011, [](Dib& d) { d.resize(40 + 16 * 4 + 1); }),
        "run-length coded pixels are missing");
    row("zero mask", dibWith(2008, [](Dib& d) { set32(d, kMasks, 0); }), "masks are damaged");
    row("overlapping masks", dibWith(2008, [](Dib& d) { set32(d, kMasks + 4, 0x0FE0); }),
        "masks are damaged");
    row("mask beyond 16 bits", dibWith(2008, [](Dib& d) { set32(d, kMasks, 0x1F0000); }),
        "masks are damaged");
    row("mask with a gap", dibWith(2008, [](Dib& d) { set32(d, kMasks, 0xD800); }),
        "masks are damaged");
    row("every bit in one mask", dibWith(2009, [](Dib& d) { set32(d, kMasks, 0xFFFFFFFF); }),
        "masks are damaged");
    row("masks cut short", dibWith(2008, [](Dib& d) { d.resize(46); }), "masks run past");
}

void TestDibFile::refusesDamagedHeaders() {
    QFETCH(Dib, dib);
    QFETCH(QString, reason);
    try {
        (void)dibfile::toBmpFile(dib);
        QFAIL("the bitmap was accepted");
    } catch (const dibfile::DibFormatError& error) {
        QVERIFY2(QString::fromUtf8(error.what()).contains(reason), error.what());
    }
    QVERIFY_THROWS_EXCEPTION(dibfile::DibFormatError, decodeDib(dib));
}

QTEST_GUILESS_MAIN(TestDibFile)
#include "tst_dibfile.moc"

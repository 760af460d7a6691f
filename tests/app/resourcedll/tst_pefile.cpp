#include "app/resourcedll/dibfile.h"
#include "app/resourcedll/dibimage.h"
#include "app/resourcedll/pefile.h"
#include "tests/app/resourcedll/fixturedlls.h"
#include "tests/app/resourcedll/minipe.h"

#include <QTest>

#include <algorithm>
#include <functional>

namespace {

using Entries = std::vector<pefile::BitmapEntry>;

MiniPe twoBitmaps(bool wide) {
    return MiniPe(wide, {{2000, fixturedlls::dibOf(fixtures::byId(2000))},
                         {2006, fixturedlls::dibOf(fixtures::byId(2006))}});
}

// What a listing must satisfy whatever the file: every bitmap lies inside the file, and
// decoding it either gives a picture of the size its header states or is refused.
void checkListing(const std::vector<std::uint8_t>& file, const Entries& entries) {
    for (const pefile::BitmapEntry& e : entries) {
        QVERIFY(e.offset <= file.size() && e.size <= file.size() - e.offset);
        const auto dib = std::span(file).subspan(e.offset, e.size);
        try {
            const dibfile::DibLayout layout = dibfile::inspectDib(dib);
            const QImage image = decodeDib(dib);
            QCOMPARE(image.size(), QSize(layout.width, layout.height));
            QCOMPARE(image.format(), QImage::Format_RGB32);
        } catch (const dibfile::DibFormatError&) {
        }
    }
}

struct Damage {
    const char* name;
    std::function<void(MiniPe&)> apply;
    const char* reason; // nullptr: the file is accepted
    int bitmaps;        // how many bitmaps an accepted file lists
    int firstId = 2000; // and the first of them
};

const std::vector<Damage>& damages() {
    using M = MiniPe;
    static const std::vector<Damage> table = {
        {"sound", [](M&) {}, nullptr, 2},
        {"empty file", [](M& pe) { pe.bytes.clear(); }, "no MZ header", 0},
        {"DOS header cut", [](M& pe) { pe.bytes.resize(40); }, "no MZ header", 0},
        {"no MZ", [](M& pe) { pe.bytes[0] = 'X'; }, "no MZ header", 0},
        {"PE header pointer past the end", [](M& pe) { pe.set32(0x3C, 0xFFFFFFF0); },
         "the PE header lies outside the file", 0},
        {"PE header pointer at the last bytes",
         [](M& pe) { pe.set32(0x3C, static_cast<std::uint32_t>(pe.bytes.size() - 2)); },
         "the PE header lies outside the file", 0},
        {"no PE signature", [](M& pe) { pe.bytes[M::kPeAt] = 'X'; }, "no PE signature", 0},
        {"file header cut", [](M& pe) { pe.bytes.resize(M::kFileHeader + 10); },
         "the PE file header lies outside", 0},
        {"unknown optional header", [](M& pe) { pe.set16(M::kOptional, 0x107); },
         "unknown optional header kind 263", 0},
        {"optional header too short", [](M& pe) { pe.set16(M::kFileHeader + 16, 8); },
         "the optional header is too short", 0},
        {"optional header without room for the resource directory",
         [](M& pe) { pe.set16(M::kFileHeader + 16, pe.wide ? 120 : 104); },
         "too short for its data directories", 0},
        {"two data directories only",
         [](M& pe) { pe.set32(M::kOptional + (pe.wide ? 108 : 92), 2); }, nullptr, 0},
        {"no resource directory", [](M& pe) { pe.set32(pe.resourceDirectoryField, 0); }, nullptr,
         0},
        {"65535 sections", [](M& pe) { pe.set16(M::kFileHeader + 2, 0xFFFF); },
         "the section table lies outside the file", 0},
        {"resource directory in no section",
         [](M& pe) { pe.set32(pe.resourceDirectoryField, 0x9000); },
         "the resource directory lies outside the file's sections", 0},
        {"resource directory at the highest address",
         [](M& pe) { pe.set32(pe.resourceDirectoryField, 0xFFFFFFFF); },
         "the resource directory lies outside the file's sections", 0},
        {"section data past the end", [](M& pe) { pe.set32(pe.sectionHeader + 20, 0xFFFFFF00); },
         "the resource directory lies outside the file's sections", 0},
        {"section size beyond the file is cut to the file",
         [](M& pe) { pe.set32(pe.sectionHeader + 16, 0xFFFFFFFF); }, nullptr, 2},
        {"section at the highest address",
         [](M& pe) { pe.set32(pe.sectionHeader + 12, 0xFFFFF000); },
         "the resource directory lies outside the file's sections", 0},
        {"a section too short for the tree before the one that holds it",
         [](M& pe) {
             pe.set16(M::kFileHeader + 2, 2);
             std::copy_n(pe.bytes.begin() + pe.sectionHeader, 40,
                         pe.bytes.begin() + pe.sectionHeader + 40);
             pe.set32(pe.sectionHeader + 16, 8);
         },
         nullptr, 2},
        {"root claims 65535 entries", [](M& pe) { pe.set16(M::kTreeAt + 14, 0xFFFF); },
         "the resource directory lies outside the file", 0},
        {"root claims named entries too", [](M& pe) { pe.set16(M::kTreeAt + 12, 0xFFFF); },
         "the resource directory lies outside the file", 0},
        {"no bitmap type", [](M& pe) { pe.set32(M::kTypeEntry, 3); }, nullptr, 0},
        {"bitmap type is not a directory", [](M& pe) { pe.set32(M::kTypeEntry + 4, 0x40); },
         "the bitmap resource type is not a directory", 0},
        {"bitmap type points to the root", [](M& pe) { pe.set32(M::kTypeEntry + 4, 0x8000'0000u); },
         "has a directory where its data entry belongs", 0},
        {"bitmap directory past the end", [](M& pe) { pe.set32(M::kTypeEntry + 4, 0xFFFFFFF0); },
         "the bitmap resource directory lies outside the file", 0},
        {"bitmap directory claims 65535 entries",
         [](M& pe) { pe.set16(M::kNamesDirectory + 14, 0xFFFF); },
         "the bitmap resource directory lies outside the file", 0},
        {"name points to the root",
         [](M& pe) { pe.set32(pe.bitmaps[0].nameEntry + 4, 0x8000'0000u); },
         "bitmap 2000 has a directory where its data entry belongs", 0},
        {"name points to its own directory",
         [](M& pe) { pe.set32(pe.bitmaps[1].nameEntry + 4, 0x8000'0000u | 24); },
         "bitmap 2006 has a directory where its data entry belongs", 0},
        {"language points to its own directory",
         [](M& pe) {
             const MiniPe::Bitmap& b = pe.bitmaps[0];
             pe.set32(b.languageEntry + 4, 0x8000'0000u | (b.languageDirectory - M::kTreeAt));
         },
         "bitmap 2000 has a directory where its data entry belongs", 0},
        {"name without a language directory",
         [](M& pe) {
             const MiniPe::Bitmap& b = pe.bitmaps[0];
             pe.set32(b.nameEntry + 4, b.dataEntry - M::kTreeAt);
         },
         "bitmap 2000 has no language directory", 0},
        {"empty language directory",
         [](M& pe) { pe.set16(pe.bitmaps[1].languageDirectory + 14, 0); },
         "bitmap 2006 has no language entry", 0},
        {"language directory past the end",
         [](M& pe) { pe.set32(pe.bitmaps[0].nameEntry + 4, 0xFFFFFFF8); },
         "the language directory of a bitmap lies outside the file", 0},
        {"data entry past the end",
         [](M& pe) { pe.set32(pe.bitmaps[0].languageEntry + 4, 0x7FFFFFF0); },
         "the data entry of a bitmap lies outside the file", 0},
        {"data entry on the last bytes",
         [](M& pe) {
             const auto treeSize = static_cast<std::uint32_t>(pe.bytes.size()) - M::kTreeAt;
             pe.set32(pe.bitmaps[0].languageEntry + 4, treeSize - 8);
         },
         "the data entry of a bitmap lies outside the file", 0},
        {"data before its section", [](M& pe) { pe.set32(pe.bitmaps[0].dataEntry, 0x0FF0); },
         "the data of bitmap 2000 lies outside the file's sections", 0},
        {"data at the highest address",
         [](M& pe) { pe.set32(pe.bitmaps[0].dataEntry, 0xFFFFFFFF); },
         "the data of bitmap 2000 lies outside the file's sections", 0},
        {"data size of 4 GB", [](M& pe) { pe.set32(pe.bitmaps[1].dataEntry + 4, 0xFFFFFFFF); },
         "the data of bitmap 2006 lies outside the file's sections", 0},
        {"data one byte longer than its section",
         [](M& pe) {
             const MiniPe::Bitmap& b = pe.bitmaps[1];
             pe.set32(b.dataEntry + 4, static_cast<std::uint32_t>(pe.bytes.size()) - b.data + 1);
         },
         "the data of bitmap 2006 lies outside the file's sections", 0},
        {"data to the last byte of its section",
         [](M& pe) {
             const MiniPe::Bitmap& b = pe.bitmaps[1];
             pe.set32(b.dataEntry + 4, static_cast<std::uint32_t>(pe.bytes.size()) - b.data);
         },
         nullptr, 2},
        {"identifier above 65535", [](M& pe) { pe.set32(pe.bitmaps[1].nameEntry, 0x10000); },
         "identifier above 65535", 0},
        {"bitmap named by a string is left out",
         [](M& pe) { pe.set32(pe.bitmaps[0].nameEntry, 0x8000'0000u | 0x100); }, nullptr, 1, 2006},
        {"repeated identifier keeps the first",
         [](M& pe) { pe.set32(pe.bitmaps[1].nameEntry, 2000); }, nullptr, 1},
    };
    return table;
}

} // namespace

class TestPeFile : public QObject {
    Q_OBJECT
private slots:
    void listsFixtureBitmaps_data();
    void listsFixtureBitmaps();
    void refusesDamage_data();
    void refusesDamage();
    void truncations_data();
    void truncations();
    void bitFlips_data();
    void bitFlips();
};

void TestPeFile::listsFixtureBitmaps_data() {
    QTest::addColumn<QString>("dll");
    QTest::addColumn<QList<int>>("ids");
    QList<int> full;
    for (const fixtures::Bitmap& b : fixtures::all())
        full << b.id;
    full << fixtures::kTwoLanguageId;
    std::sort(full.begin(), full.end());
    QList<int> partial;
    for (const int id : fixtures::partialIds())
        partial << id;
    QTest::newRow("32-bit, every kind") << QStringLiteral("full32.dll") << full;
    QTest::newRow("64-bit, every kind") << QStringLiteral("full64.dll") << full;
    QTest::newRow("32-bit, a few") << QStringLiteral("partial32.dll") << partial;
    QTest::newRow("64-bit, a few") << QStringLiteral("partial64.dll") << partial;
}

// The walker finds exactly the bitmaps the script named, each pointing at exactly the
// bytes the bitmap writer made; the string-named bitmap and the data resource stay out,
// and the bitmap in two languages answers with its first.
void TestPeFile::listsFixtureBitmaps() {
    QFETCH(QString, dll);
    QFETCH(QList<int>, ids);
    REQUIRE_FIXTURE_DLL(bytes, dll);
    const auto file = fixturedlls::exactCopy(bytes, bytes.size());
    const Entries entries = pefile::listBitmapResources(file);
    QList<int> found;
    for (const pefile::BitmapEntry& e : entries) {
        found << e.id;
        const int source = e.id == fixtures::kTwoLanguageId ? fixtures::kFirstLanguageSource : e.id;
        const std::vector<std::uint8_t> expected = fixturedlls::dibOf(fixtures::byId(source));
        QVERIFY2(e.size == expected.size(), qPrintable(QString::number(e.id)));
        QVERIFY2(
            std::equal(expected.begin(), expected.end(), file.begin() + std::ptrdiff_t(e.offset)),
            qPrintable(QString::number(e.id)));
    }
    QCOMPARE(found, ids);
}

void TestPeFile::refusesDamage_data() {
    QTest::addColumn<bool>("wide");
    QTest::addColumn<int>("index");
    for (int i = 0; i < int(damages().size()); ++i) {
        QTest::addRow("32-bit: %s", damages()[std::size_t(i)].name) << false << i;
        QTest::addRow("64-bit: %s", damages()[std::size_t(i)].name) << true << i;
    }
}

void TestPeFile::refusesDamage() {
    QFETCH(bool, wide);
    QFETCH(int, index);
    const Damage& damage = damages()[std::size_t(index)];
    MiniPe pe = twoBitmaps(wide);
    damage.apply(pe);
    const std::vector<std::uint8_t> file(pe.bytes); // exactly sized
    if (damage.reason == nullptr) {
        const Entries entries = pefile::listBitmapResources(file);
        QCOMPARE(int(entries.size()), damage.bitmaps);
        checkListing(file, entries);
        if (!entries.empty())
            QCOMPARE(entries.front().id, damage.firstId);
        return;
    }
    try {
        (void)pefile::listBitmapResources(file);
        QFAIL("the damaged file was accepted");
    } catch (const pefile::PeFormatError& error) {
        QVERIFY2(std::string(error.what()).find(damage.reason) != std::string::npos, error.what());
    }
}

void TestPeFile::truncations_data() {
    QTest::addColumn<QString>("dll");
    QTest::addColumn<int>("step"); // every step-th length past the first 4 KB
    QTest::newRow("32-bit, a few") << QStringLiteral("partial32.dll") << 1;
    QTest::newRow("64-bit, a few") << QStringLiteral("partial64.dll") << 1;
    QTest::newRow("32-bit, every kind") << QStringLiteral("full32.dll") << 251;
    QTest::newRow("64-bit, every kind") << QStringLiteral("full64.dll") << 251;
}

// A cut file is accepted exactly when it still holds every bitmap byte, and then it lists
// the same bitmaps; otherwise it is refused. Headers and directories come before the data.
void TestPeFile::truncations() {
    QFETCH(QString, dll);
    QFETCH(int, step);
    REQUIRE_FIXTURE_DLL(bytes, dll);
    const Entries whole = pefile::listBitmapResources(fixturedlls::exactCopy(bytes, bytes.size()));
    QVERIFY(!whole.empty());
    std::size_t needed = 0;
    for (const pefile::BitmapEntry& e : whole)
        needed = std::max(needed, e.offset + e.size);
    for (qsizetype length = 0; length < bytes.size(); length += length < 4096 ? 1 : step) {
        const auto file = fixturedlls::exactCopy(bytes, length);
        try {
            const Entries entries = pefile::listBitmapResources(file);
            QVERIFY2(std::size_t(length) >= needed, qPrintable(QString::number(length)));
            QVERIFY(entries == whole);
            if (step == 1)
                checkListing(file, entries);
        } catch (const pefile::PeFormatError&) {
            QVERIFY2(std::size_t(length) < needed, qPrintable(QString::number(length)));
        }
    }
}

void TestPeFile::bitFlips_data() {
    QTest::addColumn<QString>("dll");
    QTest::newRow("32-bit") << QStringLiteral("partial32.dll");
    QTest::newRow("64-bit") << QStringLiteral("partial64.dll");
}

// Every single-bit flip is refused or listed soundly (the sanitizers watch the reads).
void TestPeFile::bitFlips() {
    QFETCH(QString, dll);
    REQUIRE_FIXTURE_DLL(bytes, dll);
    std::vector<std::uint8_t> file = fixturedlls::exactCopy(bytes, bytes.size());
    const Entries whole = pefile::listBitmapResources(file);
    checkListing(file, whole);
    const auto inBitmap = [&](std::size_t at) {
        return std::any_of(whole.begin(), whole.end(), [at](const pefile::BitmapEntry& e) {
            return at >= e.offset && at - e.offset < e.size;
        });
    };
    int refused = 0;
    int listed = 0;
    for (std::size_t at = 0; at < file.size(); ++at) {
        for (int bit = 0; bit < 8; ++bit) {
            file[at] ^= std::uint8_t(1u << bit);
            try {
                const Entries entries = pefile::listBitmapResources(file);
                // Decoding again is only worth it when the flip reached a picture.
                if (entries != whole || inBitmap(at))
                    checkListing(file, entries);
                ++listed;
            } catch (const pefile::PeFormatError&) {
                ++refused;
            }
            file[at] ^= std::uint8_t(1u << bit);
            if (QTest::currentTestFailed())
                QFAIL(qPrintable(
                    QStringLiteral("after flipping bit %1 of byte %2").arg(bit).arg(at)));
        }
    }
    QVERIFY(refused > 0);
    QVERIFY(listed > 0);
}

QTEST_GUILESS_MAIN(TestPeFile)
#include "tst_pefile.moc"

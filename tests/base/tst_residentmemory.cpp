#include "base/residentmemory.h"

#include <QFile>
#include <QTest>

#include <algorithm>
#include <array>
#include <cstring>

namespace {

constexpr std::size_t kPage = 4096;
constexpr std::size_t kBytes = 16 * kPage;

constexpr unsigned char patternAt(std::size_t i) {
    return static_cast<unsigned char>((i * 7 + 3) & 0xFF);
}

// Read-only data of this program's own file, as a compiled-in resource is.
alignas(kPage) constexpr std::array<unsigned char, kBytes> kProgramData = [] {
    std::array<unsigned char, kBytes> bytes{};
    for (std::size_t i = 0; i < kBytes; ++i)
        bytes[i] = patternAt(i);
    return bytes;
}();

} // namespace

class TestResidentMemory : public QObject {
    Q_OBJECT
private slots:
    void releasedPagesKeepTheirBytes_data();
    void releasedPagesKeepTheirBytes();
    void keptBlockComesBackZeroed_data();
    void keptBlockComesBackZeroed();
    void aLargeBlockIsResidentNoFurtherThanItsBytes();
};

void TestResidentMemory::releasedPagesKeepTheirBytes_data() {
    QTest::addColumn<bool>("programFile");
    QTest::newRow("the program's own data") << true;
    // Dropping pages of ordinary memory would zero them: it must be left alone.
    QTest::newRow("memory of the heap") << false;
}

void TestResidentMemory::releasedPagesKeepTheirBytes() {
    QFETCH(bool, programFile);
    QByteArray heap(qsizetype(kBytes), Qt::Uninitialized);
    for (std::size_t i = 0; i < kBytes; ++i)
        heap[qsizetype(i)] = static_cast<char>(patternAt(i));
    const unsigned char* data =
        programFile ? kProgramData.data() : reinterpret_cast<const unsigned char*>(heap.data());
    residentmemory::releaseProgramPages(data, kBytes);
    for (std::size_t i = 0; i < kBytes; ++i)
        if (data[i] != patternAt(i))
            QFAIL(qPrintable(QStringLiteral("byte %1 changed").arg(i)));
}

void TestResidentMemory::keptBlockComesBackZeroed_data() {
    QTest::addColumn<qulonglong>("size");
    QTest::newRow("past a huge page") << qulonglong((std::size_t{3} << 20) + 123);
    QTest::newRow("a grid strip at 400%") << qulonglong(3200 * 128 * 4);
}

void TestResidentMemory::keptBlockComesBackZeroed() {
    QFETCH(qulonglong, size);
    const std::size_t kLarge = size;
    const residentmemory::KeepFreedBlocks keeper;
    residentmemory::Block first = residentmemory::allocate(kLarge);
    QVERIFY(first);
    std::memset(first.get(), 0xAB, kLarge);
    [[maybe_unused]] const unsigned char* const memory = first.get();
    first.reset();
    const residentmemory::Block second = residentmemory::allocate(kLarge);
    QVERIFY(second);
#ifdef __linux__
    QCOMPARE(static_cast<const unsigned char*>(second.get()), memory); // taken again
#endif
    QVERIFY(
        std::all_of(second.get(), second.get() + kLarge, [](unsigned char b) { return b == 0; }));
}

void TestResidentMemory::aLargeBlockIsResidentNoFurtherThanItsBytes() {
#ifdef __linux__
    // Two huge pages and a little: the little must not make a third one resident. The
    // mapping's own resident size is read, so a neighbouring mapping never counts.
    constexpr std::size_t kHuge = std::size_t{2} << 20;
    constexpr std::size_t kSize = 2 * kHuge + 25 * kPage;
    const residentmemory::Block block = residentmemory::allocate(kSize);
    QVERIFY(block);
    std::memset(block.get(), 1, kSize);
    const auto address = reinterpret_cast<std::uintptr_t>(block.get());
    QFile smaps(QStringLiteral("/proc/self/smaps"));
    QVERIFY(smaps.open(QIODevice::ReadOnly));
    bool inBlock = false;
    qlonglong residentKilobytes = -1;
    // Read whole: a file of /proc has no size, so it is at its end before it is read.
    const QList<QByteArray> lines = smaps.readAll().split('\n');
    for (const QByteArray& line : lines) {
        const qsizetype dash = line.indexOf('-');
        const qsizetype space = line.indexOf(' ');
        bool isRange = dash > 0 && space > dash;
        const auto from = isRange ? line.left(dash).toULongLong(&isRange, 16) : 0;
        if (isRange) { // a mapping's first line: "from-to perms ..."
            const auto to = line.mid(dash + 1, space - dash - 1).toULongLong(nullptr, 16);
            inBlock = from <= address && address < to;
        } else if (inBlock && line.startsWith("Rss:")) {
            residentKilobytes = line.mid(4).trimmed().split(' ').value(0).toLongLong();
            break;
        }
    }
    QVERIFY(residentKilobytes > 0);
    QCOMPARE_LE(residentKilobytes, qlonglong(kSize / 1024));
#else
    QSKIP("resident pages are looked up on Linux only");
#endif
}

QTEST_GUILESS_MAIN(TestResidentMemory)
#include "tst_residentmemory.moc"

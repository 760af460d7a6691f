#include "base/residentmemory.h"

#include <QTest>

#include <array>
#include <cstring>

#ifdef __linux__
#include <sys/mman.h>
#endif

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

void TestResidentMemory::aLargeBlockIsResidentNoFurtherThanItsBytes() {
#ifdef __linux__
    // Two huge pages and a little: the little must not make a third one resident.
    constexpr std::size_t kHuge = std::size_t{2} << 20;
    constexpr std::size_t kSize = 2 * kHuge + 25 * kPage;
    const residentmemory::Block block = residentmemory::allocate(kSize);
    QVERIFY(block);
    std::memset(block.get(), 1, kSize);
    std::size_t resident = 0;
    for (std::size_t at = 0; at < 3 * kHuge; at += kPage) {
        unsigned char state = 0;
        // A page beyond the mapping answers ENOMEM: not resident.
        if (mincore(block.get() + at, kPage, &state) == 0 && (state & 1) != 0)
            ++resident;
    }
    QCOMPARE_LE(resident, kSize / kPage);
#else
    QSKIP("resident pages are looked up on Linux only");
#endif
}

QTEST_GUILESS_MAIN(TestResidentMemory)
#include "tst_residentmemory.moc"

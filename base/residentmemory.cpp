#include "base/residentmemory.h"

#include <dlfcn.h>
#include <sys/mman.h>
#include <unistd.h>

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <utility>
#include <vector>

namespace residentmemory {
namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;
// While a KeepFreedBlocks lives, blocks from this size up are kept too: a strip of the grid
// layer (about 1.6 MB at 400%) is made and dropped once for every drawing of a render.
constexpr std::size_t kKeptFrom = std::size_t{1} << 20;
// Freed blocks kept at most while a KeepFreedBlocks lives: a drawing and its layer for each of
// two workers. More would keep the peak higher for little.
constexpr std::size_t kMaxKept = 4;

struct Kept {
    std::mutex mutex; // guards everything below
    int keepers = 0;
    std::vector<std::pair<unsigned char*, std::size_t>> blocks; // memory, mapped size
};

Kept& kept() {
    // Never destroyed: a picture may be freed while the program ends.
    static Kept* const instance = new Kept;
    return *instance;
}

struct Taken {
    unsigned char* memory; // a kept block of exactly the mapped size asked for, or null
    bool keeping;          // whether freed blocks are being kept now
};

[[maybe_unused]] Taken takeKept(std::size_t mappedSize) {
    Kept& pool = kept();
    const std::lock_guard lock(pool.mutex);
    for (auto it = pool.blocks.begin(); it != pool.blocks.end(); ++it) {
        if (it->second == mappedSize) {
            unsigned char* memory = it->first;
            pool.blocks.erase(it);
            return {memory, true};
        }
    }
    return {nullptr, pool.keepers > 0};
}

bool keep(unsigned char* memory, std::size_t mappedSize) {
    Kept& pool = kept();
    const std::lock_guard lock(pool.mutex);
    if (pool.keepers == 0 || pool.blocks.size() >= kMaxKept)
        return false;
    pool.blocks.emplace_back(memory, mappedSize);
    return true;
}

void releaseShared(void* owner) {
    delete static_cast<std::shared_ptr<Block>*>(owner);
}

bool is32Bit(QImage::Format format) {
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
           format == QImage::Format_ARGB32_Premultiplied;
}

#ifdef MADV_HUGEPAGE
// A mapping that begins on a huge page, advised to be backed by them where it holds whole ones.
unsigned char* mapHuge(std::size_t mappedSize) {
    // Over-allocate by one huge page to find an aligned start, then trim both ends.
    void* raw = mmap(nullptr, mappedSize + kHugePage, PROT_READ | PROT_WRITE,
                     MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED)
        return nullptr;
    const auto start = reinterpret_cast<std::uintptr_t>(raw);
    const std::uintptr_t aligned = (start + kHugePage - 1) & ~(kHugePage - 1);
    if (aligned > start)
        munmap(raw, aligned - start);
    const std::size_t tail = kHugePage - (aligned - start);
    if (tail > 0)
        munmap(reinterpret_cast<void*>(aligned + mappedSize), tail);
    auto* memory = reinterpret_cast<unsigned char*>(aligned);
    madvise(memory, mappedSize, MADV_HUGEPAGE);
    return memory;
}
#endif

} // namespace

void releaseProgramPages(const void* data, std::size_t size) {
#if defined(__linux__) && defined(MADV_DONTNEED)
    // dladdr finds a loaded file's object for its own mappings only; the data is const, so
    // the file holds exactly the bytes the pages held.
    Dl_info object{};
    if (size == 0 || dladdr(data, &object) == 0 || object.dli_fname == nullptr)
        return;
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto start = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t first = (start + page - 1) & ~(page - 1);
    const std::uintptr_t end = (start + size) & ~(page - 1);
    if (end > first)
        madvise(reinterpret_cast<void*>(first), end - first, MADV_DONTNEED);
#else
    (void)data;
    (void)size;
#endif
}

KeepFreedBlocks::KeepFreedBlocks() {
    Kept& pool = kept();
    const std::lock_guard lock(pool.mutex);
    ++pool.keepers;
}

KeepFreedBlocks::~KeepFreedBlocks() {
    std::vector<std::pair<unsigned char*, std::size_t>> blocks;
    {
        Kept& pool = kept();
        const std::lock_guard lock(pool.mutex);
        if (--pool.keepers == 0)
            blocks.swap(pool.blocks);
    }
    for (const auto& [memory, mappedSize] : blocks)
        munmap(memory, mappedSize);
}

void Release::operator()(unsigned char* memory) const {
    if (mappedSize == 0)
        std::free(memory);
    else if (!keep(memory, mappedSize))
        munmap(memory, mappedSize);
}

Block allocate(std::size_t size) {
#ifdef MADV_HUGEPAGE
    if (size >= kKeptFrom) {
        // Whole huge pages up to the last one the block fills; the rest in ordinary pages: a
        // huge page the block only begins would be resident whole.
        const auto page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
        const std::size_t mappedSize = (size + page - 1) & ~(page - 1);
        const Taken taken = takeKept(mappedSize);
        if (taken.memory) {
            std::memset(taken.memory, 0, size);
            return Block(taken.memory, Release{mappedSize});
        }
        if (size >= kHugePage) {
            if (unsigned char* memory = mapHuge(mappedSize))
                return Block(memory, Release{mappedSize});
        } else if (taken.keeping) {
            // Mapped on its own, so that it can be kept when freed.
            void* memory = mmap(nullptr, mappedSize, PROT_READ | PROT_WRITE,
                                MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
            if (memory != MAP_FAILED)
                return Block(static_cast<unsigned char*>(memory), Release{mappedSize});
        }
    }
#endif
    return Block(static_cast<unsigned char*>(std::calloc(size == 0 ? 1 : size, 1)), Release{0});
}

QImage adoptAsImage(const std::shared_ptr<Block>& block, std::size_t offset, int width, int height,
                    QImage::Format format) {
    if (!block || !*block || width <= 0 || height <= 0 || !is32Bit(format))
        return {};
    const std::size_t rowBytes = std::size_t(width) * 4;
    unsigned char* pixels = block->get() + offset;
    return QImage(pixels, width, height, static_cast<qsizetype>(rowBytes), format, releaseShared,
                  new std::shared_ptr<Block>(block));
}

QImage image(int width, int height, QImage::Format format) {
    if (width <= 0 || height <= 0 || !is32Bit(format))
        return {};
    auto block = std::make_shared<Block>(allocate(std::size_t(width) * 4 * std::size_t(height)));
    QImage adopted = adoptAsImage(block, 0, width, height, format);
    return adopted.isNull() ? QImage(width, height, format) : adopted;
}

void returnLargeBlocksWhenFreed() {
#ifdef __GLIBC__
    // Setting it at all keeps glibc from moving it.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
}

void giveBackFreeMemory() {
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

} // namespace residentmemory

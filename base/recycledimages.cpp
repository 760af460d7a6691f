#include "base/recycledimages.h"

#include "base/residentmemory.h"

#include <mutex>
#include <utility>
#include <vector>

namespace {

// Free blocks kept at most: about the pictures in use at a time, so that a recycler never
// holds much more than was in use at its busiest.
constexpr std::size_t kMaxFree = 4;

} // namespace

struct RecycledImages::Pool {
    int width = 0;
    int height = 0;
    QImage::Format format = QImage::Format_RGB32;
    std::mutex mutex; // guards everything below
    bool open = true;
    std::vector<residentmemory::Block> free;
};

// What a picture holds until its last copy goes: its block, and where to give it back.
struct RecycledImages::Lent {
    std::shared_ptr<Pool> pool;
    residentmemory::Block block;
};

void RecycledImages::giveBack(void* held) {
    const std::unique_ptr<Lent> lent(static_cast<Lent*>(held));
    Pool& pool = *lent->pool;
    const std::lock_guard lock(pool.mutex);
    if (pool.open && pool.free.size() < kMaxFree)
        pool.free.push_back(std::move(lent->block));
}

RecycledImages::RecycledImages(int width, int height, QImage::Format format)
    : pool_(std::make_shared<Pool>()) {
    pool_->width = width;
    pool_->height = height;
    pool_->format = format;
}

RecycledImages::~RecycledImages() {
    std::vector<residentmemory::Block> free; // freed once the lock is let go
    const std::lock_guard lock(pool_->mutex);
    pool_->open = false;
    free.swap(pool_->free);
}

QImage RecycledImages::take(int height) {
    Pool& pool = *pool_;
    if (height <= 0 || height > pool.height || pool.width <= 0)
        return {};
    auto lent = std::make_unique<Lent>();
    lent->pool = pool_;
    {
        const std::lock_guard lock(pool.mutex);
        if (!pool.free.empty()) {
            lent->block = std::move(pool.free.back());
            pool.free.pop_back();
        }
    }
    const qsizetype rowBytes = qsizetype(pool.width) * 4;
    if (!lent->block)
        lent->block = residentmemory::allocate(std::size_t(rowBytes) * std::size_t(pool.height));
    if (!lent->block)
        return {};
    unsigned char* pixels = lent->block.get();
    QImage image(pixels, pool.width, height, rowBytes, pool.format, giveBack, lent.get());
    if (image.isNull())
        return {};
    lent.release();
    return image;
}

#pragma once

#include <QImage>

#include <memory>

// Pictures of one size made one after another and painted all over, while earlier ones are
// still used elsewhere (a band of a large render being packed): the memory of one whose last
// copy went is used again for the next, rather than fresh memory, which the system zeroes a
// page at a time. Any thread may drop the pictures, also after the recycler is gone.
class RecycledImages {
public:
    // Pictures of at most width x height 32-bit pixels in `format` (as residentmemory::image).
    RecycledImages(int width, int height, QImage::Format format);
    ~RecycledImages();
    RecycledImages(const RecycledImages&) = delete;
    RecycledImages& operator=(const RecycledImages&) = delete;

    // A picture `height` rows tall (at most the recycler's) whose pixels are left as they
    // were: zero when fresh, an earlier picture's otherwise. Null when memory ran out.
    QImage take(int height);

private:
    struct Pool;
    struct Lent;
    static void giveBack(void* lent);
    std::shared_ptr<Pool> pool_;
};

#pragma once

#include <QImage>

#include <cstddef>
#include <memory>

// Memory for map-sized pictures. The first touch of fresh memory costs a page fault per
// 4 KB page, which on some machines (virtual ones above all) makes filling a 16 MB picture
// take many times longer than copying it; large blocks are therefore asked for in huge
// pages (2 MB) where the system offers them, which cuts that cost several times over.
// Small blocks and systems without huge pages get ordinary zeroed memory.
namespace residentmemory {

struct Release {
    std::size_t mappedSize; // 0: from calloc
    void operator()(unsigned char* memory) const;
};
using Block = std::unique_ptr<unsigned char[], Release>;

// size zeroed bytes; null only when no memory is left.
Block allocate(std::size_t size);

// While one lives, large blocks freed (of 1 MB and more) are kept, a few, and handed out
// again by allocate() for the same size, zeroed in place: a render that makes and drops one
// drawing after another then takes fresh pages from the system once, not for each drawing
// (on a busy virtual machine the system's zeroing of fresh pages can cost more than the
// drawing). The kept blocks go back to the system when the last one ends. Any thread.
class KeepFreedBlocks {
public:
    KeepFreedBlocks();
    ~KeepFreedBlocks();
    KeepFreedBlocks(const KeepFreedBlocks&) = delete;
    KeepFreedBlocks& operator=(const KeepFreedBlocks&) = delete;
};

// An image of 32-bit pixels (Format_RGB32, ARGB32 or ARGB32_Premultiplied) whose pixels
// are the block's bytes from offset on, in rows of width * 4 bytes (the caller makes sure the
// block holds them); the block is freed when the last image made from it goes. Writing to an
// image that shares its pixels detaches it into ordinary memory, as with any QImage. Null
// for an empty block, an empty size or another format.
QImage adoptAsImage(const std::shared_ptr<Block>& block, std::size_t offset, int width, int height,
                    QImage::Format format);

// A zeroed image of 32-bit pixels in memory from allocate.
QImage image(int width, int height, QImage::Format format);

// Lets the system take back the resident pages of read-only data in a loaded program file
// (a compressed picture sheet, read once): touched again, they are read from the file
// again. Only whole pages inside the data go, and only when the data lies in a loaded
// program or library: memory anywhere else (a resource registered from a buffer) would lose
// its contents, and is left alone.
void releaseProgramPages(const void* data, std::size_t size);

// The allocator's rule for a program that makes and drops many large pictures: every block
// of 128 KB or more is mapped on its own and goes back to the system as soon as it is freed.
// (glibc would otherwise raise that bound to the largest block freed so far, up to 32 MB,
// and keep every later picture in heaps that seldom shrink.) Call once, early.
void returnLargeBlocksWhenFreed();
// Gives the memory the allocator holds free in its heaps back to the system: after a cache
// of many small pictures went. Takes a millisecond or so.
void giveBackFreeMemory();

} // namespace residentmemory

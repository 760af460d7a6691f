#pragma once

#include "board/pictureids.h"
#include "board/picturemodule.h"

#include <QImage>
#include <QSize>

#include <set>
#include <utility>

// How a FakePictureModule is made; designated initialisers read best:
// FakePictureModule pictures({.counterSize = 60}).
struct FakePictureOptions {
    QString name = QStringLiteral("fake.dll");
    int counterSize = 24;
    // Hold every identifier from 0 up, not only the program's own pictures, for code that
    // computes identifiers it may never load.
    bool anyIdentifier = false;
};

// A quick stand-in for the picture modules: the map (16002) in one plain colour, tag
// pictures (16011-16016, 16021-16026) 8 x 8, counters (2000-2394) 24 x 24 and markers
// (2551, 2552) 12 x 12. Every other picture is one solid colour of its own, so a pixel tells
// which picture lies on top. Pictures can be taken away to test failures.
class FakePictureModule final : public PictureModule {
public:
    explicit FakePictureModule(FakePictureOptions options = {}) : options_(std::move(options)) {}
    explicit FakePictureModule(QString name)
        : FakePictureModule(FakePictureOptions{.name = std::move(name)}) {}

    QImage bitmap(int id) const override {
        if (!contains(id))
            throw ResourceError(name(), id);
        ++loads;
        if (id == kMap) {
            QImage map(mapSize(), QImage::Format_RGB32);
            map.fill(mapColour());
            return map;
        }
        const int side = id >= 16000 ? 8 : (id == 2551 || id == 2552 ? 12 : options_.counterSize);
        QImage picture(side, side, QImage::Format_RGB32);
        picture.fill(colourOf(id));
        return picture;
    }
    bool contains(int id) const override {
        if (missing.count(id) != 0 || (!only.empty() && only.count(id) == 0))
            return false;
        if (options_.anyIdentifier)
            return id >= 0;
        return id == kMap || (id >= 16011 && id <= 16016) || (id >= 16021 && id <= 16026) ||
               (id >= 2000 && id <= 2394) || id == 2551 || id == 2552;
    }
    QString name() const override { return options_.name; }

    static constexpr int kMap = pictureids::kMap;
    static QSize mapSize() { return {1505, 2720}; }
    static QRgb mapColour() { return qRgb(200, 210, 190); }
    // A colour per identifier (distinct for 0 to 65535). Its blue never equals
    // (7 red + 13 green) mod 256, which every pixel of patternMap() does, so a picture
    // drawn on a pattern map always shows; nor is it ever the map colour.
    static QRgb colourOf(int id) {
        const int red = id & 0xFF;
        const int green = (id >> 8) & 0xFF;
        return qRgb(red, green, (7 * red + 13 * green + 128) & 0xFF);
    }

    // Identifiers taken away.
    std::set<int> missing;
    // When not empty, the only identifiers held (a module with just a few pictures).
    std::set<int> only;
    // Pictures handed out so far.
    mutable int loads = 0;

private:
    FakePictureOptions options_;
};

// A map whose every pixel differs from its neighbours, so a block put back in the wrong
// place shows, and from every FakePictureModule::colourOf colour.
inline QImage patternMap(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x & 0xFF, y & 0xFF, (x * 7 + y * 13) & 0xFF));
    return image;
}

// True when every pixel of the 8 x 8 block at (x, y) has the colour.
inline bool blockIs(const QImage& image, int x, int y, QRgb colour) {
    for (int dy = 0; dy < 8; ++dy)
        for (int dx = 0; dx < 8; ++dx)
            if (image.pixel(x + dx, y + dy) != colour)
                return false;
    return true;
}

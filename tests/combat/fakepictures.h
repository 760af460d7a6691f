#pragma once

#include "mappicture.h"
#include "picturemodule.h"

#include <QImage>

#include <set>

// Pictures made up on the spot: each identifier a solid colour of its own, 8 x 8 for the
// tag pictures and 24 x 24 for the rest. Identifiers can be taken away to test failures.
class FakePictures : public PictureModule {
public:
    QImage bitmap(int id) const override {
        if (!contains(id))
            throw ResourceError(name(), id);
        ++loads;
        const int size = id >= 16000 ? 8 : 24;
        QImage image(size, size, QImage::Format_RGB32);
        image.fill(colourOf(id));
        return image;
    }
    bool contains(int id) const override { return missing.count(id) == 0 && id >= 0; }
    QString name() const override { return QStringLiteral("fake.dll"); }

    static QRgb colourOf(int id) { return qRgb(id & 0xFF, (id >> 8) & 0xFF, 0x80 | (id % 97)); }

    std::set<int> missing;
    mutable int loads = 0;
};

// A map whose every pixel differs from its neighbours, so a block put back in the wrong
// place shows.
inline QImage patternMap(int width = 160, int height = 240) {
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

#pragma once

#include "mappicture.h"
#include "picturemodule.h"

#include <QImage>

// Solid-colour counters (24 x 24, ids 2000..2394) and markers (12 x 12, 2551 and 2552),
// each identifier with its own colour, so a pixel tells which picture lies on top.
class FakePictures : public PictureModule {
public:
    explicit FakePictures(int counterSize = 24) : counterSize_(counterSize) {}

    static QRgb colourOf(int id) { return qRgb(id % 256, 255 - id % 256, 40 + (id / 256) % 8); }

    QImage bitmap(int id) const override {
        if (!contains(id))
            throw ResourceError(name(), id);
        const int side = id >= 2551 ? 12 : counterSize_;
        QImage image(side, side, QImage::Format_RGB32);
        image.fill(colourOf(id));
        return image;
    }
    bool contains(int id) const override {
        return (id >= 2000 && id <= 2394) || id == 2551 || id == 2552;
    }
    QString name() const override { return QStringLiteral("fake counters"); }

private:
    int counterSize_;
};

// A map whose every pixel differs from its neighbours' and from every counter colour.
inline QImage patternedMap(int width = 220, int height = 220) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, 200));
    return image;
}

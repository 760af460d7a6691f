#pragma once

#include "picturemodule.h"

#include <QColor>
#include <QImage>

// A quick stand-in for the picture modules: a plain map, solid counters whose colour
// encodes the picture identifier, small markers and tag pictures.
class FakePictureModule final : public PictureModule {
public:
    explicit FakePictureModule(QString name = QStringLiteral("fake.dll"))
        : name_(std::move(name)) {}

    QImage bitmap(int id) const override {
        if (!contains(id))
            throw ResourceError(name_, id);
        if (id == 16002) {
            QImage map(1505, 2720, QImage::Format_RGB32);
            map.fill(mapColour());
            return map;
        }
        const int size = id >= 16000 ? 8 : (id > 2500 ? 12 : 24);
        QImage picture(size, size, QImage::Format_RGB32);
        picture.fill(colourOf(id));
        return picture;
    }
    bool contains(int id) const override {
        return id == 16002 || (id >= 16011 && id <= 16016) || (id >= 16021 && id <= 16026) ||
               (id >= 2000 && id <= 2394) || id == 2551 || id == 2552;
    }
    QString name() const override { return name_; }

    static QRgb mapColour() { return qRgb(200, 210, 190); }
    // A distinct colour per identifier, never the map colour.
    static QRgb colourOf(int id) { return qRgb((id * 37) % 200, (id * 91) % 200, 200 + id % 50); }

private:
    QString name_;
};

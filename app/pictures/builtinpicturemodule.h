#pragma once

#include "app/pictures/counterlook.h"
#include "board/picturemodule.h"

#include <QImage>
#include <QString>

#include <map>
#include <memory>
#include <mutex>
#include <vector>

// The pictures the program draws itself, so that it runs with no picture files at all.
// They come from the sheets drawn at build time when the program carries them
// (bakedpictures.h), else each is drawn on first use; either way each is kept and callers
// get implicitly shared copies. Drawing text needs a QGuiApplication.
class BuiltinPictureModule final : public PictureModule {
public:
    enum class Set {
        MapAndTags,         // korva_1: the map 16002 and the tags 16011..16016, 16021..16026
        CountersAndMarkers, // korva_2: the counters 2000..2394 and the markers 2551, 2552
    };

    explicit BuiltinPictureModule(Set set);

    // The set standing in for a module file ("korva_1.dll", any case), or null for others.
    static std::unique_ptr<BuiltinPictureModule> forModule(const QString& moduleFileName);

    QImage bitmap(int id) const override;
    // Lets a kept picture go (the map, 16 MB); a later bitmap() loads it again.
    QImage takeBitmap(int id) const override;
    bool contains(int id) const override;
    // Every built-in picture is drawn afresh at any scale.
    QImage drawnAtScale(int id, qreal scale, const QRect& deviceArea) const override;
    bool drawsAtAnyScale(int id) const override;
    void releaseScaledDrawing() const override;
    QString name() const override;

    Set set() const { return set_; }
    // Every identifier the set holds, in ascending order.
    std::vector<int> ids() const;
    // The picture drawn now, never taken from a sheet: what the build puts in the sheets.
    QImage draw(int id) const;
    // The whole picture drawn at `scale` device pixels per picture pixel.
    QImage draw(int id, qreal scale) const;

private:
    struct CounterFace {
        CounterLook look;
        int losses;
    };

    QString sheetFor(int id) const;
    // The carried sheet that holds the picture loaded into drawn_, once; false without one.
    bool loadSheetFor(int id) const;

    Set set_;
    std::map<int, CounterFace> counterFaces_; // picture identifier -> what it shows
    mutable std::mutex mutex_;
    mutable std::map<int, QImage> drawn_;
    mutable std::vector<QString> sheetsTried_;
};

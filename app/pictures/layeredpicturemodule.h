#pragma once

#include "board/picturemodule.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <mutex>
#include <set>
#include <utility>
#include <vector>

// Several modules as one: each picture comes from the first layer that holds it, so a
// resource DLL or a player's folder may replace some pictures and the built-in set
// supplies the rest. A layer that holds a picture but cannot read it (a damaged file) is
// passed over for that picture from then on, and the listener hears of it once. A picture
// larger than the game can wipe off the map again (see pictureids::largestSize) is cut to
// that size.
class LayeredPictureModule final : public PictureModule {
public:
    LayeredPictureModule(QString name, std::vector<std::unique_ptr<PictureModule>> layers);

    QImage bitmap(int id) const override;
    QImage takeBitmap(int id) const override;
    bool contains(int id) const override;
    // Drawn by the layer that answers for the picture, when that layer draws.
    QImage drawnAtScale(int id, qreal scale, const QRect& deviceArea) const override;
    bool drawsAtAnyScale(int id) const override;
    void releaseScaledDrawing() const override;
    QString name() const override { return name_; }
    // The listener hears first of the notes made when the layers were loaded.
    void setFallbackListener(std::function<void(const QString&)> listener) override;
    // What went wrong while the layers were found (a DLL refused, pictures left out of it),
    // one line each, for every listener to hear.
    void addLoadNotes(const QStringList& notes) { loadNotes_ += notes; }

    // The layers' names, first (strongest) first.
    QStringList layerNames() const;
    // The layer that answers for `id`, or null when none holds it.
    const PictureModule* layerFor(int id) const;

private:
    QImage fetch(int id, bool take) const;
    bool failed(const PictureModule* layer, int id) const;

    QString name_;
    std::vector<std::unique_ptr<PictureModule>> layers_;
    mutable std::mutex mutex_;
    // Pictures a layer holds but could not read; the next layer answers for them.
    mutable std::set<std::pair<const PictureModule*, int>> failed_;
    std::function<void(const QString&)> listener_;
    QStringList loadNotes_;
};

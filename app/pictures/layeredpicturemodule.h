#pragma once

#include "picturemodule.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

// Several modules as one: each picture comes from the first layer that holds it, so a
// resource DLL or a player's folder may replace some pictures and the built-in set
// supplies the rest. A picture larger than the game can wipe off the map again (see
// pictureids::largestSize) is cut to that size.
class LayeredPictureModule final : public PictureModule {
public:
    LayeredPictureModule(QString name, std::vector<std::unique_ptr<PictureModule>> layers);

    QImage bitmap(int id) const override;
    QImage takeBitmap(int id) const override;
    bool contains(int id) const override;
    QString name() const override { return name_; }

    // The layers' names, first (strongest) first.
    QStringList layerNames() const;
    // The layer that answers for `id`, or null when none holds it.
    const PictureModule* layerFor(int id) const;

private:
    QImage fetch(int id, bool take) const;

    QString name_;
    std::vector<std::unique_ptr<PictureModule>> layers_;
};

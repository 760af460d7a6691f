#include "layeredpicturemodule.h"

#include "pictureids.h"

LayeredPictureModule::LayeredPictureModule(QString name,
                                           std::vector<std::unique_ptr<PictureModule>> layers)
    : name_(std::move(name)), layers_(std::move(layers)) {
    std::erase(layers_, nullptr);
}

QImage LayeredPictureModule::bitmap(int id) const {
    return fetch(id, false);
}

QImage LayeredPictureModule::takeBitmap(int id) const {
    return fetch(id, true);
}

QImage LayeredPictureModule::fetch(int id, bool take) const {
    const PictureModule* layer = layerFor(id);
    if (layer == nullptr)
        throw ResourceError(name_, id);
    QImage picture = take ? layer->takeBitmap(id) : layer->bitmap(id);
    const QSize limit = pictureids::largestSize(id);
    if (!limit.isEmpty() && (picture.width() > limit.width() || picture.height() > limit.height()))
        picture = picture.copy(QRect(QPoint(0, 0), picture.size().boundedTo(limit)));
    return picture;
}

bool LayeredPictureModule::contains(int id) const {
    return layerFor(id) != nullptr;
}

QStringList LayeredPictureModule::layerNames() const {
    QStringList names;
    for (const auto& layer : layers_)
        names << layer->name();
    return names;
}

const PictureModule* LayeredPictureModule::layerFor(int id) const {
    for (const auto& layer : layers_)
        if (layer->contains(id))
            return layer.get();
    return nullptr;
}

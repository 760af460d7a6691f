#include "app/pictures/layeredpicturemodule.h"

#include "board/pictureids.h"

#include <QCoreApplication>

#include <optional>

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
    QStringList passedOver;
    std::optional<ResourceError> lastFailure;
    for (const auto& layer : layers_) {
        if (!layer->contains(id) || failed(layer.get(), id))
            continue;
        QImage picture;
        try {
            picture = take ? layer->takeBitmap(id) : layer->bitmap(id);
        } catch (const ResourceError& error) {
            // Only this picture of this layer: its other pictures may be sound.
            {
                const std::lock_guard lock(mutex_);
                failed_.emplace(layer.get(), id);
            }
            passedOver << QString::fromUtf8(error.what());
            lastFailure = error;
            continue;
        }
        if (listener_)
            for (const QString& problem : std::as_const(passedOver))
                listener_(QCoreApplication::translate("PictureModules", "%1; %2 is used instead")
                              .arg(problem, layer->name()));
        const QSize limit = pictureids::largestSize(id);
        if (!limit.isEmpty() &&
            (picture.width() > limit.width() || picture.height() > limit.height()))
            picture = picture.copy(QRect(QPoint(0, 0), picture.size().boundedTo(limit)));
        return picture;
    }
    if (lastFailure)
        throw *lastFailure;
    throw ResourceError(name_, id);
}

bool LayeredPictureModule::contains(int id) const {
    return layerFor(id) != nullptr;
}

QImage LayeredPictureModule::drawnAtScale(int id, qreal scale, const QRect& deviceArea) const {
    const PictureModule* layer = layerFor(id);
    return layer ? layer->drawnAtScale(id, scale, deviceArea) : QImage();
}

void LayeredPictureModule::releaseScaledDrawing() const {
    for (const auto& layer : layers_)
        layer->releaseScaledDrawing();
}

bool LayeredPictureModule::drawsAtAnyScale(int id) const {
    const PictureModule* layer = layerFor(id);
    return layer && layer->drawsAtAnyScale(id);
}

void LayeredPictureModule::setFallbackListener(std::function<void(const QString&)> listener) {
    listener_ = std::move(listener);
    if (listener_)
        for (const QString& note : std::as_const(loadNotes_))
            listener_(note);
}

QStringList LayeredPictureModule::layerNames() const {
    QStringList names;
    for (const auto& layer : layers_)
        names << layer->name();
    return names;
}

const PictureModule* LayeredPictureModule::layerFor(int id) const {
    for (const auto& layer : layers_)
        if (layer->contains(id) && !failed(layer.get(), id))
            return layer.get();
    return nullptr;
}

bool LayeredPictureModule::failed(const PictureModule* layer, int id) const {
    const std::lock_guard lock(mutex_);
    return failed_.count({layer, id}) != 0;
}

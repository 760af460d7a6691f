#include "app/pictures/builtinpicturemodule.h"

#include "app/pictures/bakedpictures.h"
#include "app/pictures/counterart.h"
#include "app/pictures/mapart.h"
#include "app/pictures/mapterrain.h"
#include "app/pictures/tagart.h"
#include "board/pictureids.h"
#include "counters/orderofbattle.h"

#include <algorithm>
#include <cmath>

using namespace pictureids;

BuiltinPictureModule::BuiltinPictureModule(Set set) : set_(set) {
    if (set_ != Set::CountersAndMarkers)
        return;
    CounterInitList rows;
    buildOrderOfBattle(rows);
    int row = 0;
    for (const ZeKCounterInitStruct& init : rows) {
        ++row;
        const CounterLook look = counterLookOf(row, init.name, init.steps, init.sizeValue);
        for (int losses = 0; losses <= init.steps; ++losses)
            counterFaces_.emplace(init.basePictureId + losses, CounterFace{look, losses});
    }
}

std::unique_ptr<BuiltinPictureModule>
BuiltinPictureModule::forModule(const QString& moduleFileName) {
    if (moduleFileName.compare(QLatin1String("korva_1.dll"), Qt::CaseInsensitive) == 0)
        return std::make_unique<BuiltinPictureModule>(Set::MapAndTags);
    if (moduleFileName.compare(QLatin1String("korva_2.dll"), Qt::CaseInsensitive) == 0)
        return std::make_unique<BuiltinPictureModule>(Set::CountersAndMarkers);
    return nullptr;
}

QString BuiltinPictureModule::name() const {
    return set_ == Set::MapAndTags ? QStringLiteral("korva_1.dll (built-in pictures)")
                                   : QStringLiteral("korva_2.dll (built-in pictures)");
}

bool BuiltinPictureModule::contains(int id) const {
    if (set_ == Set::MapAndTags)
        return id == kMap || isTag(id);
    return counterFaces_.count(id) != 0 || isMarker(id);
}

QImage BuiltinPictureModule::bitmap(int id) const {
    if (!contains(id))
        throw ResourceError(name(), id);
    std::lock_guard lock(mutex_);
    auto found = drawn_.find(id);
    if (found == drawn_.end() && loadSheetFor(id))
        found = drawn_.find(id);
    if (found == drawn_.end())
        found = drawn_.emplace(id, draw(id)).first;
    return found->second;
}

QImage BuiltinPictureModule::takeBitmap(int id) const {
    QImage picture = bitmap(id);
    std::lock_guard lock(mutex_);
    drawn_.erase(id);
    std::erase(sheetsTried_, sheetFor(id)); // it may be loaded again
    return picture;
}

std::vector<int> BuiltinPictureModule::ids() const {
    std::vector<int> all;
    if (set_ == Set::MapAndTags) {
        all.push_back(kMap);
        for (int value = 1; value <= 6; ++value)
            all.push_back(kOwnTagBase + value);
        for (int value = 1; value <= 6; ++value)
            all.push_back(kFileTagBase + value);
        return all;
    }
    for (const auto& face : counterFaces_)
        all.push_back(face.first);
    all.push_back(kMarkerBase + 1);
    all.push_back(kMarkerBase + 2);
    return all;
}

QString BuiltinPictureModule::sheetFor(int id) const {
    if (set_ == Set::CountersAndMarkers)
        return QString::fromLatin1(bakedpictures::kCounterSheet);
    return QString::fromLatin1(id == kMap ? bakedpictures::kMapSheet : bakedpictures::kTagSheet);
}

bool BuiltinPictureModule::loadSheetFor(int id) const {
    const QString sheet = sheetFor(id);
    if (std::find(sheetsTried_.begin(), sheetsTried_.end(), sheet) != sheetsTried_.end())
        return false;
    sheetsTried_.push_back(sheet);
    std::map<int, QImage> pictures = bakedpictures::loadSheet(sheet);
    // A sheet is taken only whole and only with pictures of this set; any picture it lacks
    // is drawn.
    bool whole = !pictures.empty();
    for (const auto& [carried, picture] : pictures)
        whole = whole && contains(carried) && !picture.isNull();
    if (!whole || pictures.count(id) == 0)
        return false;
    // The sheet's map was drawn in English.
    if (const auto map = pictures.find(kMap); map != pictures.end())
        mapart::relabel(map->second);
    drawn_.merge(pictures);
    return true;
}

QImage BuiltinPictureModule::draw(int id) const {
    return draw(id, 1.0);
}

QImage BuiltinPictureModule::draw(int id, qreal scale) const {
    if (id == kMap)
        return scale == 1.0 ? mapart::drawMap()
                            : mapart::drawScaledMapArea(
                                  QRect(0, 0, static_cast<int>(std::ceil(mapart::kWidth * scale)),
                                        static_cast<int>(std::ceil(mapart::kHeight * scale))),
                                  scale);
    if (id > kFileTagBase)
        return tagart::diePicture(id - kFileTagBase, tagart::DieFamily::Opponent, scale);
    if (id > kOwnTagBase)
        return tagart::diePicture(id - kOwnTagBase, tagart::DieFamily::Own, scale);
    if (isMarker(id))
        return tagart::markerPicture(id - kMarkerBase, scale);
    const CounterFace& face = counterFaces_.at(id);
    return counterart::counterPicture(face.look, face.losses, scale);
}

void BuiltinPictureModule::releaseScaledDrawing() const {
    if (set_ == Set::MapAndTags)
        mapterrain::releaseScaledArt();
}

bool BuiltinPictureModule::drawsAtAnyScale(int id) const {
    return contains(id);
}

QImage BuiltinPictureModule::drawnAtScale(int id, qreal scale, const QRect& deviceArea) const {
    if (!contains(id))
        return {};
    // The map is drawn only where asked: the whole of it at a high scale is large.
    if (id == kMap)
        return mapart::drawScaledMapArea(deviceArea, scale);
    const QImage whole = draw(id, scale);
    return deviceArea == whole.rect() ? whole : whole.copy(deviceArea);
}

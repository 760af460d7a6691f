#include "builtinpicturemodule.h"

#include "counterart.h"
#include "mapart.h"
#include "orderofbattle.h"
#include "pictureids.h"
#include "tagart.h"

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
    if (found == drawn_.end())
        found = drawn_.emplace(id, draw(id)).first;
    return found->second;
}

QImage BuiltinPictureModule::draw(int id) const {
    if (id == kMap)
        return mapart::drawMap();
    if (id > kFileTagBase)
        return tagart::diePicture(id - kFileTagBase, tagart::DieFamily::Opponent);
    if (id > kOwnTagBase)
        return tagart::diePicture(id - kOwnTagBase, tagart::DieFamily::Own);
    if (isMarker(id))
        return tagart::markerPicture(id - kMarkerBase);
    const CounterFace& face = counterFaces_.at(id);
    return counterart::counterPicture(face.look, face.losses);
}

// Draws the built-in pictures once, at build time, into the sheets the program carries
// (bakedpictures.h), with the same drawing code the program would run:
//     korva_bakepictures FOLDER
// writes the sheets map, korva_1, korva_2, program and terrain into FOLDER.
#include "app/pictures/bakedpictures.h"
#include "app/pictures/builtinpicturemodule.h"
#include "app/pictures/mapterrain.h"
#include "app/pictures/programart.h"
#include "app/pictures/viewglyphs.h"
#include "board/pictureids.h"

#include <QDir>
#include <QGuiApplication>
#include <QSaveFile>

#include <cstdio>

namespace {

using Pictures = std::vector<std::pair<int, QImage>>;

Pictures drawAll(const BuiltinPictureModule& module, bool map) {
    Pictures pictures;
    for (const int id : module.ids())
        if ((id == pictureids::kMap) == map)
            pictures.emplace_back(id, module.draw(id));
    return pictures;
}

// The program's pictures only ever become pixmaps: stored premultiplied, as the screen takes
// them, a pixmap shares the sheet's pixels instead of converting a copy of its own.
Pictures drawProgramPictures() {
    Pictures pictures = {{bakedpictures::kSplash, programart::splashPicture()}};
    for (const int size : programart::iconSizes())
        pictures.emplace_back(bakedpictures::kIconBase + size, programart::programIcon(size));
    for (const programart::Glyph glyph : programart::kGlyphs)
        pictures.emplace_back(bakedpictures::kGlyphBase + int(glyph),
                              programart::buttonGlyph(glyph));
    for (const programart::ViewGlyph glyph : programart::kViewGlyphs)
        for (const int size : programart::kViewGlyphSizes)
            pictures.emplace_back(bakedpictures::kViewGlyphBase + 100 * int(glyph) + size,
                                  programart::viewGlyph(glyph, size));
    for (auto& [id, picture] : pictures)
        if (picture.hasAlphaChannel())
            picture.convertTo(QImage::Format_ARGB32_Premultiplied);
    return pictures;
}

bool writeSheet(const QDir& folder, const char* name, const Pictures& pictures) {
    QSaveFile file(folder.filePath(QString::fromLatin1(name)));
    const QByteArray bytes = bakedpictures::encodeSheet(pictures);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    std::fprintf(stderr, "korva_bakepictures: cannot write %s: %s\n", qPrintable(file.fileName()),
                 qPrintable(file.errorString()));
    return false;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv); // the fonts
    if (argc != 2) {
        std::fprintf(stderr, "usage: korva_bakepictures FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "korva_bakepictures: cannot make %s\n", argv[1]);
        return 1;
    }
    using Set = BuiltinPictureModule::Set;
    const BuiltinPictureModule mapAndTags(Set::MapAndTags);
    const BuiltinPictureModule counters(Set::CountersAndMarkers);
    const bool written =
        writeSheet(folder, bakedpictures::kMapSheet, drawAll(mapAndTags, true)) &&
        writeSheet(folder, bakedpictures::kTagSheet, drawAll(mapAndTags, false)) &&
        writeSheet(folder, bakedpictures::kCounterSheet, drawAll(counters, false)) &&
        writeSheet(folder, bakedpictures::kProgramSheet, drawProgramPictures()) &&
        writeSheet(folder, bakedpictures::kTerrainSheet,
                   {{int(mapterrain::SoftLayer::Shallows),
                     mapterrain::drawWholeSoftLayer(mapterrain::SoftLayer::Shallows)},
                    {int(mapterrain::SoftLayer::Ranges),
                     mapterrain::drawWholeSoftLayer(mapterrain::SoftLayer::Ranges)}});
    return written ? 0 : 1;
}

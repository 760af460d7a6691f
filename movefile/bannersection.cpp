#include "movefile/bannersection.h"

#include "base/bytestream.h"
#include "movefile/movefilecontents.h"

#include <QCoreApplication>

std::array<std::string, 3> readBanners(ByteReader& in) {
    static const char* const names[3] = {
        QT_TRANSLATE_NOOP("BannerSection", "the first banner text in the banner section"),
        QT_TRANSLATE_NOOP("BannerSection", "the second banner text in the banner section"),
        QT_TRANSLATE_NOOP("BannerSection", "the third banner text in the banner section")};
    std::array<std::string, 3> banners;
    for (std::size_t i = 0; i < banners.size(); ++i)
        banners[i] =
            in.readText(movefile::kBannerLimits[i],
                        QCoreApplication::translate("BannerSection", names[i]).toStdString());
    return banners;
}

void writeBanners(ByteWriter& out, const std::array<std::string, 3>& banners) {
    for (std::size_t i = 0; i < banners.size(); ++i)
        if (banners[i].size() > static_cast<std::size_t>(movefile::kBannerLimits[i]))
            throw MoveFileError(QCoreApplication::translate(
                                    "BannerSection", "banner text %1 is longer than %2 characters")
                                    .arg(i + 1)
                                    .arg(movefile::kBannerLimits[i])
                                    .toStdString());
    for (const std::string& text : banners)
        out.writeText(text);
}

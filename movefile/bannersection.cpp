#include "movefile/bannersection.h"

#include "base/bytestream.h"
#include "movefile/movefilecontents.h"

std::array<std::string, 3> readBanners(ByteReader& in) {
    const char* const names[3] = {"the first banner text in the banner section",
                                  "the second banner text in the banner section",
                                  "the third banner text in the banner section"};
    std::array<std::string, 3> banners;
    for (std::size_t i = 0; i < banners.size(); ++i)
        banners[i] = in.readText(movefile::kBannerLimits[i], names[i]);
    return banners;
}

void writeBanners(ByteWriter& out, const std::array<std::string, 3>& banners) {
    for (std::size_t i = 0; i < banners.size(); ++i)
        if (banners[i].size() > static_cast<std::size_t>(movefile::kBannerLimits[i]))
            throw MoveFileError("banner text " + std::to_string(i + 1) + " is longer than " +
                                std::to_string(movefile::kBannerLimits[i]) + " characters");
    for (const std::string& text : banners)
        out.writeText(text);
}

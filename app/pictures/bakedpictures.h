#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <utility>
#include <vector>

// Pictures drawn at build time by korva_bakepictures (app/pictures/baked) and carried in the
// program as compressed resources, so that starting the program does not draw them again.
// A sheet is a list of pictures by identifier; a program or test built without the resources
// finds no sheets, and its callers draw the pictures themselves (the same pixels).
namespace bakedpictures {

// The sheets: the map 16002 alone, the tags of korva_1, the counters and markers of
// korva_2, the program's own pictures (the splash), and the map's soft shading.
inline constexpr const char* kMapSheet = "map";
inline constexpr const char* kTagSheet = "korva_1";
inline constexpr const char* kCounterSheet = "korva_2";
inline constexpr const char* kProgramSheet = "program";
// The map's soft shading for drawing it at other scales (mapterrain::SoftLayer).
inline constexpr const char* kTerrainSheet = "terrain";

// Identifiers in the program sheet: the splash, the icon of each size, the tool-bar glyphs,
// the view's glyphs.
inline constexpr int kSplash = 1;
inline constexpr int kIconBase = 1000;      // + size in pixels
inline constexpr int kGlyphBase = 2000;     // + programart::Glyph
inline constexpr int kViewGlyphBase = 3000; // + 100 * programart::ViewGlyph + size in pixels

// The bytes of a sheet: for each picture its identifier, width, height and QImage format
// (four native 32-bit integers), then height rows of width 32-bit pixels.
QByteArray encodeSheet(const std::vector<std::pair<int, QImage>>& pictures);
// The pictures of a sheet's bytes; empty when the bytes are not a whole sheet.
std::map<int, QImage> decodeSheet(const QByteArray& bytes);

// The pictures of the named sheet the program carries; empty when it carries none or the
// sheet is damaged. The pictures share the decompressed sheet as their pixels.
std::map<int, QImage> loadSheet(const QString& name);

// Starts decompressing the named sheets, in order, on a thread of its own, so that the
// loadSheet calls for them find them ready (each is handed out once). For start-up, while
// the main thread builds the first window.
void startLoading(const QStringList& names);

// The picture of the program sheet the program carries, else draw() drawn now.
QImage programPicture(int id, const std::function<QImage()>& draw);

} // namespace bakedpictures

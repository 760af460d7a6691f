// Renders the drawn pictures into PNG files for looking at them: the map with a sample of
// counters, stacks, markers and tags at 100% and 200%, every counter face, the dice, and
// the program's own art. Usage: korva_picturesheet [output folder]
#include "app/pictures/builtinpicturemodule.h"
#include "app/pictures/mapart.h"
#include "app/pictures/programart.h"
#include "board/mappicture.h"
#include "board/pictureids.h"
#include "counters/orderofbattle.h"
#include "geometry/hexgrid.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPainter>
#include <QTextStream>

#include <vector>

namespace {

const int kStackSteps[] = {0, 0, 15, 7, 3, 3, 2, 2, 2, 1};

QImage scaled(const QImage& image, int factor) {
    return image.scaled(image.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

// Puts the stack of picture ids into the hex the way the board draws stacks.
void placeStack(MapPicture& map, const PictureModule& counters, int hex,
                const std::vector<int>& ids, int marker = 0) {
    const AFPoint p = hexgrid::hexPosition(hex);
    const int step = kStackSteps[std::min<std::size_t>(ids.size(), 9)];
    for (std::size_t k = 0; k < ids.size(); ++k) {
        const int y = p.y + static_cast<int>(k) * step;
        map.drawImage(p.x, y, counters.bitmap(ids[k]));
        if (marker > 0 && k + 1 == ids.size())
            map.drawImage(p.x + 8, y + 8, counters.bitmap(pictureids::kMarkerBase + marker));
    }
}

void placeTag(MapPicture& map, const PictureModule& tags, int hex, int id) {
    const AFPoint p = hexgrid::hexPosition(hex);
    const int x = p.x - 8 < 0 ? 24 : p.x - 8;
    map.drawImage(x, p.y, tags.bitmap(id));
}

QImage counterSheet(const PictureModule& counters) {
    CounterInitList rows;
    buildOrderOfBattle(rows);
    constexpr int kPitch = 28;
    constexpr int kPerLine = 16;
    QImage sheet(kPerLine * kPitch * 2 + 4, 4 + kPitch * ((static_cast<int>(rows.size()) + 1) / 2),
                 QImage::Format_RGB32);
    sheet.fill(QColor(200, 200, 190));
    QPainter painter(&sheet);
    int index = 0;
    for (const ZeKCounterInitStruct& row : rows) {
        const int line = index / 2;
        int x = 4 + (index % 2) * kPerLine * kPitch;
        for (int k = 0; k <= row.steps; ++k, x += kPitch)
            painter.drawImage(x, 4 + line * kPitch, counters.bitmap(row.basePictureId + k));
        ++index;
    }
    return sheet;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp");
    QTextStream out(stdout);

    const BuiltinPictureModule tags(BuiltinPictureModule::Set::MapAndTags);
    const BuiltinPictureModule counters(BuiltinPictureModule::Set::CountersAndMarkers);
    QElapsedTimer timer;
    timer.start();
    MapPicture map(tags.bitmap(pictureids::kMap));
    out << "map " << map.width() << "x" << map.height() << " drawn in " << timer.elapsed()
        << " ms\n";
    map.image().save(folder + QStringLiteral("/korva_map.png"));

    // A sample around Naples, and a few off board and in column A: both sides, stacks,
    // losses, markers, forts, ports, game markers and both kinds of tags.
    using hexgrid::hexIndexOf;
    placeStack(map, counters, hexIndexOf(11, 40), {2000});
    placeStack(map, counters, hexIndexOf(12, 40), {2001, 2047});
    placeStack(map, counters, hexIndexOf(13, 40), {2179, 2183, 2190});
    placeStack(map, counters, hexIndexOf(14, 39), {2120}, 1);
    placeStack(map, counters, hexIndexOf(14, 41), {2184}, 2);
    placeStack(map, counters, hexIndexOf(15, 40), {2166});
    placeStack(map, counters, hexIndexOf(16, 40), {2379});
    placeStack(map, counters, hexIndexOf(17, 40), {2387});
    placeStack(map, counters, hexIndexOf(12, 42), {2140, 2141, 2142, 2143, 2144});
    placeStack(map, counters, hexIndexOf(15, 42), {2250, 2251, 2252});
    placeStack(map, counters, hexIndexOf(11, 42), {2155});
    placeStack(map, counters, hexIndexOf(16, 42), {2300});
    placeStack(map, counters, hexIndexOf(27, 10), {2100, 2101});
    placeStack(map, counters, hexIndexOf(0, 40), {2010});
    placeTag(map, tags, hexIndexOf(13, 40), 16014);
    placeTag(map, tags, hexIndexOf(15, 42), 16023);
    placeTag(map, tags, hexIndexOf(0, 40), 16016);
    placeTag(map, tags, hexIndexOf(16, 40), 16021);
    const QImage sample = map.copy(QRect(340, 1440, 340, 240));
    map.copy(QRect(0, 1380, 900, 400)).save(folder + QStringLiteral("/korva_sample_100.png"));
    scaled(sample, 2).save(folder + QStringLiteral("/korva_sample_200.png"));
    map.image().save(folder + QStringLiteral("/korva_map_with_counters.png"));

    scaled(counterSheet(counters), 1).save(folder + QStringLiteral("/korva_counters_100.png"));
    scaled(counterSheet(counters), 2).save(folder + QStringLiteral("/korva_counters_200.png"));

    QImage dice(8 * 16 + 8, 40, QImage::Format_RGB32);
    dice.fill(QColor(196, 205, 152));
    {
        QPainter painter(&dice);
        for (int v = 1; v <= 6; ++v) {
            painter.drawImage(4 + (v - 1) * 16, 4, tags.bitmap(pictureids::kOwnTagBase + v));
            painter.drawImage(4 + (v - 1) * 16, 20, tags.bitmap(pictureids::kFileTagBase + v));
        }
        painter.drawImage(100, 4, counters.bitmap(2551));
        painter.drawImage(100, 20, counters.bitmap(2552));
    }
    scaled(dice, 1).save(folder + QStringLiteral("/korva_dice_100.png"));
    scaled(dice, 6).save(folder + QStringLiteral("/korva_dice_600.png"));

    QImage art(360, 300, QImage::Format_ARGB32);
    art.fill(QColor(212, 208, 200));
    {
        using programart::Glyph;
        QPainter painter(&art);
        const auto cursor = programart::zekCursor();
        painter.drawImage(4, 4, cursor.image);
        painter.drawImage(40, 4, scaled(cursor.image, 4));
        int x = 4;
        for (Glyph g : {Glyph::Open, Glyph::Save, Glyph::Undo, Glyph::MoveAll,
                        Glyph::HideCombatTags, Glyph::About}) {
            painter.drawImage(x, 140, programart::buttonGlyph(g));
            painter.drawImage(x, 170, scaled(programart::buttonGlyph(g), 2));
            x += 46;
        }
        x = 4;
        for (int size : {16, 24, 32, 48, 64}) {
            painter.drawImage(x, 220, programart::programIcon(size));
            x += size + 8;
        }
        painter.drawImage(180, 4, programart::programIcon(128));
    }
    art.save(folder + QStringLiteral("/korva_art.png"));
    programart::splashPicture().save(folder + QStringLiteral("/korva_splash.png"));
    out << "written to " << folder << "\n";
    return 0;
}

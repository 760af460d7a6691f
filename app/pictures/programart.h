#pragma once

#include <QImage>
#include <QList>
#include <QPoint>

#include <functional>

class QPainter;

// The pictures the program carries itself, drawn in code: its cursor, icon, emblem, the
// tool-bar glyphs and the splash picture. Drawing text needs a QGuiApplication.
namespace programart {

struct CursorPicture {
    QImage image;   // 32 x 32, ARGB32: only black, white and transparent pixels
    QPoint hotSpot; // the sword's tip
};

// CUR_ZEK: a sword from its tip at the top-left corner to hilt and cross-guard at the
// bottom-right; hot spot (0, 0).
CursorPicture zekCursor();

// The program's emblem on a transparent ground, `size` pixels square.
QImage emblem(int size);
// Paints the emblem into the square (0, 0, size, size) of any paint device (the icon
// files are written through it, the scalable one too).
void paintEmblem(QPainter& painter, int size);

// The program icon, `size` pixels square (drawn for any size; see iconSizes()).
QImage programIcon(int size);
// The sizes worth putting into the window icon, smallest first.
QList<int> iconSizes();

enum class Glyph {
    Open,           // a counter with an arrow coming out of a disk drive
    Save,           // a counter with an arrow going into a disk drive
    Undo,           // a green arrow curving back to the left
    MoveAll,        // an abstract olive and yellow pattern
    HideCombatTags, // yellow hexes outlined in black, crossed by a blue line
    About,          // the program's emblem
    Redo,           // the Undo arrow turned to curve forward to the right
};

inline constexpr Glyph kGlyphs[] = {Glyph::Open,    Glyph::Save,           Glyph::Undo,
                                    Glyph::MoveAll, Glyph::HideCombatTags, Glyph::About,
                                    Glyph::Redo};

inline constexpr int kGlyphSize = 20;

// A glyph `size` pixels square on a transparent ground, ARGB32: `paint` draws it, antialiased.
QImage glyphCanvas(int size, const std::function<void(QPainter&)>& paint);

// A 20 x 20 tool-bar glyph on a transparent ground, ARGB32.
QImage buttonGlyph(Glyph glyph);

inline constexpr int kSplashSize = 260;

// The 260 x 260 splash picture: the name "Korva", the emblem and a piece of the map.
QImage splashPicture();

} // namespace programart

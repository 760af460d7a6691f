#pragma once

#include <QImage>

namespace programart {

// The glyphs of the view's tool-bar commands.
enum class ViewGlyph {
    ZoomIn,    // a magnifier with a plus
    ZoomOut,   // a magnifier with a minus
    FitWidth,  // a page between two arrows pointing to its sides
    FitWindow, // a page with its four corners marked
    Overview,  // a small map with the part in view framed
};
inline constexpr ViewGlyph kViewGlyphs[] = {ViewGlyph::ZoomIn, ViewGlyph::ZoomOut,
                                            ViewGlyph::FitWidth, ViewGlyph::FitWindow,
                                            ViewGlyph::Overview};
// The sizes a tool-bar icon carries.
inline constexpr int kViewGlyphSizes[] = {20, 40};

// The glyph drawn on a transparent ground, `size` pixels square (20 on the tool bar, 40
// for a high-density screen), ARGB32.
QImage viewGlyph(ViewGlyph glyph, int size = 20);

} // namespace programart

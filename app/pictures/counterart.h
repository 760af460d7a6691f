#pragma once

#include "app/pictures/counterlook.h"

#include <QImage>

// The drawn counter pictures: 24 x 24, the two sides' formations in khaki and in field
// grey with a nation band, forts in concrete, ports in sea blue, game markers in white.
namespace counterart {

inline constexpr int kCounterSize = 24;
// A held counter's picture lies this far up and left of the pointer: centred under it.
inline constexpr int kDragOffset = kCounterSize / 2;

// The counter with `losses` (0..look.steps) losses taken, Format_RGB32. Each loss turns one
// more cell of the step track red and shades the ground further. At a `scale` other than 1
// it is drawn afresh with that many device pixels per picture pixel (ceil(24 x scale)
// square), its small signs as lines rather than enlarged pixels.
QImage counterPicture(const CounterLook& look, int losses, qreal scale = 1.0);

} // namespace counterart

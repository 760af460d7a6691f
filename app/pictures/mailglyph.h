#pragma once

#include <QImage>

namespace programart {

// The 20 x 20 glyph of "Send by e-mail": an envelope with a little counter on its flap,
// on a transparent ground, ARGB32.
QImage mailGlyph();

} // namespace programart

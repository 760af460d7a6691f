#pragma once

#include <QFont>

// The fonts the drawn pictures use: the DejaVu family comes with Qt on every machine we
// build for, so the pictures look the same everywhere.
namespace artfonts {

// DejaVu Sans Condensed at a pixel size, hinted for crisp small text.
QFont condensed(int pixelSize, bool bold = false);
// DejaVu Sans at a pixel size.
QFont sans(int pixelSize, bool bold = false);
// DejaVu Serif at a pixel size (place names, titles).
QFont serif(int pixelSize, bool bold = false, bool italic = false);

} // namespace artfonts

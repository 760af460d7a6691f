#pragma once

#include "app/shell/korvasettings.h"

#include <QPoint>

#include <optional>

class QWidget;

namespace windowplacement {

// Where the main window's frame first opens, with the window's own size.
inline constexpr QPoint kFirstPlace{356, 157};

// The window's place as it stands, to open there next time.
WindowPlace placeOf(const QWidget& window);
// Puts a window not yet shown back where it was, to the pixel, or at kFirstPlace on the
// first run and when its place lies on no screen any more.
void restore(QWidget& window, const std::optional<WindowPlace>& saved);

} // namespace windowplacement

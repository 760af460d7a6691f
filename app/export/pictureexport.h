#pragma once

#include "app/export/exportprogress.h"
#include "app/export/mapshot.h"

class Game;

// Writes the picture to a PNG file band by band, through the safe writer: stopped or failed,
// it leaves no file, and a file it replaces stays until the new one is whole.
ExportOutcome exportPicture(const Game& game, const MapShot& shot, const QString& path,
                            ExportProgress& progress);

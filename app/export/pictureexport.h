#pragma once

#include "app/export/exportprogress.h"
#include "app/export/mapshot.h"

class Game;

// Why no file can be written at `path`, as far as can be told before anything is drawn (a
// folder there, no folder to put it in); empty when it may be.
QString fileTargetRefusal(const QString& path);

// Writes the picture to a PNG file band by band, through the safe writer: stopped or failed,
// it leaves no file, and a file it replaces stays until the new one is whole.
ExportOutcome exportPicture(const Game& game, const MapShot& shot, const QString& path,
                            ExportProgress& progress);

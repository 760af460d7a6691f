#pragma once

#include "app/pictures/layeredpicturemodule.h"
#include "board/picturemodule.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

// Opens a Windows resource DLL as a picture module; may throw or return null on failure.
using DllOpener = std::function<std::unique_ptr<PictureModule>(const QString& path)>;

// The module the game asks for by file name ("korva_1.dll"), layered from the first of:
//   1. the DLL itself, found in the first of `searchFolders` (program folder first, then
//      the current folder) where it opens, when `openDll` is set;
//   2. the picture folder named after the module without ".dll" ("korva_1/"), in the first
//      of `searchFolders` that has one;
//   3. the built-in drawn set, always.
// A DLL that fails to open never stops the program: the reason is appended to `warnings`
// (when given) and the next layer serves; the module keeps the lines it added there as
// load notes for its fallback listener. The result is never null.
std::unique_ptr<LayeredPictureModule> loadPictureModule(const QString& moduleFileName,
                                                        const QStringList& searchFolders,
                                                        DllOpener openDll,
                                                        QStringList* warnings = nullptr);

#pragma once

#include "board/picturemodule.h"

#include <QString>

#include <memory>

// Opens a picture module by its file name ("korva_1.dll"): the resource DLL, the picture
// folder and the built-in set, looked for beside the program and in the current folder.
// Problems with a DLL or a folder are written to standard error; the built-in set is
// always there, so this never fails.
std::unique_ptr<PictureModule> openPictureModule(const QString& moduleName);

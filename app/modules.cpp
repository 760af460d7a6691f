#include "app/modules.h"

#include "app/pictures/picturemoduleloader.h"
#include "app/resourcedll/resourcedllmodule.h"
#include "base/untrustedtext.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

std::unique_ptr<PictureModule> openPictureModule(const QString& moduleName) {
    const QStringList folders{QCoreApplication::applicationDirPath(), QDir::currentPath()};
    QStringList warnings;
    // Pictures a DLL holds damaged come from the next layer; say which.
    const DllOpener openDll = [&warnings](const QString& path) -> std::unique_ptr<PictureModule> {
        auto module = std::make_unique<ResourceDllModule>(path);
        for (const QString& problem : module->problems())
            warnings << module->name() + QStringLiteral(": ") + problem;
        return module;
    };
    std::unique_ptr<PictureModule> module =
        loadPictureModule(moduleName, folders, openDll, &warnings);
    // Standard error hears of the DLL's problems now and of pictures replaced later; the
    // window sets a listener of its own and tells the player in a warning.
    module->setFallbackListener([](const QString& note) {
        std::fprintf(stderr, "korva: %s\n", qPrintable(untrustedtext::forTerminal(note)));
    });
    return module;
}

#include "modules.h"

#include "picturemoduleloader.h"
#include "resourcedllmodule.h"

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
    auto module = loadPictureModule(moduleName, folders, openDll, &warnings);
    for (const QString& warning : warnings)
        std::fprintf(stderr, "korva: %s\n", qPrintable(warning));
    // The window tells the player itself; without one, standard error does.
    module->setFallbackListener(
        [](const QString& note) { std::fprintf(stderr, "korva: %s\n", qPrintable(note)); });
    return module;
}

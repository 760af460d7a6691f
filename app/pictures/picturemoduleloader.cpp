#include "app/pictures/picturemoduleloader.h"

#include "app/pictures/builtinpicturemodule.h"
#include "app/pictures/folderpicturemodule.h"
#include "app/pictures/layeredpicturemodule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <exception>
#include <vector>

namespace {

// The search folders without repeats (the program may run from the current folder).
QStringList distinctFolders(const QStringList& folders) {
    QStringList distinct;
    QStringList seen;
    for (const QString& folder : folders) {
        const QFileInfo info(folder);
        const QString key = info.exists() ? info.canonicalFilePath() : QDir::cleanPath(folder);
        if (folder.isEmpty() || seen.contains(key))
            continue;
        seen << key;
        distinct << folder;
    }
    return distinct;
}

void warn(QStringList* warnings, const QString& text) {
    if (warnings != nullptr)
        warnings->append(text);
}

std::unique_ptr<PictureModule> openFirstDll(const QString& moduleFileName,
                                            const QStringList& folders, const DllOpener& openDll,
                                            QStringList* warnings) {
    if (!openDll)
        return nullptr;
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(moduleFileName);
        if (!QFileInfo(path).isFile())
            continue;
        const QString shown = QDir::toNativeSeparators(path);
        try {
            if (auto module = openDll(path))
                return module;
            warn(warnings, QCoreApplication::translate(
                               "PictureModules", "%1 could not be opened; using other pictures.")
                               .arg(shown));
        } catch (const std::exception& error) {
            warn(warnings,
                 QCoreApplication::translate("PictureModules",
                                             "%1 could not be opened (%2); using other pictures.")
                     .arg(shown, QString::fromUtf8(error.what())));
        }
    }
    return nullptr;
}

std::unique_ptr<PictureModule> openFirstFolder(const QString& moduleFileName,
                                               const QStringList& folders) {
    QString folderName = moduleFileName;
    if (folderName.endsWith(QLatin1String(".dll"), Qt::CaseInsensitive))
        folderName.chop(4);
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(folderName);
        if (QFileInfo(path).isDir())
            return std::make_unique<FolderPictureModule>(path, moduleFileName);
    }
    return nullptr;
}

} // namespace

std::unique_ptr<LayeredPictureModule> loadPictureModule(const QString& moduleFileName,
                                                        const QStringList& searchFolders,
                                                        DllOpener openDll, QStringList* warnings) {
    const QStringList folders = distinctFolders(searchFolders);
    const qsizetype earlier = warnings ? warnings->size() : 0;
    std::vector<std::unique_ptr<PictureModule>> layers;
    layers.push_back(openFirstDll(moduleFileName, folders, openDll, warnings));
    layers.push_back(openFirstFolder(moduleFileName, folders));
    layers.push_back(BuiltinPictureModule::forModule(moduleFileName));
    auto module = std::make_unique<LayeredPictureModule>(moduleFileName, std::move(layers));
    if (warnings)
        module->addLoadNotes(warnings->mid(earlier));
    return module;
}

#pragma once

#include "board/picturemodule.h"

#include <QImage>
#include <QString>

#include <map>
#include <mutex>

// A player's own pictures: a folder of <id>.png or <id>.bmp files (a PNG wins over a BMP
// of the same number). The folder is listed once; each picture is decoded on first use,
// cut to the size the game draws it at, converted to Format_RGB32 and kept. A picture far
// larger than any of its kind is refused unread (pictureids::readLimit).
class FolderPictureModule final : public PictureModule {
public:
    // `moduleName` is the module the folder stands for ("korva_1.dll"), used in messages.
    FolderPictureModule(const QString& folder, const QString& moduleName);

    // A picture that is listed but cannot be decoded, or is far too large, throws a
    // ResourceError that names the file and the reason.
    QImage bitmap(int id) const override;
    bool contains(int id) const override;
    QString name() const override;

    const QString& folder() const { return folder_; }

private:
    QString folder_;
    QString moduleName_;
    std::map<int, QString> files_; // picture identifier -> file path
    mutable std::mutex mutex_;
    mutable std::map<int, QImage> decoded_;
};

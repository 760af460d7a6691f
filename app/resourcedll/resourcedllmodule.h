#pragma once

#include "app/resourcedll/pefile.h"
#include "board/picturemodule.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

#include <map>
#include <memory>
#include <mutex>
#include <vector>

// The pictures of a Windows resource DLL (korva_1.dll, korva_2.dll), read without
// loading it as a program: the file is read once, its bitmap directory indexed, and
// each picture decoded on first use, cut to the size the game draws it at and kept.
// A picture far larger than any of its kind is refused unread (pictureids::readLimit).
class ResourceDllModule final : public PictureModule {
public:
    // Files larger than this are refused unread; the largest real module is a few MB.
    static constexpr qint64 kMaxFileSize = qint64{256} << 20;

    // Reads the file at path. Throws ResourceError naming the file and the reason when
    // it is missing, unreadable, too large or not a sound Windows module.
    explicit ResourceDllModule(const QString& path);
    // The same from bytes already in memory; name is what errors and name() show.
    ResourceDllModule(QByteArray fileBytes, const QString& name);

    // Pictures whose header is damaged or far too large are left out of the module, so
    // that a layered loader takes them from elsewhere; problems() says which and why.
    QImage bitmap(int id) const override;
    // The picture whole, as the DLL holds it, decoded afresh and not kept: for copying
    // the pictures out one at a time. Throws ResourceError like bitmap().
    QImage decode(int id) const;
    bool contains(int id) const override;
    QString name() const override;

    // Identifiers of the sound pictures, in increasing order.
    std::vector<int> ids() const;
    // One line per picture that was left out, such as "bitmap 2001: ...".
    const QStringList& problems() const { return problems_; }

private:
    void index();

    QByteArray bytes_;
    QString name_;
    std::map<int, pefile::BitmapEntry> entries_;
    QStringList problems_;
    mutable std::mutex cacheMutex_;
    mutable std::map<int, QImage> decoded_;
};

// The opener a layered picture loader calls for a DLL file it found; throws
// ResourceError with the reason when the file is refused.
std::unique_ptr<PictureModule> openResourceDll(const QString& path);

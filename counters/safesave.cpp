#include "safesave.h"

#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

namespace {

bool fail(QString* error, const QString& reason) {
    if (error)
        *error = reason;
    return false;
}

} // namespace

bool saveFileSafely(const QString& path, const QByteArray& bytes, QString* error,
                    const SaveFaults& faults) {
    if (QFileInfo(path).isDir())
        return fail(error, QStringLiteral("%1 is a folder").arg(path));
    QSaveFile file(path);
    // Never fall back to writing over the target in place.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return fail(error, file.errorString());

    constexpr qint64 kChunk = 64 * 1024;
    qint64 written = 0;
    while (written < bytes.size()) {
        qint64 chunk = std::min(kChunk, bytes.size() - written);
        bool forced = false;
        if (faults.failWriteAfter >= 0 && written + chunk > faults.failWriteAfter) {
            chunk = faults.failWriteAfter - written;
            forced = true;
        }
        const qint64 n = chunk > 0 ? file.write(bytes.constData() + written, chunk) : 0;
        if (n != chunk || forced) {
            file.cancelWriting();
            return fail(error,
                        forced ? QStringLiteral("writing failed part-way") : file.errorString());
        }
        written += n;
    }
    if (faults.failCommit) {
        file.cancelWriting();
        file.commit();
        return fail(error, QStringLiteral("the file could not be replaced"));
    }
    if (!file.commit())
        return fail(error, file.errorString());
    return true;
}

#include "extractpictures.h"

#include "resourcedllmodule.h"

#include <QDir>
#include <QSaveFile>
#include <QTextStream>

bool extractPictures(const QString& dllPath, const QString& folder, ExtractResult* result,
                     QString* error) {
    ExtractResult& done = *result;
    done = {};
    try {
        const ResourceDllModule module(dllPath);
        done.skipped = module.problems();
        QDir dir(folder);
        if (!dir.mkpath(QStringLiteral("."))) {
            *error = QStringLiteral("Cannot create the folder %1").arg(folder);
            return false;
        }
        for (const int id : module.ids()) {
            const QString png = QStringLiteral("%1.png").arg(id);
            if (dir.exists(png) || dir.exists(QStringLiteral("%1.bmp").arg(id))) {
                done.skipped.append(
                    QStringLiteral("bitmap %1: a picture file for it exists already, kept")
                        .arg(id));
                continue;
            }
            QImage image;
            try {
                image = module.bitmap(id);
            } catch (const ResourceError& damaged) {
                done.skipped.append(QString::fromUtf8(damaged.what()));
                continue;
            }
            // Written beside and renamed into place, so a failed write leaves no half file.
            QSaveFile file(dir.filePath(png));
            if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit()) {
                *error = QStringLiteral("Cannot write %1: %2")
                             .arg(QDir::toNativeSeparators(dir.filePath(png)), file.errorString());
                return false;
            }
            ++done.written;
        }
    } catch (const ResourceError& refused) {
        *error = QString::fromUtf8(refused.what());
        return false;
    }
    return true;
}

int runExtractPictures(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    if (arguments.size() != 2) {
        err << "Usage: korva --extract-pictures MODULE.dll FOLDER\n";
        return 2;
    }
    ExtractResult result;
    QString error;
    const bool ok = extractPictures(arguments[0], arguments[1], &result, &error);
    for (const QString& line : std::as_const(result.skipped))
        err << line << '\n';
    if (!ok) {
        err << error << '\n';
        return 1;
    }
    out << "Wrote " << result.written << " pictures to " << QDir::toNativeSeparators(arguments[1])
        << '\n';
    return 0;
}

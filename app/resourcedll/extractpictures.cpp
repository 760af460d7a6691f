#include "app/resourcedll/extractpictures.h"

#include "app/resourcedll/resourcedllmodule.h"
#include "base/safesave.h"
#include "base/untrustedtext.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

#include <memory>

namespace {

// The picture as PNG bytes, or empty when it cannot be encoded.
QByteArray encodePng(const QImage& image) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    return image.save(&buffer, "PNG") ? png : QByteArray();
}

} // namespace

bool extractPictures(const QString& dllPath, const QString& folder, ExtractResult* result,
                     QString* error) {
    ExtractResult& done = *result;
    done = {};
    std::unique_ptr<ResourceDllModule> module;
    try {
        module = std::make_unique<ResourceDllModule>(dllPath);
    } catch (const ResourceError& refused) {
        done.refused = true;
        *error = QString::fromStdString(refused.reason());
        return false;
    }
    done.skipped = module->problems();
    QDir dir(folder);
    if (!dir.mkpath(QStringLiteral("."))) {
        *error = QCoreApplication::translate("korva", "%1: the folder cannot be created")
                     .arg(QDir::toNativeSeparators(folder));
        return false;
    }
    for (const int id : module->ids()) {
        const QString png = QStringLiteral("%1.png").arg(id);
        if (dir.exists(png) || dir.exists(QStringLiteral("%1.bmp").arg(id))) {
            done.skipped.append(
                QCoreApplication::translate("korva",
                                            "bitmap %1: a picture file for it exists already, kept")
                    .arg(id));
            continue;
        }
        // One picture at a time: decoded, encoded, written and let go before the next.
        QByteArray bytes;
        try {
            bytes = encodePng(module->decode(id));
        } catch (const ResourceError& damaged) {
            done.skipped.append(QString::fromUtf8(damaged.what()));
            continue;
        }
        const QString path = QDir::toNativeSeparators(dir.filePath(png));
        QString why = QCoreApplication::translate("korva", "the picture could not be encoded");
        if (bytes.isEmpty() || !saveFileSafely(dir.filePath(png), bytes, &why)) {
            *error = QStringLiteral("%1: %2").arg(path, why);
            return false;
        }
        ++done.written;
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
    // Names and texts from the module go to a terminal: their controls are shown, not obeyed.
    const auto shown = &untrustedtext::forTerminal;
    for (const QString& line : std::as_const(result.skipped))
        err << shown(line) << '\n';
    if (!ok && result.refused) {
        err << "korva: " << shown(arguments[0]) << ": " << shown(error) << '\n';
        return 2;
    }
    if (!ok) {
        err << "korva: " << shown(error) << '\n';
        return 1;
    }
    out << "Wrote " << result.written << " pictures to "
        << shown(QDir::toNativeSeparators(arguments[1])) << '\n';
    return 0;
}

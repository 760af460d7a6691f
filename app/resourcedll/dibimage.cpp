#include "app/resourcedll/dibimage.h"

#include "app/resourcedll/dibfile.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>

QImage decodeDib(std::span<const std::uint8_t> dib, const dibfile::SizeLimit& limit) {
    const dibfile::DibLayout layout = dibfile::inspectDib(dib, limit);
    const std::vector<std::uint8_t> file = dibfile::toBmpFile(dib);
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(file.data()),
                                               static_cast<qsizetype>(file.size()));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "BMP");
    reader.setAutoTransform(false);
    QImage image = reader.read();
    if (image.isNull())
        throw dibfile::DibFormatError("the bitmap does not decode: " +
                                      reader.errorString().toStdString());
    if (image.width() != layout.width || image.height() != layout.height)
        throw dibfile::DibFormatError("the bitmap decodes to the wrong size");
    return image.convertToFormat(QImage::Format_RGB32);
}

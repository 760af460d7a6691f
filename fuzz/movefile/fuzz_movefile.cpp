// Feeds arbitrary bytes to the move file reader. A file it takes must survive writing and
// reading again unchanged, and applying it to a game must not fail. Korva's own block after
// the banners is read too: one it takes survives writing and reading again, and whatever
// it holds never changes what the three sections say.
#include "board/mappicture.h"
#include "board/picturemodule.h"
#include "combat/taggermgr.h"
#include "counters/countermgr.h"
#include "movefile/movefile.h"

#include <QByteArrayView>
#include <QImage>

#include <cstddef>
#include <cstdint>

namespace {

class TagPictures : public PictureModule {
public:
    QImage bitmap(int id) const override {
        if (!contains(id))
            throw ResourceError(name(), id);
        return picture_;
    }
    bool contains(int id) const override {
        return (id >= 16011 && id <= 16016) || (id >= 16021 && id <= 16026);
    }
    QString name() const override { return QStringLiteral("tags"); }

private:
    QImage picture_ = [] {
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(qRgb(200, 0, 0));
        return image;
    }();
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const TagPictures pictures;
    static MapPicture map([] {
        QImage image(120, 120, QImage::Format_RGB32);
        image.fill(qRgb(1, 2, 3));
        return image;
    }());
    static CounterMgr counters;
    static TaggerMgr tags(&pictures, &map);

    const QByteArrayView bytes(data, static_cast<qsizetype>(size));
    MoveFileContents contents;
    qsizetype bannerEnd = 0;
    try {
        contents = parseMoveFile(bytes, &bannerEnd);
    } catch (const MoveFileError&) {
        return 0;
    }
    if (parseMoveFile(encodeMoveFile(contents)) != contents)
        __builtin_trap();

    const OpenedMoveFile opened = parseOpenedMoveFile(bytes.toByteArray());
    if (opened.contents != contents)
        __builtin_trap();
    const KorvaExtensionRead block = parseKorvaExtension(bytes.sliced(bannerEnd));
    if (!block.warning.isEmpty() && !block.extension.isEmpty())
        __builtin_trap();
    if (!block.extension.isEmpty()) {
        const KorvaExtensionRead again = parseKorvaExtension(encodeKorvaExtension(block.extension));
        // Records this Korva does not know are skipped, so the next save no longer holds them.
        KorvaExtension expected = block.extension;
        expected.unknownRecords = false;
        if (!again.warning.isEmpty() || again.extension != expected)
            __builtin_trap();
    }
    applyMoveFile(contents, counters, tags);
    if (tags.openedCount() != contents.tags.size())
        __builtin_trap();
    return 0;
}

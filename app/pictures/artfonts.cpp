#include "app/pictures/artfonts.h"

namespace artfonts {
namespace {

QFont make(const QString& family, int pixelSize, bool bold) {
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

} // namespace

QFont condensed(int pixelSize, bool bold) {
    return make(QStringLiteral("DejaVu Sans Condensed"), pixelSize, bold);
}

QFont sans(int pixelSize, bool bold) {
    return make(QStringLiteral("DejaVu Sans"), pixelSize, bold);
}

QFont serif(int pixelSize, bool bold, bool italic) {
    QFont font = make(QStringLiteral("DejaVu Serif"), pixelSize, bold);
    font.setItalic(italic);
    return font;
}

} // namespace artfonts

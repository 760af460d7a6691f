#include "app/turn/turnheading.h"

#include "app/shell/plaintext.h"

#include <QCoreApplication>

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("TurnFeature", text);
}

QString sourceText(const TurnMoves& moves) {
    switch (moves.source) {
    case MovesSource::TurnStartRecord:
        return tr("from the turn's start the file keeps");
    case MovesSource::StartHexes:
        return tr("from the file's start hexes");
    case MovesSource::EarlierPosition:
        return tr("since your file %1").arg(plaintext::name(moves.since));
    case MovesSource::None:
        break;
    }
    return tr("nothing says where the turn began");
}

} // namespace

QString changeCountText(std::size_t count) {
    return count == 1 ? tr("1 change") : tr("%1 changes").arg(count);
}

QString turnHeading(const TurnMoves& moves) {
    const QString count =
        moves.changes.empty() ? tr("No moves") : changeCountText(moves.changes.size());
    return moves.source == MovesSource::None ? count
                                             : count + QStringLiteral(", ") + sourceText(moves);
}

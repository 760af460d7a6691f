#include "app/turn/turnheading.h"

#include "base/untrustedtext.h"

#include <QCoreApplication>

namespace {

QString sourceText(const TurnMoves& moves) {
    switch (moves.source) {
    case MovesSource::TurnStartRecord:
        return QCoreApplication::translate("TurnFeature", "from the turn's start the file keeps");
    case MovesSource::StartHexes:
        return QCoreApplication::translate("TurnFeature", "from the file's start hexes");
    case MovesSource::EarlierPosition:
        return QCoreApplication::translate("TurnFeature", "since your file %1")
            .arg(untrustedtext::quoted(moves.since));
    case MovesSource::None:
        break;
    }
    return QCoreApplication::translate("TurnFeature", "nothing says where the turn began");
}

} // namespace

QString changeCountText(std::size_t count) {
    return QCoreApplication::translate("TurnFeature", "%n change(s)", nullptr, int(count));
}

QString turnHeading(const TurnMoves& moves) {
    const QString count = moves.changes.empty()
                              ? QCoreApplication::translate("TurnFeature", "No moves")
                              : changeCountText(moves.changes.size());
    return moves.source == MovesSource::None ? count
                                             : count + QStringLiteral(", ") + sourceText(moves);
}

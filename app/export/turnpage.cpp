#include "app/export/turnpage.h"

#include "app/export/mapshot.h"
#include "app/export/turnpagehtml.h"
#include "app/map/zoom.h"
#include "app/shell/turntext.h"
#include "app/turn/turnlistmodel.h"
#include "base/pngstreamwriter.h"
#include "base/safesave.h"
#include "base/win1252.h"
#include "board/mappicture.h"
#include "game/game.h"
#include "game/turnkeeper.h"
#include "geometry/hexgrid.h"

#include <QCoreApplication>

namespace {

// Map pixels shown around the moves, so that a reader sees where they happened.
constexpr int kRoom = 60;
// The longest side of a page's picture.
constexpr int kLongestSide = 1600;
// How far into the holding area an arrow from (or to) it reaches on the page: enough to say
// where it came from, without a long line across the empty columns.
constexpr double kHoldingReach = 30;

QStringList rowOf(const TurnListModel& list, int row, const std::vector<int>& columns) {
    QStringList cells;
    for (const int column : columns)
        cells << list.data(list.index(row, column)).toString();
    return cells;
}

QStringList headersOf(const TurnListModel& list, const std::vector<int>& columns) {
    QStringList headers;
    for (const int column : columns)
        headers << list.headerData(column, Qt::Horizontal).toString();
    return headers;
}

// The first x of the holding area, right of every board hex.
double holdingEdge() {
    using namespace hexgrid;
    return (kBoardColumns - 1) * kColumnPitch + kTopEdgeWidth + kSideOverhang;
}

void takeRows(TurnPage& page, const TurnListModel& list) {
    using C = TurnListModel::Column;
    const std::vector<int> changeColumns{C::Unit, C::From, C::To, C::Losses, C::Marker};
    const std::vector<int> combatColumns{C::Unit, C::CombatHex, C::Comment};
    page.changeColumns = headersOf(list, changeColumns);
    page.combatColumns = headersOf(list, combatColumns);
    // The combats' first column says the die and its roll: it is named for what it holds.
    page.combatColumns[0] = QCoreApplication::translate("TurnPage", "Combat");
    const int changes = int(list.changeCount());
    for (int row = 0; row < list.rowCount(); ++row) {
        if (row < changes) {
            QStringList cells = rowOf(list, row, changeColumns);
            // A marker that is not there and did not change says nothing.
            QString& marker = cells[int(changeColumns.size()) - 1];
            if (marker == QLatin1String("0"))
                marker.clear();
            page.changes.push_back(cells);
        } else
            page.combats.push_back(rowOf(list, row, combatColumns));
    }
}

} // namespace

namespace turnpage {

MoveOverlay shortened(MoveOverlay marks) {
    // Across from the hex on the board, just inside the holding area: the arrow says where
    // the counter came from (or went) without a line across the map.
    const double edge = holdingEdge() + kHoldingReach;
    for (MoveOverlay::Arrow& arrow : marks.arrows) {
        const bool fromHolding = arrow.from.x() > edge;
        if (fromHolding == (arrow.to.x() > edge))
            continue;
        if (fromHolding)
            arrow.from = QPointF(edge, arrow.to.y());
        else
            arrow.to = QPointF(edge, arrow.from.y());
    }
    return marks;
}

QRect area(const TurnPageSource& source) {
    QRectF around = shortened(source.marks).bounds();
    const TurnListModel& list = source.list;
    for (int row = int(list.changeCount()); row < list.rowCount(); ++row)
        if (const int hex = list.hexOf(row); hexgrid::isValidHex(hex))
            around |= moveoverlay::stackBox(source.game.board(), hex);
    if (around.isEmpty())
        return {};
    const QRect map(0, 0, source.game.mapPicture().width(), source.game.mapPicture().height());
    return around.toAlignedRect().adjusted(-kRoom, -kRoom, kRoom, kRoom).intersected(map);
}

qreal scaleFor(const QSize& area) {
    const int longest = std::max(area.width(), area.height());
    for (auto step = Zoom::kSteps.rbegin(); step != Zoom::kSteps.rend(); ++step)
        if (*step <= 1.0 && longest * *step <= kLongestSide)
            return *step;
    return Zoom::kMinimum;
}

} // namespace turnpage

ExportOutcome exportTurnPage(const TurnPageSource& source, const QString& path) {
    const Game& game = source.game;
    TurnPage page;
    const TurnOrder& order = game.turn().order();
    page.title = turnText(order, false);
    page.diceVerdict = source.diceVerdict;
    page.fileName = source.fileName;
    page.players = order.players();
    for (std::size_t i = 0; i < page.banners.size(); ++i)
        page.banners[i] = win1252::toUnicode(game.banners()[i]);
    page.note = source.note;
    takeRows(page, source.list);

    MapShot shot;
    shot.area = turnpage::area(source);
    const QSize mapSize(game.mapPicture().width(), game.mapPicture().height());
    shot.scale = turnpage::scaleFor(shot.area.isNull() ? mapSize : shot.area.size());
    shot.marks = turnpage::shortened(source.marks);
    page.pictureSize = mapshot::deviceRect(game, shot).size();
    PngStreamWriter png(page.pictureSize);
    const bool drawn = mapshot::drawBands(game, shot, [&png](QImage band, int) {
        png.write(std::move(band));
        return true;
    });
    page.picture = png.finish();
    if (!drawn || page.picture.isEmpty())
        return ExportOutcome::failed(
            QCoreApplication::translate("TurnPage", "there is not enough memory for the picture"));
    QString error;
    return saveFileSafely(path, turnPageHtml(page), &error) ? ExportOutcome::done()
                                                            : ExportOutcome::failed(error);
}

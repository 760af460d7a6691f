#include "app/find/orderofbattledock.h"
#include "app/map/mapoverlay.h"
#include "app/map/overviewmap.h"
#include "app/map/zoom.h"
#include "app/pictures/counterlook.h"
#include "app/shell/korvaapplication.h"
#include "app/turn/turnlistdock.h"
#include "geometry/hexgrid.h"
#include "tests/app/mainformharness.h"

#include <QAbstractScrollArea>
#include <QComboBox>
#include <QDockWidget>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QTableView>

// The map view at other zooms and moving around it, through the real window: every mouse
// rule on map pixels, the drag picture and the return slide scaled, wheel and keys,
// panning, scrolling near the edge while dragging, overlays, the overview, and what is
// remembered. At 100% the other GUI tests hold unchanged.
class TestMainFormView : public QObject {
    Q_OBJECT
private slots:
    void mouseRulesOnMapPixels_data();
    void mouseRulesOnMapPixels();
    void dragPictureAndSlideAtZoom();
    void wheelZoomKeepsThePixelUnderThePointer();
    void zoomCommandsAndControl();
    void keysAndPanningScroll();
    void spaceHeldEndsWhenTheFocusGoes();
    void dragScrollsNearTheEdge();
    void overlayPaintsOnMapCoordinates();
    void overviewShowsSidesAndMovesTheView();
    void zoomAndOverviewRemembered();
};

namespace {

// The point of the view where a map point is drawn.
QPoint at(MainFormHarness& h, QPointF mapPoint) {
    return h.map().viewPointOf(mapPoint).toPoint();
}

QAbstractScrollArea& scrollBox(MainFormHarness& h) {
    return *h.form->findChild<QAbstractScrollArea*>(QStringLiteral("bScrollBoxMain"));
}

QPoint scrolled(MainFormHarness& h) {
    return {scrollBox(h).horizontalScrollBar()->value(), scrollBox(h).verticalScrollBar()->value()};
}

bool showWindow(MainFormHarness& h) {
    h.form->resize(900, 700);
    h.form->show();
    h.form->activateWindow();
    return QTest::qWaitForWindowExposed(h.form.get());
}

// Paints a filled square over a map rectangle.
class SquareOverlay final : public MapOverlay {
public:
    QRectF square{100, 100, 10, 10};
    QRectF lastExposed;
    void paint(QPainter& painter, const QRectF& exposed) override {
        lastExposed = exposed;
        painter.fillRect(square, Qt::magenta);
    }
    void move(const QRectF& to) {
        requestRepaint(square);
        square = to;
        requestRepaint(square);
    }
};

} // namespace

void TestMainFormView::mouseRulesOnMapPixels_data() {
    QTest::addColumn<qreal>("zoom");
    QTest::newRow("25%") << 0.25;
    QTest::newRow("33%") << 1.0 / 3.0;
    QTest::newRow("50%") << 0.5;
    QTest::newRow("67%") << 2.0 / 3.0;
    QTest::newRow("150%") << 1.5;
    QTest::newRow("400%") << 4.0;
}

// Pick up, drop, rotate, the drop area, the pop-up menu's hex and the status panels all
// find the hex drawn under the pointer, whatever the zoom.
void TestMainFormView::mouseRulesOnMapPixels() {
    QFETCH(qreal, zoom);
    MainFormHarness h;
    h.form->mapView().zoom().setScale(zoom);
    h.place(1, 300);
    h.place(2, 300);
    h.rebuild();
    // A whole drag of the top counter from hex 300 to hex 1200.
    QTest::mousePress(&h.map(), Qt::LeftButton, {}, at(h, MainFormHarness::centre(300)));
    QVERIFY(h.form->play().isDragging());
    h.moveTo(at(h, MainFormHarness::centre(1200)), Qt::LeftButton);
    QCOMPARE(h.form->play().statusText(1), QString::fromStdString(hexgrid::hexLabel(1200)));
    QTest::mouseRelease(&h.map(), Qt::LeftButton, {}, at(h, MainFormHarness::centre(1200)));
    QCOMPARE(h.stack(1200), (std::vector<const Counter*>{&h.counter(2)}));
    QCOMPARE(h.form->play().statusText(2), QStringLiteral("Has Moved"));
    // A release beyond the drop area moves nothing.
    QTest::mousePress(&h.map(), Qt::LeftButton, {}, at(h, MainFormHarness::centre(300)));
    QTest::mouseRelease(&h.map(), Qt::LeftButton, {}, at(h, QPointF(1495, 100)));
    QCOMPARE(h.stack(300), (std::vector<const Counter*>{&h.counter(1)}));
    // The status panels and the pop-up menu's hex follow the pointer's map pixel; zoomed
    // in, a single pixel next to a hex's corner decides as the hit test does.
    if (zoom >= 1.0) {
        h.moveTo(QPoint(static_cast<int>(34.5 * zoom), static_cast<int>(214.5 * zoom)));
        QCOMPARE(h.form->play().lastHex(), 74);
    }
    h.moveTo(at(h, MainFormHarness::centre(1727)));
    QCOMPARE(h.form->play().statusText(1), QStringLiteral("Off board"));
}

void TestMainFormView::dragPictureAndSlideAtZoom() {
    MainFormHarness h;
    h.form->mapView().zoom().setScale(2.0);
    h.place(1, 300, 200);
    h.rebuild();
    const QPoint press = at(h, MainFormHarness::centre(300));
    QTest::mousePress(&h.map(), Qt::LeftButton, {}, press);
    // The counter as the map shows it: twice its size, centred on the pointer.
    QCOMPARE(h.form->play().dragImage().size(), QSize(48, 48));
    QCOMPARE(h.form->play().dragImage().pos() + QPoint(24, 24), press + h.map().pos());
    QTest::mouseRelease(&h.map(), Qt::LeftButton, {}, press);
    // The return slide starts on the hex position and moves by twice the map's steps.
    h.moveTo(press);
    h.form->play().pmReturnClick();
    QCOMPARE(h.animationPositions.size(), std::size_t{30});
    const AFPoint from = ZeKClick(300).position();
    const AFPoint to = ZeKClick(200).position();
    QCOMPARE(h.animationPositions.front(),
             h.map().viewportPointOf(QPointF(from.x, from.y)).toPoint());
    QCOMPARE(h.animationPositions[1] - h.animationPositions[0],
             QPoint((to.x - from.x) / 30 * 2, (to.y - from.y) / 30 * 2));
    QCOMPARE(h.counter(1).currentHex().index(), 200);
}

// Each step of the wheel keeps the map point under the pointer there, to the half view
// pixel that whole scroll positions allow.
void TestMainFormView::wheelZoomKeepsThePixelUnderThePointer() {
    MainFormHarness h;
    QVERIFY(showWindow(h));
    h.map().centreOn(QPointF(700, 1400));
    const QPointF pointer(230, 170); // in the viewport
    const auto mapPointUnder = [&h, pointer] {
        return (pointer - QPointF(h.map().pos())) / h.map().mapScale();
    };
    for (const int notches : {1, 2, -3, -1}) {
        const QPointF before = mapPointUnder();
        const QPointF at = pointer - QPointF(h.map().pos());
        QWheelEvent wheel(at, h.map().mapToGlobal(at), {}, QPoint(0, 120 * notches), Qt::NoButton,
                          Qt::ControlModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&h.map(), &wheel);
        const QPointF moved = mapPointUnder() - before;
        const qreal halfViewPixel = 0.5 / h.map().mapScale() + 1e-9;
        QVERIFY2(std::abs(moved.x()) <= halfViewPixel && std::abs(moved.y()) <= halfViewPixel,
                 qPrintable(QStringLiteral("%1, %2 at %3")
                                .arg(moved.x())
                                .arg(moved.y())
                                .arg(h.map().mapScale())));
    }
    // One in, two more in, three out, one out: 150%, 300%, 150%... down to 67%.
    QCOMPARE(h.form->mapView().zoom().percent(), 67);
}

void TestMainFormView::zoomCommandsAndControl() {
    MainFormHarness h;
    QVERIFY(showWindow(h));
    QVERIFY(QTest::qWaitForWindowActive(h.form.get()));
    auto* box = h.form->findChild<QComboBox*>(QStringLiteral("bZoomBox"));
    QTest::keyClick(h.form.get(), Qt::Key_Minus, Qt::ControlModifier);
    QCOMPARE(box->currentText(), QStringLiteral("67%"));
    QTest::keyClick(h.form.get(), Qt::Key_Equal, Qt::ControlModifier);
    QTest::keyClick(h.form.get(), Qt::Key_Plus, Qt::ControlModifier);
    QCOMPARE(box->currentText(), QStringLiteral("150%"));
    QTest::keyClick(h.form.get(), Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(h.form->mapView().zoom().scale(), 1.0);
    // A percentage typed into the control, which has the keyboard then (Enter is the map's
    // while the map has it).
    box->lineEdit()->setFocus();
    box->lineEdit()->selectAll();
    QTest::keyClicks(box->lineEdit(), QStringLiteral("250"));
    QTest::keyClick(box->lineEdit(), Qt::Key_Return);
    QCOMPARE(h.form->mapView().zoom().scale(), 2.5);
    // Fit width: the map's width fills the view beside its scroll bar.
    h.form->findChild<QAction*>(QStringLiteral("actFitWidth"))->trigger();
    QVERIFY(std::abs(h.map().width() - scrollBox(h).viewport()->width()) <= 1);
    h.form->findChild<QAction*>(QStringLiteral("actFitWindow"))->trigger();
    QCOMPARE(h.form->mapView().zoom().scale(), Zoom::kMinimum); // the map is far taller
    QCOMPARE(box->currentText(), QStringLiteral("25%"));
    QVERIFY(!h.form->findChild<QAction*>(QStringLiteral("actZoomOut"))->isEnabled());
}

void TestMainFormView::keysAndPanningScroll() {
    MainFormHarness h;
    QVERIFY(showWindow(h));
    h.map().setFocus();
    h.map().centreOn(QPointF(700, 1400));
    QPoint start = scrolled(h);
    // Ctrl with the arrows scrolls; the arrows alone move the hex cursor.
    QTest::keyClick(&h.map(), Qt::Key_Right, Qt::ControlModifier);
    QTest::keyClick(&h.map(), Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(scrolled(h), start + QPoint(20, 20));
    QTest::keyClick(&h.map(), Qt::Key_PageDown);
    QCOMPARE(scrolled(h).y(), start.y() + 20 + scrollBox(h).verticalScrollBar()->pageStep());

    // The middle button drags the map the way the pointer goes.
    start = scrolled(h);
    const QPoint grab = h.map().mapFromParent(QPoint(300, 200));
    QTest::mousePress(&h.map(), Qt::MiddleButton, {}, grab);
    const QPoint to = grab + QPoint(-40, 25);
    QMouseEvent move(QEvent::MouseMove, to, h.map().mapToGlobal(to), Qt::NoButton, Qt::MiddleButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(&h.map(), &move);
    QTest::mouseRelease(&h.map(), Qt::MiddleButton, {}, to);
    QCOMPARE(scrolled(h), start + QPoint(40, -25));

    // Space with the left button pans too, and picks up no counter.
    const QPoint hex = h.map().mapFromParent(QPoint(300, 200));
    const QPoint pixel = h.map().mapPixelAt(hex);
    const int hexIndex = ZeKClick(AFPoint(pixel.x(), pixel.y())).index();
    h.place(1, hexIndex);
    h.rebuild();
    QTest::keyPress(&h.map(), Qt::Key_Space);
    QTest::mousePress(&h.map(), Qt::LeftButton, {}, hex);
    QVERIFY(!h.form->play().isDragging());
    QTest::mouseRelease(&h.map(), Qt::LeftButton, {}, hex);
    QTest::keyRelease(&h.map(), Qt::Key_Space);
    QCOMPARE(h.stack(hexIndex).size(), std::size_t{1});
    QTest::mousePress(&h.map(), Qt::LeftButton, {}, hex);
    QVERIFY(h.form->play().isDragging());
    QTest::mouseRelease(&h.map(), Qt::LeftButton, {}, hex);
}

// Space held ends when the keyboard goes elsewhere, whose release the map never sees: the
// pointer's look comes back and a left press picks up again.
void TestMainFormView::spaceHeldEndsWhenTheFocusGoes() {
    MainFormHarness h;
    QVERIFY(showWindow(h));
    h.map().setFocus();
    h.map().centreOn(QPointF(700, 1400));
    const QPoint hex = h.map().mapFromParent(QPoint(300, 200));
    const QPoint pixel = h.map().mapPixelAt(hex);
    h.place(1, ZeKClick(AFPoint(pixel.x(), pixel.y())).index());
    h.rebuild();
    const auto cursor = [] {
        const QCursor* shown = QGuiApplication::overrideCursor();
        return shown ? shown->shape() : Qt::BitmapCursor;
    };
    const Qt::CursorShape before = cursor();
    QTest::keyPress(&h.map(), Qt::Key_Space);
    QCOMPARE(cursor(), Qt::OpenHandCursor);
    QTest::mousePress(&h.map(), Qt::LeftButton, {}, hex);
    QVERIFY(!h.form->play().isDragging()); // a pan, not a pick-up
    QTest::mouseRelease(&h.map(), Qt::LeftButton, {}, hex);

    QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QCoreApplication::sendEvent(&h.map(), &away);
    QCOMPARE(cursor(), before);
    QTest::mousePress(&h.map(), Qt::LeftButton, {}, hex);
    QVERIFY(h.form->play().isDragging());
    QTest::mouseRelease(&h.map(), Qt::LeftButton, {}, hex);
}

// A counter dragged to the view's edge scrolls the map, and lands on the hex under the
// pointer when it is dropped there.
void TestMainFormView::dragScrollsNearTheEdge() {
    MainFormHarness h;
    QVERIFY(showWindow(h));
    h.map().centreOn(QPointF(700, 1400));
    const QPoint inView = h.map().mapFromParent(QPoint(300, 200));
    const QPoint pixel = h.map().mapPixelAt(inView);
    const int from = ZeKClick(AFPoint(pixel.x(), pixel.y())).index();
    h.place(1, from);
    h.rebuild();
    QTest::mousePress(&h.map(), Qt::LeftButton, {}, inView);
    const QPoint before = scrolled(h);
    const QPoint edge = h.map().mapFromParent(QPoint(scrollBox(h).viewport()->width() - 3, 200));
    h.moveTo(edge, Qt::LeftButton);
    QTRY_VERIFY(scrolled(h).x() > before.x() + 60);
    const QPoint dropAt = h.map().mapFromParent(QPoint(scrollBox(h).viewport()->width() - 3, 200));
    const QPoint dropPixel = h.map().mapPixelAt(dropAt);
    const int to = ZeKClick(AFPoint(dropPixel.x(), dropPixel.y())).index();
    QCOMPARE(h.form->play().lastHex(),
             to); // the status follows the hex that moved under the pointer
    QTest::mouseRelease(&h.map(), Qt::LeftButton, {}, dropAt);
    QCOMPARE(h.stack(to), (std::vector<const Counter*>{&h.counter(1)}));
    const QPoint stopped = scrolled(h);
    QTest::qWait(100);
    QCOMPARE(scrolled(h), stopped); // the drop stops the scrolling
}

void TestMainFormView::overlayPaintsOnMapCoordinates() {
    MainFormHarness h;
    QVERIFY(showWindow(h));
    h.map().zoom().setScale(2.0);
    h.map().placeMapPoint(QPointF(80, 80), QPointF(0, 0));
    auto overlay = std::make_unique<SquareOverlay>();
    h.map().addOverlay(overlay.get());
    const QRect shown(160, 160, 140, 140); // map (80, 80) onwards, at the viewport's corner
    QImage shot = h.map().grab(shown).toImage();
    // Map (100, 100) to (110, 110) lies at view (200, 200) to (220, 220).
    QCOMPARE(shot.pixelColor(50, 50), QColor(Qt::magenta));
    QVERIFY(shot.pixelColor(65, 50) != QColor(Qt::magenta));
    QVERIFY(overlay->lastExposed.contains(QRectF(100, 100, 10, 10)));
    // A repaint asked for by map rectangle; the map picture is never drawn on.
    const int before = h.map().updateRequests();
    overlay->move(QRectF(120, 100, 10, 10));
    QCOMPARE(h.map().updateRequests(), before + 2);
    shot = h.map().grab(shown).toImage();
    QVERIFY(shot.pixelColor(50, 50) != QColor(Qt::magenta));
    QCOMPARE(shot.pixelColor(90, 50), QColor(Qt::magenta));
    QCOMPARE(h.form->game().mapPicture().image().pixel(125, 105),
             h.form->game().mapPicture().pristineCopy(QRect(125, 105, 1, 1)).pixel(0, 0));
    overlay.reset(); // leaves the view on its own
    shot = h.map().grab(shown).toImage();
    QVERIFY(shot.pixelColor(90, 50) != QColor(Qt::magenta));
}

void TestMainFormView::overviewShowsSidesAndMovesTheView() {
    MainFormHarness h;
    QVERIFY(showWindow(h));
    h.form->findChild<QAction*>(QStringLiteral("actOverview"))->trigger();
    QVERIFY(h.form->mapFeature().overviewDock().isVisible());
    auto* overview = h.form->findChild<OverviewMap*>(QStringLiteral("bOverviewMap"));
    h.place(1, 1000);   // the first side
    h.place(120, 2000); // the second side
    h.rebuild();
    QCoreApplication::processEvents(); // the gathered changes reach the views
    const QImage shot = overview->grab().toImage();
    for (const auto& [hex, kind] :
         {std::pair{1000, CounterKind::FirstSide}, std::pair{2000, CounterKind::SecondSide}}) {
        const AFPoint p = hexgrid::hexPosition(hex);
        const QPoint dot = overview->widgetPointOf(QPointF(p.x + 12, p.y + 19)).toPoint();
        QCOMPARE(shot.pixelColor(dot), OverviewMap::dotColour(int(kind)));
    }
    // A click centres the view there; a drag moves it along.
    const QPointF target(900, 2000);
    QTest::mouseClick(overview, Qt::LeftButton, {}, overview->widgetPointOf(target).toPoint());
    QVERIFY((h.map().visibleMapRect().center() - target).manhattanLength() < 20);
    const QPoint frameMiddle = overview->viewFrame().center().toPoint();
    QTest::mousePress(overview, Qt::LeftButton, {}, frameMiddle);
    const QPoint up = frameMiddle - QPoint(0, 30);
    QMouseEvent move(QEvent::MouseMove, up, overview->mapToGlobal(up), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(overview, &move);
    QTest::mouseRelease(overview, Qt::LeftButton, {}, up);
    QVERIFY(h.map().visibleMapRect().center().y() < target.y() - 100);
}

void TestMainFormView::zoomAndOverviewRemembered() {
    QTemporaryDir dir;
    const QString settings = dir.filePath(QStringLiteral("korva.conf"));
    {
        MainFormHarness h(1, settings);
        QCOMPARE(h.form->mapView().zoom().scale(), 1.0); // the first run is at 100%
        QVERIFY(showWindow(h));
        h.form->mapView().zoom().setScale(1.5);
        h.form->mapFeature().overviewDock().show();
        h.form->find().orderOfBattleDock().show();
        h.form->turn().turnListDock().show();
        h.form->findChild<QAction*>(QStringLiteral("actReadableLosses"))->setChecked(true);
        QVERIFY(h.form->close());
    }
    MainFormHarness again(1, settings);
    QCOMPARE(again.form->mapView().zoom().scale(), 1.5);
    QVERIFY(again.form->findChild<QAction*>(QStringLiteral("actReadableLosses"))->isChecked());
    QVERIFY(showWindow(again));
    QVERIFY(again.form->mapFeature().overviewDock().isVisible());
    QVERIFY(again.form->find().orderOfBattleDock().isVisible());
    // The docks build their contents when first shown; the saved state's come back whole.
    QVERIFY(again.form->findChild<QTableView*>(QStringLiteral("bOrderOfBattleTable"))->isVisible());
    QVERIFY(again.form->findChild<QTableView*>(QStringLiteral("bTurnList"))->isVisible());
}

int main(int argc, char** argv) {
    KorvaApplication app(argc, argv);
    TestMainFormView test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_mainform_view.moc"

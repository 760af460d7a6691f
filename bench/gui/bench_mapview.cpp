// The map view through a shown window on Qt's offscreen platform, with the program's own
// pictures and a busy position, against copying a 1920 x 1080 view's pixels once
// (BM_CopyViewPixels): one frame of scrolling at every zoom step (a wheel notch, 60 view
// pixels, and the whole view repainted), a zoom step (the first frame at the new zoom, and
// the time until the sharp tiles are in), and a move at 50% and 200%, counting the pixels
// it repaints against its two hexes' areas. "x_copy" is a frame's time over the copy's.
#include "app/files/filesfeature.h"
#include "app/map/mapview.h"
#include "app/map/zoom.h"
#include "app/pictures/picturemoduleloader.h"
#include "app/play/playfeature.h"
#include "app/turn/turnfeature.h"
#include "app/window/tmainform.h"
#include "bench/common/busymovefile.h"
#include "bench/common/offscreenmain.h"
#include "board/mapboard.h"
#include "game/game.h"
#include "geometry/hexgrid.h"
#include "geometry/zekclick.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

constexpr QSize kView(1920, 1080);

// The median time of copying the view's pixels once into a buffer made beforehand.
double copyMilliseconds() {
    static const double median = [] {
        const auto bytes = static_cast<std::size_t>(kView.width()) * kView.height() * 4;
        std::vector<char> from(bytes, 1);
        std::vector<char> to(bytes, 0);
        std::vector<double> times;
        for (int i = 0; i < 101; ++i) {
            QElapsedTimer timer;
            timer.start();
            std::memcpy(to.data(), from.data(), bytes);
            benchmark::DoNotOptimize(to.data());
            times.push_back(double(timer.nsecsElapsed()) / 1e6);
        }
        std::nth_element(times.begin(), times.begin() + 50, times.end());
        return times[50];
    }();
    return median;
}

void BM_CopyViewPixels(benchmark::State& state) {
    const auto bytes = static_cast<std::size_t>(kView.width()) * kView.height() * 4;
    std::vector<char> from(bytes, 1);
    std::vector<char> to(bytes, 0);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::ClobberMemory();
    }
    state.counters["median_ms"] = copyMilliseconds();
}
BENCHMARK(BM_CopyViewPixels)->Unit(benchmark::kMillisecond);

QAbstractScrollArea& scrollBox(TMainForm& form) {
    return *form.findChild<QAbstractScrollArea*>(QStringLiteral("bScrollBoxMain"));
}

// The window as the program starts it, its view 1920 x 1080, a busy position opened.
std::unique_ptr<TMainForm> makeForm(QTemporaryDir& folder) {
    MainFormSetup setup;
    setup.loadModule = [](const QString& name) { return loadPictureModule(name, {}, {}); };
    setup.seed = 1;
    auto form = std::make_unique<TMainForm>(std::move(setup));
    form->resize(kView + QSize(40, 200));
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get()))
        return nullptr;
    const QSize viewport = scrollBox(*form).viewport()->size();
    form->resize(form->size() + kView - viewport);
    QCoreApplication::processEvents();
    const QString path = folder.filePath(QStringLiteral("busy.krv"));
    QFile file(path);
    const QByteArray bytes = busymovefile::busy();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return nullptr;
    file.close();
    if (!form->files().OpenMove(path) || scrollBox(*form).viewport()->size() != kView)
        return nullptr;
    QCoreApplication::processEvents();
    return form;
}

// The zoom set and the view centred on the board, its sharp tiles made.
void zoomTo(TMainForm& form, qreal scale) {
    MapView& view = form.mapView();
    view.zoom().setScale(scale);
    view.centreOn(QPointF(440, 1500));
    QCoreApplication::processEvents();
    view.finishVisibleTiles();
    QCoreApplication::processEvents();
}

double elapsedMs(const QElapsedTimer& timer) {
    return double(timer.nsecsElapsed()) / 1e6;
}

void reportFrames(benchmark::State& state, double totalMs) {
    const double perFrame = totalMs / double(state.iterations());
    state.counters["frame_ms"] = perFrame;
    state.counters["x_copy"] = perFrame / copyMilliseconds();
}

// One wheel notch of scrolling (60 view pixels), down and up in turn, until painted.
void BM_ScrollFrame(benchmark::State& state) {
    QTemporaryDir folder;
    auto form = makeForm(folder);
    if (!form) {
        state.SkipWithError("the window was not shown at 1920 x 1080");
        return;
    }
    const qreal scale = Zoom::kSteps[std::size_t(state.range(0))];
    zoomTo(*form, scale);
    QScrollBar* bar = scrollBox(*form).verticalScrollBar();
    int direction = 1;
    double totalMs = 0.0;
    MapView& view = form->mapView();
    const qint64 paintedBefore = view.paintedPixels();
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        bar->setValue(bar->value() + direction * 60);
        QCoreApplication::processEvents();
        const double ms = elapsedMs(timer);
        state.SetIterationTime(ms / 1e3);
        totalMs += ms;
        direction = -direction;
    }
    state.SetLabel(QStringLiteral("%1%").arg(view.zoom().percent()).toStdString());
    reportFrames(state, totalMs);
    // A scroll should paint only the strip it uncovers.
    state.counters["painted_px"] =
        double(view.paintedPixels() - paintedBefore) / double(state.iterations());
}
BENCHMARK(BM_ScrollFrame)->DenseRange(0, 8)->UseManualTime()->Unit(benchmark::kMillisecond);

// The whole view repainted (a page scrolled, a window uncovered).
void BM_WholeViewFrame(benchmark::State& state) {
    QTemporaryDir folder;
    auto form = makeForm(folder);
    if (!form) {
        state.SkipWithError("the window was not shown at 1920 x 1080");
        return;
    }
    zoomTo(*form, Zoom::kSteps[std::size_t(state.range(0))]);
    MapView& view = form->mapView();
    double totalMs = 0.0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        view.update();
        QCoreApplication::processEvents();
        const double ms = elapsedMs(timer);
        state.SetIterationTime(ms / 1e3);
        totalMs += ms;
    }
    state.SetLabel(QStringLiteral("%1%").arg(view.zoom().percent()).toStdString());
    reportFrames(state, totalMs);
}
BENCHMARK(BM_WholeViewFrame)->DenseRange(0, 8)->UseManualTime()->Unit(benchmark::kMillisecond);

// A zoom step from one step to the next, until the first frame at the new zoom is painted;
// "sharp_ms" is the time until the tiles of the view are in as well (zooming in).
void BM_ZoomStep(benchmark::State& state) {
    QTemporaryDir folder;
    auto form = makeForm(folder);
    if (!form) {
        state.SkipWithError("the window was not shown at 1920 x 1080");
        return;
    }
    const qreal from = Zoom::kSteps[std::size_t(state.range(0))];
    const qreal to = Zoom::kSteps[std::size_t(state.range(1))];
    MapView& view = form->mapView();
    double totalMs = 0.0;
    double sharpMs = 0.0;
    for (auto _ : state) {
        state.PauseTiming();
        zoomTo(*form, from);
        state.ResumeTiming();
        QElapsedTimer timer;
        timer.start();
        view.zoom().setScale(to);
        QCoreApplication::processEvents();
        const double ms = elapsedMs(timer);
        view.finishVisibleTiles();
        QCoreApplication::processEvents();
        sharpMs += elapsedMs(timer);
        state.SetIterationTime(ms / 1e3);
        totalMs += ms;
    }
    state.SetLabel(
        QStringLiteral("%1% to %2%").arg(qRound(from * 100)).arg(qRound(to * 100)).toStdString());
    reportFrames(state, totalMs);
    state.counters["sharp_ms"] = sharpMs / double(state.iterations());
}
BENCHMARK(BM_ZoomStep)
    ->Args({4, 3})
    ->Args({3, 2})
    ->Args({2, 1})
    ->Args({1, 0})
    ->Args({0, 1})
    ->Args({3, 4})
    ->Args({4, 5})
    ->Args({5, 6})
    ->Args({6, 7})
    ->Args({7, 8})
    ->Args({8, 7})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// A counter dragged between two hexes in view and back, until painted: the view pixels
// repainted per move against the two hexes' counter areas at that zoom.
void BM_MoveRepaint(benchmark::State& state) {
    QTemporaryDir folder;
    auto form = makeForm(folder);
    if (!form) {
        state.SkipWithError("the window was not shown at 1920 x 1080");
        return;
    }
    const qreal scale = double(state.range(0)) / 100.0;
    zoomTo(*form, scale);
    MapView& view = form->mapView();
    // A hex in view with a counter, nearest the middle, and a hex two columns or rows away
    // that is in view as well.
    const QRectF shown = view.visibleMapRect().adjusted(40, 40, -40, -40);
    const auto inView = [&shown](int hex) {
        if (hex < 0 || hex >= hexgrid::kHexCount)
            return false;
        const AFPoint c = hexgrid::hexCentre(hex);
        return shown.contains(QPointF(c.x, c.y));
    };
    int a = -1;
    qreal nearest = 1e12;
    for (int hex = 0; hex < hexgrid::kHexCount; ++hex) {
        if (!inView(hex) || form->game().board().count(hex) == 0)
            continue;
        const AFPoint p = ZeKClick(hex).position();
        const QPointF d = QPointF(p.x, p.y) - shown.center();
        if (const qreal distance = QPointF::dotProduct(d, d); distance < nearest) {
            nearest = distance;
            a = hex;
        }
    }
    int b = -1;
    for (const int step : {2 * hexgrid::kRowsPerColumn, -2 * hexgrid::kRowsPerColumn, 2, -2})
        if (b < 0 && a >= 0 && inView(a + step))
            b = a + step;
    if (b < 0) {
        state.SkipWithError("no counter with a free hex near it in view");
        return;
    }
    const auto centre = [&view](int hex) {
        const AFPoint p = ZeKClick(hex).position();
        return view.viewPointOf(QPointF(p.x + 12, p.y + 19)).toPoint();
    };
    const qint64 paintedBefore = view.paintedPixels();
    double totalMs = 0.0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        QTest::mousePress(&view, Qt::LeftButton, {}, centre(a));
        QTest::mouseRelease(&view, Qt::LeftButton, {}, centre(b));
        QCoreApplication::processEvents();
        const double ms = elapsedMs(timer);
        state.SetIterationTime(ms / 1e3);
        totalMs += ms;
        std::swap(a, b);
    }
    const double painted =
        double(view.paintedPixels() - paintedBefore) / double(state.iterations());
    const double twoHexes = 2.0 * (27 * scale + 2) * (39 * scale + 2);
    state.SetLabel(QStringLiteral("%1%").arg(state.range(0)).toStdString());
    state.counters["painted_px"] = painted;
    state.counters["two_hexes_px"] = twoHexes;
    state.counters["painted_x_two_hexes"] = painted / twoHexes;
    state.counters["frame_ms"] = totalMs / double(state.iterations());
}
BENCHMARK(BM_MoveRepaint)
    ->Arg(50)
    ->Arg(100)
    ->Arg(200)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return runOffscreenBenchmarks(argc, argv);
}

// The map view through a shown window on Qt's offscreen platform, with the program's own
// pictures and a busy position, each row until the window is flushed: one frame of scrolling
// at every zoom step where the map outgrows the view (a wheel notch, 60 view pixels), the
// whole view repainted, a zoom step (the first frame at the new zoom, and the time until the
// view is sharp), and a move at 50%, 100% and 200%, counting the pixels it repaints against
// its two hexes' areas. Every row times copying a 1920 x 1080 view's pixels once beside each
// of its iterations, so that both meet the same load: "x_copy" is a frame over a copy.
#include "app/files/filesfeature.h"
#include "app/map/mapview.h"
#include "app/map/zoom.h"
#include "app/pictures/picturemoduleloader.h"
#include "app/window/tmainform.h"
#include "bench/common/busymovefile.h"
#include "bench/common/flushwatch.h"
#include "bench/common/offscreenmain.h"
#include "bench/common/steadytimes.h"
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

#include <cstring>
#include <vector>

namespace {

constexpr QSize kView(1920, 1080);

double elapsedMs(const QElapsedTimer& timer) {
    return double(timer.nsecsElapsed()) / 1e6;
}

// The yardstick: the view's pixels copied once into a buffer made beforehand.
class ViewCopy {
public:
    double milliseconds() {
        const double cpuBefore = processCpuMs();
        QElapsedTimer timer;
        timer.start();
        std::memcpy(to_.data(), from_.data(), to_.size());
        benchmark::DoNotOptimize(to_.data());
        const double ms = elapsedMs(timer);
        samples_.push_back(ms);
        cpuSamples_.push_back(processCpuMs() - cpuBefore);
        return ms;
    }
    double medianMs() const { return medianOf(samples_); }
    double medianCpuMs() const { return medianOf(cpuSamples_); }

private:
    static constexpr std::size_t kBytes = std::size_t(kView.width()) * kView.height() * 4;
    std::vector<char> from_ = std::vector<char>(kBytes, 1);
    std::vector<char> to_ = std::vector<char>(kBytes, 0);
    std::vector<double> samples_;
    std::vector<double> cpuSamples_;
};

QAbstractScrollArea& scrollBox(TMainForm& form) {
    return *form.findChild<QAbstractScrollArea*>(QStringLiteral("bScrollBoxMain"));
}

// The window as the program starts it, its view 1920 x 1080, a busy position opened.
struct Window {
    QTemporaryDir folder;
    std::unique_ptr<TMainForm> form;
    std::unique_ptr<FlushWatch> watch;

    bool open() {
        MainFormSetup setup;
        setup.loadModule = [](const QString& name) { return loadPictureModule(name, {}, {}); };
        setup.seed = 1;
        form = std::make_unique<TMainForm>(std::move(setup));
        form->resize(kView + QSize(40, 200));
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get()))
            return false;
        watch = std::make_unique<FlushWatch>(*form);
        const QSize viewport = scrollBox(*form).viewport()->size();
        form->resize(form->size() + kView - viewport);
        watch->settle();
        const QString path = folder.filePath(QStringLiteral("busy.krv"));
        QFile file(path);
        const QByteArray bytes = busymovefile::busy();
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return false;
        file.close();
        if (!form->files().OpenMove(path) || scrollBox(*form).viewport()->size() != kView)
            return false;
        watch->settle();
        return true;
    }
    MapView& view() { return form->mapView(); }

    // Until every tile in view is in and painted, and the window flushed.
    bool waitUntilSharp() {
        return watch->waitUntil([this] { return view().visibleTilesShown(); });
    }
    // The zoom set, the view centred on the board and sharp.
    bool zoomTo(qreal scale) {
        view().zoom().setScale(scale);
        view().centreOn(QPointF(440, 1500));
        watch->settle();
        return waitUntilSharp();
    }
};

// Medians of the iterations, the frames' and the copies', timed in turn; "cpu_x_copy" the
// same in processor time, when the frames' was measured.
void reportFrames(benchmark::State& state, const std::vector<double>& frames, const ViewCopy& copy,
                  const std::vector<double>& cpuFrames = {}) {
    state.counters["frame_ms"] = medianOf(frames);
    state.counters["copy_ms"] = copy.medianMs();
    state.counters["x_copy"] = medianOf(frames) / copy.medianMs();
    if (!cpuFrames.empty() && copy.medianCpuMs() > 0)
        state.counters["cpu_x_copy"] = medianOf(cpuFrames) / copy.medianCpuMs();
}

std::string percentLabel(qreal scale) {
    return QStringLiteral("%1%").arg(qRound(scale * 100)).toStdString();
}

// One wheel notch of scrolling (60 view pixels), down and up in turn, until flushed. At 25%
// and 33% the whole map fits the view and there is nothing to scroll.
void BM_ScrollFrame(benchmark::State& state) {
    Window window;
    const qreal scale = Zoom::kSteps[std::size_t(state.range(0))];
    if (!window.open() || !window.zoomTo(scale)) {
        state.SkipWithError("the window was not shown at 1920 x 1080");
        return;
    }
    QScrollBar* bar = scrollBox(*window.form).verticalScrollBar();
    if (bar->maximum() < 60) {
        state.SkipWithError("nothing to scroll");
        return;
    }
    int direction = 1;
    std::vector<double> frames;
    std::vector<double> cpuFrames;
    ViewCopy copy;
    const qint64 paintedBefore = window.view().repaints().paintedPixels();
    for (auto _ : state) {
        const double cpuBefore = processCpuMs();
        QElapsedTimer timer;
        timer.start();
        bar->setValue(bar->value() + direction * 60);
        if (!window.watch->waitForFlush())
            state.SkipWithError("the scroll was never shown");
        const double ms = elapsedMs(timer);
        cpuFrames.push_back(processCpuMs() - cpuBefore);
        state.SetIterationTime(ms / 1e3);
        frames.push_back(ms);
        copy.milliseconds();
        direction = -direction;
    }
    state.SetLabel(percentLabel(scale));
    reportFrames(state, frames, copy, cpuFrames);
    // A scroll should paint only the strip it uncovers.
    state.counters["painted_px"] =
        double(window.view().repaints().paintedPixels() - paintedBefore) /
        double(state.iterations());
}
BENCHMARK(BM_ScrollFrame)->DenseRange(2, 8)->UseManualTime()->Unit(benchmark::kMillisecond);

// The whole view repainted (a page scrolled, a window uncovered).
void BM_WholeViewFrame(benchmark::State& state) {
    Window window;
    const qreal scale = Zoom::kSteps[std::size_t(state.range(0))];
    if (!window.open() || !window.zoomTo(scale)) {
        state.SkipWithError("the window was not shown at 1920 x 1080");
        return;
    }
    std::vector<double> frames;
    ViewCopy copy;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        window.view().update();
        if (!window.watch->waitForFlush())
            state.SkipWithError("the repaint was never shown");
        const double ms = elapsedMs(timer);
        state.SetIterationTime(ms / 1e3);
        frames.push_back(ms);
        copy.milliseconds();
    }
    state.SetLabel(percentLabel(scale));
    reportFrames(state, frames, copy);
}
BENCHMARK(BM_WholeViewFrame)->DenseRange(0, 8)->UseManualTime()->Unit(benchmark::kMillisecond);

// A zoom step from one step to the next, until the first frame at the new zoom is flushed
// ("frame_ms"); zooming in, the row's time runs on until every tile in view is sharp and
// flushed ("sharp_ms"), zooming out it is the first frame's.
void BM_ZoomStep(benchmark::State& state) {
    Window window;
    const qreal from = Zoom::kSteps[std::size_t(state.range(0))];
    const qreal to = Zoom::kSteps[std::size_t(state.range(1))];
    // Both zooms once before timing: what is made once per run is made.
    if (!window.open() || !window.zoomTo(to) || !window.zoomTo(from)) {
        state.SkipWithError("the window was not shown at 1920 x 1080");
        return;
    }
    std::vector<double> frames;
    std::vector<double> sharp;
    std::vector<double> cpuSteps; // until the first frame
    ViewCopy copy;
    for (auto _ : state) {
        state.PauseTiming();
        window.zoomTo(from);
        state.ResumeTiming();
        const double cpuBefore = processCpuMs();
        QElapsedTimer timer;
        timer.start();
        window.view().zoom().setScale(to);
        if (!window.watch->waitForFlush())
            state.SkipWithError("the zoom was never shown");
        const double frame = elapsedMs(timer);
        const double cpuFrame = processCpuMs() - cpuBefore;
        if (!window.waitUntilSharp())
            state.SkipWithError("the view never became sharp");
        const double sharpAfter = elapsedMs(timer);
        cpuSteps.push_back(cpuFrame);
        state.SetIterationTime((to > from ? sharpAfter : frame) / 1e3);
        frames.push_back(frame);
        sharp.push_back(sharpAfter);
        copy.milliseconds();
    }
    state.SetLabel(percentLabel(from) + " to " + percentLabel(to));
    reportFrames(state, frames, copy, cpuSteps);
    state.counters["sharp_ms"] = medianOf(sharp);
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
    ->Iterations(15)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// A counter dragged between two hexes in view and back, until flushed: the view pixels
// repainted per move against the two hexes' counter areas at that zoom.
void BM_MoveRepaint(benchmark::State& state) {
    Window window;
    const qreal scale = double(state.range(0)) / 100.0;
    if (!window.open() || !window.zoomTo(scale)) {
        state.SkipWithError("the window was not shown at 1920 x 1080");
        return;
    }
    MapView& view = window.view();
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
        if (!inView(hex) || window.form->game().board().count(hex) == 0)
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
    const qint64 paintedBefore = view.repaints().paintedPixels();
    std::vector<double> frames;
    ViewCopy copy;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        QTest::mousePress(&view, Qt::LeftButton, {}, centre(a));
        QTest::mouseRelease(&view, Qt::LeftButton, {}, centre(b));
        if (!window.watch->waitForFlush())
            state.SkipWithError("the move was never shown");
        const double ms = elapsedMs(timer);
        state.SetIterationTime(ms / 1e3);
        frames.push_back(ms);
        copy.milliseconds();
        std::swap(a, b);
    }
    const double painted =
        double(view.repaints().paintedPixels() - paintedBefore) / double(state.iterations());
    const double twoHexes = 2.0 * (27 * scale + 2) * (39 * scale + 2);
    state.SetLabel(QStringLiteral("%1%").arg(state.range(0)).toStdString());
    state.counters["painted_px"] = painted;
    state.counters["two_hexes_px"] = twoHexes;
    state.counters["painted_x_two_hexes"] = painted / twoHexes;
    reportFrames(state, frames, copy);
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

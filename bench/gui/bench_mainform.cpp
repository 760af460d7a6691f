// The main window on Qt's offscreen platform: one mouse movement during a drag (only the
// drag picture moves), one drop (two hexes redrawn), and opening a busy move file in the
// shown window with the program's own pictures until the window is flushed, against copying
// the map's pixels once, and with the three docks open against an Open without them.
#include "app/files/filesfeature.h"
#include "app/find/findfeature.h"
#include "app/find/orderofbattledock.h"
#include "app/map/mapfeature.h"
#include "app/map/mapview.h"
#include "app/pictures/picturemoduleloader.h"
#include "app/play/playfeature.h"
#include "app/turn/turnfeature.h"
#include "app/turn/turnlistdock.h"
#include "app/window/tmainform.h"
#include "bench/common/busymovefile.h"
#include "bench/common/flushwatch.h"
#include "bench/common/offscreenmain.h"
#include "bench/common/steadytimes.h"
#include "board/pictureids.h"
#include "counters/countermgr.h"
#include "game/game.h"
#include "geometry/hexgrid.h"
#include "geometry/zekclick.h"
#include "tests/common/cachedpicturemodule.h"
#include "tests/common/gameaccess.h"

#include <QApplication>
#include <QDockWidget>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include <cstring>

namespace {

std::unique_ptr<TMainForm> makeForm() {
    MainFormSetup setup;
    setup.loadModule = [](const QString& name) -> std::unique_ptr<PictureModule> {
        return std::make_unique<CachedPictureModule>(std::make_unique<FakePictureModule>(name));
    };
    setup.seed = 1;
    auto form = std::make_unique<TMainForm>(std::move(setup));
    // Counter n in hex 200 + n: a board with every counter on it.
    int n = 0;
    for (const auto& counter : form->game().counters().counters()) {
        ++n;
        counter->setState(CounterRecord{200 + n, 200 + n, 0, 0});
    }
    mutableGame(form->session()).restack();
    return form;
}

QPoint centre(int hex) {
    const AFPoint c = hexgrid::hexCentre(hex);
    return {c.x, c.y};
}

void BM_MouseMoveDuringDrag(benchmark::State& state) {
    auto form = makeForm();
    MapView& map = form->mapView();
    QTest::mousePress(&map, Qt::LeftButton, {}, centre(201));
    int x = 100;
    for (auto _ : state) {
        QTest::mouseMove(&map, QPoint(x, 900));
        x = x == 1400 ? 100 : x + 1;
    }
    QTest::mouseRelease(&map, Qt::LeftButton, {}, centre(201));
}
BENCHMARK(BM_MouseMoveDuringDrag);

void BM_Drop(benchmark::State& state) {
    auto form = makeForm();
    MapView& map = form->mapView();
    int from = 201;
    int to = 1000;
    for (auto _ : state) {
        QTest::mousePress(&map, Qt::LeftButton, {}, centre(from));
        QTest::mouseRelease(&map, Qt::LeftButton, {}, centre(to));
        std::swap(from, to);
    }
}
BENCHMARK(BM_Drop);

// The window as the program starts it: the built-in pictures (no DLL or folder), shown at
// `size` (its own first size when empty).
std::unique_ptr<TMainForm> makeShownForm(const QSize& size = {}) {
    MainFormSetup setup;
    setup.loadModule = [](const QString& name) { return loadPictureModule(name, {}, {}); };
    setup.seed = 1;
    auto form = std::make_unique<TMainForm>(std::move(setup));
    if (!size.isEmpty())
        form->resize(size);
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get()))
        return nullptr;
    QCoreApplication::processEvents();
    return form;
}

QString writeBusyFile(const QTemporaryDir& folder, bool stacked) {
    const QString path =
        folder.filePath(stacked ? QStringLiteral("stacked.krv") : QStringLiteral("turn.krv"));
    QFile file(path);
    const QByteArray bytes = stacked ? busymovefile::stackBusy() : busymovefile::busy();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return path;
}

double elapsedMs(const QElapsedTimer& timer) {
    return double(timer.nsecsElapsed()) / 1e6;
}

// One copy of the map's pixels into a buffer made beforehand: the yardstick, timed beside
// each Open so that both meet the same load of the machine.
class MapCopy {
public:
    MapCopy()
        : map_(loadPictureModule(QStringLiteral("korva_1.dll"), {}, {})->bitmap(pictureids::kMap)),
          target_(map_.size(), map_.format()) {}
    double milliseconds() {
        QElapsedTimer timer;
        timer.start();
        std::memcpy(target_.bits(), map_.constBits(), static_cast<std::size_t>(map_.sizeInBytes()));
        benchmark::ClobberMemory();
        return elapsedMs(timer);
    }

private:
    QImage map_;
    QImage target_;
};

// Open (Ctrl+O without the dialog) of a move file with every counter on the board, alone in
// its hex (0) or in stacks of one to eight (1), until the window is flushed; "x_map_copy" is
// its median time over the median of one copy of the map's pixels, timed in the same
// iterations. The counter
// "updates" is the number of repaints one Open asks for.
void BM_OpenInShownWindow(benchmark::State& state) {
    QTemporaryDir folder;
    const QString path = writeBusyFile(folder, state.range(0) != 0);
    auto form = makeShownForm();
    if (path.isEmpty() || !form) {
        state.SkipWithError("no move file or no window");
        return;
    }
    FlushWatch watch(*form);
    MapCopy copy;
    const int updatesBefore = form->mapView().updateRequests();
    std::vector<double> opens;
    std::vector<double> copies;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        if (!form->files().OpenMove(path) || !watch.waitForFlush())
            state.SkipWithError("the move file was refused or never shown");
        const double ms = elapsedMs(timer);
        state.SetIterationTime(ms / 1e3);
        opens.push_back(ms);
        copies.push_back(copy.milliseconds());
    }
    const auto n = double(state.iterations());
    state.counters["updates"] = double(form->mapView().updateRequests() - updatesBefore) / n;
    state.counters["map_copy_ms"] = medianOf(copies);
    state.counters["x_map_copy"] = medianOf(opens) / medianOf(copies);
}
BENCHMARK(BM_OpenInShownWindow)
    ->Arg(0)
    ->Arg(1)
    ->MinTime(1.0)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// Open of a busy file with the overview, the order of battle and the turn list shown, each
// iteration also timing an Open with them hidden: "x_without" is the first over the second.
// The Opens take the busy position and the stacked one in turn, so that each shows a new
// position.
void BM_OpenWithDocks(benchmark::State& state) {
    QTemporaryDir folder;
    const std::array<QString, 2> paths = {writeBusyFile(folder, false),
                                          writeBusyFile(folder, true)};
    auto form = makeShownForm(QSize(1400, 900));
    if (paths[0].isEmpty() || paths[1].isEmpty() || !form) {
        state.SkipWithError("no move file or no window");
        return;
    }
    FlushWatch watch(*form);
    const QList<QDockWidget*> docks = {&form->mapFeature().overviewDock(),
                                       &form->find().orderOfBattleDock(),
                                       &form->turn().turnListDock()};
    const auto showDocks = [&](bool shown) {
        for (QDockWidget* dock : docks)
            dock->setVisible(shown);
        watch.settle();
    };
    std::size_t next = 0;
    const auto timedOpen = [&] {
        const QString& path = paths[next];
        next = 1 - next;
        QElapsedTimer timer;
        timer.start();
        if (!form->files().OpenMove(path) || !watch.waitForFlush())
            state.SkipWithError("the move file was refused or never shown");
        return elapsedMs(timer);
    };
    double withMs = 0.0;
    double withoutMs = 0.0;
    // Without, then with; the next time with, then without: each Open meets a new position,
    // and both sides open both files as often.
    bool withFirst = false;
    for (auto _ : state) {
        state.PauseTiming();
        double ms = 0.0;
        for (const bool shown : {withFirst, !withFirst}) {
            showDocks(shown);
            (shown ? ms : withoutMs) += timedOpen();
        }
        withFirst = !withFirst;
        state.ResumeTiming();
        state.SetIterationTime(ms / 1e3);
        withMs += ms;
    }
    const auto n = double(state.iterations());
    state.counters["without_ms"] = withoutMs / n;
    state.counters["x_without"] = withMs / withoutMs;
}
BENCHMARK(BM_OpenWithDocks)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return runOffscreenBenchmarks(argc, argv);
}

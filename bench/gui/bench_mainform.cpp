// The main window on Qt's offscreen platform: one mouse movement during a drag (only the
// drag picture moves), one drop (two hexes redrawn), and opening a busy move file in the
// shown window with the program's own pictures, against copying the map's pixels once.
#include "app/files/filesfeature.h"
#include "app/map/mapview.h"
#include "app/pictures/picturemoduleloader.h"
#include "app/play/playfeature.h"
#include "app/turn/turnfeature.h"
#include "app/window/tmainform.h"
#include "bench/common/busymovefile.h"
#include "bench/common/mapcopy.h"
#include "bench/common/offscreenmain.h"
#include "board/pictureids.h"
#include "counters/countermgr.h"
#include "game/game.h"
#include "geometry/hexgrid.h"
#include "geometry/zekclick.h"
#include "tests/common/cachedpicturemodule.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

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
    form->game().restack();
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

// The window as the program starts it: the built-in pictures (no DLL or folder), shown.
std::unique_ptr<TMainForm> makeShownForm() {
    MainFormSetup setup;
    setup.loadModule = [](const QString& name) { return loadPictureModule(name, {}, {}); };
    setup.seed = 1;
    auto form = std::make_unique<TMainForm>(std::move(setup));
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get()))
        return nullptr;
    QCoreApplication::processEvents();
    return form;
}

// Baseline: one copy of the map's pixels.
void BM_FullMapCopy(benchmark::State& state) {
    const QImage map =
        loadPictureModule(QStringLiteral("korva_1.dll"), {}, {})->bitmap(pictureids::kMap);
    copyMapEachIteration(state, map);
}
BENCHMARK(BM_FullMapCopy)->Unit(benchmark::kMicrosecond);

// Open (Ctrl+O without the dialog) of a move file with every counter on the board, alone in
// its hex (0) or in stacks of one to eight (1), until the window has repainted. The
// counter "updates" is the number of repaints one Open asks for.
void BM_OpenInShownWindow(benchmark::State& state) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("turn.krv"));
    QFile file(path);
    const QByteArray bytes = state.range(0) ? busymovefile::stackBusy() : busymovefile::busy();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        state.SkipWithError("cannot write the move file");
        return;
    }
    file.close();
    auto form = makeShownForm();
    if (!form) {
        state.SkipWithError("the window was not shown");
        return;
    }
    const int updatesBefore = form->mapView().updateRequests();
    for (auto _ : state) {
        if (!form->files().OpenMove(path))
            state.SkipWithError("the move file was refused");
        QCoreApplication::processEvents(); // the repaint
    }
    const auto updates = form->mapView().updateRequests() - updatesBefore;
    state.counters["updates"] = double(updates) / double(state.iterations());
}
BENCHMARK(BM_OpenInShownWindow)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return runOffscreenBenchmarks(argc, argv);
}

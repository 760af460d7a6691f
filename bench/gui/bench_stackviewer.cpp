// The stack viewer over a hex where a file recorded 30,000 combats, shown and painted,
// against the same viewer over a hex of one combat in the same iterations: "x_one_combat" is
// the first's time over the second's, "one_combat_ms" the second's own.
#include "app/find/findfeature.h"
#include "app/find/stackviewer.h"
#include "app/window/tmainform.h"
#include "bench/common/offscreenmain.h"
#include "game/game.h"
#include "game/gamefile.h"
#include "geometry/zekclick.h"
#include "movefile/movefile.h"
#include "tests/common/cachedpicturemodule.h"
#include "tests/common/gameaccess.h"

#include <QElapsedTimer>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

constexpr int kManyHex = 1100;
constexpr int kOneHex = 1300;

std::unique_ptr<TMainForm> makeForm(std::size_t combats) {
    MainFormSetup setup;
    setup.loadModule = [](const QString& name) -> std::unique_ptr<PictureModule> {
        return std::make_unique<CachedPictureModule>(std::make_unique<FakePictureModule>(name));
    };
    setup.seed = 1;
    auto form = std::make_unique<TMainForm>(std::move(setup));
    MoveFileContents contents = parseMoveFile(gamefile::moveFile(form->game(), false));
    contents.counters[0] = {900, kManyHex, 0, 0};
    contents.counters[1] = {900, kOneHex, 0, 0};
    contents.tags.assign(combats, {ZeKClick(kManyHex).position(), 6, "hold the line at all costs"});
    contents.tags.push_back({ZeKClick(kOneHex).position(), 6, "hold the line at all costs"});
    mutableGame(form->session()).open(contents);
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get()))
        return nullptr;
    return form;
}

// Shows the viewer over `hex` as a resting pointer does, and paints it.
double showMs(StackViewer& viewer, int hex) {
    QElapsedTimer timer;
    timer.start();
    viewer.dismiss();
    viewer.pointerAt(hex, QPoint(10, 10));
    while (viewer.shownHex() != hex)
        QCoreApplication::processEvents();
    benchmark::DoNotOptimize(viewer.grab());
    return double(timer.nsecsElapsed()) / 1e6;
}

void BM_StackViewerManyCombats(benchmark::State& state) {
    auto form = makeForm(std::size_t(state.range(0)));
    if (!form) {
        state.SkipWithError("no window");
        return;
    }
    StackViewer& viewer = form->find().stackViewer();
    viewer.setDelay(0);
    double manyMs = 0.0;
    double oneMs = 0.0;
    for (auto _ : state) {
        const double ms = showMs(viewer, kManyHex);
        state.SetIterationTime(ms / 1e3);
        manyMs += ms;
        oneMs += showMs(viewer, kOneHex);
    }
    const auto n = double(state.iterations());
    state.counters["one_combat_ms"] = oneMs / n;
    state.counters["x_one_combat"] = manyMs / oneMs;
}
BENCHMARK(BM_StackViewerManyCombats)->Arg(30000)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return runOffscreenBenchmarks(argc, argv);
}

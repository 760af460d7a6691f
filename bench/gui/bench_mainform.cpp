// The main window's mouse handling: one mouse movement during a drag (only the drag picture
// moves) and one drop (two hexes redrawn), on Qt's offscreen platform.
#include "cachedpicturemodule.h"
#include "countermgr.h"
#include "mapboard.h"
#include "mapview.h"
#include "tmainform.h"
#include "zekclick.h"

#include <QApplication>
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
    for (const auto& counter : form->counterMgr().counters()) {
        ++n;
        counter->setState(CounterRecord{200 + n, 200 + n, 0, 0});
    }
    form->mapBoard().rebuild(form->counterMgr().counters());
    form->mapBoard().redrawAll();
    return form;
}

QPoint centre(int hex) {
    const AFPoint p = ZeKClick(hex).position();
    return {p.x + 12, p.y + 19};
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

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// An evening with the program, for bench_evening: the window as the program starts it (the
// application object, the built-in pictures it carries, a game history) with its view
// 1920 x 1080, then an Open of a busy move file, a sweep over the whole map at 400% (each
// part until it is sharp), back to 100% and to 25%, 200 more Opens, and the overview, the
// order of battle and the turn list shown. Prints the resident memory after each step:
//     <step> <VmRSS kB> <VmHWM kB>
//     korva_evening BUSY.krv STACKS.krv
// To find what stays resident: KORVA_EVENING_SMAPS=FOLDER keeps each step's mappings there,
// KORVA_EVENING_STOP=STEP ends the program at once after that step (heaptrack then counts what
// is held as leaked), KORVA_EVENING_AGAIN=1 adds a second sweep, timed, at the end.
#include "app/files/filesfeature.h"
#include "app/find/findfeature.h"
#include "app/find/orderofbattledock.h"
#include "app/map/mapfeature.h"
#include "app/map/mapview.h"
#include "app/map/zoom.h"
#include "app/pictures/picturemoduleloader.h"
#include "app/shell/korvaapplication.h"
#include "app/turn/turnfeature.h"
#include "app/turn/turnlistdock.h"
#include "app/window/tmainform.h"
#include "bench/common/flushwatch.h"

#include <QAbstractScrollArea>
#include <QDockWidget>
#include <QElapsedTimer>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <cstdlib>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

constexpr QSize kView(1920, 1080);

long long statusKilobytes(const QByteArray& field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine())
        if (line.startsWith(field))
            return line.mid(field.size()).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

// With KORVA_EVENING_SMAPS=FOLDER, each step's mappings go to FOLDER/<step>.smaps and the
// allocator's own account to stderr, to find what stays resident.
void keepMappings(const char* step) {
    const QByteArray folder = qgetenv("KORVA_EVENING_SMAPS");
    if (folder.isEmpty())
        return;
    QFile smaps(QStringLiteral("/proc/self/smaps"));
    QFile copy(QString::fromLocal8Bit(folder) + QLatin1Char('/') + QLatin1String(step) +
               QLatin1String(".smaps"));
    if (smaps.open(QIODevice::ReadOnly) && copy.open(QIODevice::WriteOnly))
        copy.write(smaps.readAll());
#ifdef __GLIBC__
    const struct mallinfo2 heap = mallinfo2();
    std::fprintf(stderr, "%s heap: arena %zu kB in use %zu kB free %zu kB mapped %zu kB\n", step,
                 heap.arena / 1024, heap.uordblks / 1024, heap.fordblks / 1024, heap.hblkhd / 1024);
#endif
}

void report(const char* step) {
    std::printf("%s %lld %lld\n", step, statusKilobytes("VmRSS:"), statusKilobytes("VmHWM:"));
    std::fflush(stdout);
    keepMappings(step);
    if (qgetenv("KORVA_EVENING_STOP") == step)
        std::_Exit(0);
}

int fail(const char* why) {
    std::fprintf(stderr, "korva_evening: %s\n", why);
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    KorvaApplication app(argc, argv);
    const QStringList files = QCoreApplication::arguments().mid(1);
    if (files.size() != 2)
        return fail("usage: korva_evening BUSY.krv STACKS.krv");
    QTemporaryDir history;
    MainFormSetup setup;
    setup.loadModule = [](const QString& name) { return loadPictureModule(name, {}, {}); };
    setup.seed = 1;
    setup.historyFolder = history.path();
    TMainForm form(std::move(setup));
    form.resize(kView + QSize(40, 200));
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return fail("the window was not shown");
    FlushWatch watch(form);
    auto& box = *form.findChild<QAbstractScrollArea*>(QStringLiteral("bScrollBoxMain"));
    form.resize(form.size() + kView - box.viewport()->size());
    watch.settle();
    report("start");

    MapView& view = form.mapView();
    const auto open = [&](const QString& file) {
        return form.files().OpenMove(file) && watch.waitForFlush();
    };
    if (!open(files[0]))
        return fail("the busy file was not opened");
    report("open");

    QScrollBar* across = box.horizontalScrollBar();
    QScrollBar* down = box.verticalScrollBar();
    const auto sweep = [&] {
        view.zoom().setScale(4.0);
        watch.settle();
        for (int y = 0;; y += down->pageStep()) {
            for (int x = 0;; x += across->pageStep()) {
                across->setValue(x);
                down->setValue(y);
                if (!watch.waitUntil([&] { return view.visibleTilesShown(); }))
                    return false;
                if (x >= across->maximum())
                    break;
            }
            if (y >= down->maximum())
                return true;
        }
    };
    if (!sweep())
        return fail("the map never became sharp at 400%");
    report("sweep-400");
    view.zoom().setScale(1.0);
    watch.waitForFlush();
    report("back-100");
    view.zoom().setScale(0.25);
    watch.waitForFlush();
    report("at-25");
    for (int n = 0; n < 200; ++n)
        if (!open(files[n % 2]))
            return fail("a file was not opened");
    form.session().waitForHistory();
    watch.settle();
    report("opens-200");
    for (QDockWidget* dock : std::initializer_list<QDockWidget*>{&form.mapFeature().overviewDock(),
                                                                 &form.find().orderOfBattleDock(),
                                                                 &form.turn().turnListDock()})
        dock->show();
    watch.waitForFlush();
    watch.settle();
    report("docks");
    // With KORVA_EVENING_AGAIN set, what going back costs: a second sweep, timed (stderr).
    if (qEnvironmentVariableIsSet("KORVA_EVENING_AGAIN")) {
        QElapsedTimer timer;
        timer.start();
        if (!sweep())
            return fail("the map never became sharp at 400% again");
        std::fprintf(stderr, "second sweep %lld ms\n", timer.elapsed());
        report("again");
    }
    return 0;
}

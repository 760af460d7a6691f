// A game of 50 positions as an animation at 50%, as korva --animate makes it: each position
// opened in turn, drawn with its moves and its turn, and encoded as an animated WebP while
// the next is drawn. Against drawing the same 50 frames without encoding them, in the same
// run (x_draw_only; CPU seconds beside the wall's, as the machine may be shared). Memory, in
// frames of the animation's size: the peak of opening the positions alone, of drawing them
// into one picture, of libwebp's encoder fed them from one picture of its own, and of the
// animation; held_beyond_encoder_frames is the animation's peak less the encoder's own (the
// encoder alone less its one input frame).
#include "app/export/animation.h"
#include "app/export/framesink.h"
#include "app/export/mapshot.h"
#include "app/pictures/picturemoduleloader.h"
#include "base/residentmemory.h"
#include "bench/common/offscreenmain.h"
#include "bench/export/gamefiles.h"
#include "game/game.h"
#include "game/turnkeeper.h"
#include "movefile/openedmovefile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <webp/encode.h>
#include <webp/mux.h>

#include <cstring>
#include <ctime>

namespace {

constexpr int kPositions = 50;
constexpr qreal kScale = 0.5;

// A field of /proc/self/status ("VmHWM", "VmRSS") in bytes.
qint64 statusBytes(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray name = QByteArray(field) + ':';
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(name))
            return line.mid(name.size()).trimmed().split(' ').value(0).toLongLong() * 1024;
    return 0;
}

// The peak resident memory that `work` adds to what the process holds before it.
template <typename Work> qint64 peakOf(Work&& work) {
    residentmemory::giveBackFreeMemory();
    QFile reset(QStringLiteral("/proc/self/clear_refs"));
    if (reset.open(QIODevice::WriteOnly))
        reset.write("5"); // the peak starts again from the present
    reset.close();
    const qint64 before = statusBytes("VmRSS");
    work();
    return statusBytes("VmHWM") - before;
}

std::unique_ptr<Game> builtGame() {
    return std::make_unique<Game>(loadPictureModule(QStringLiteral("korva_1.dll"), {}, {}),
                                  loadPictureModule(QStringLiteral("korva_2.dll"), {}, {}));
}

MapShot frameOf(const Game& game) {
    return {kScale,
            {},
            buildMoveOverlay(game.turn().openedMoves().changes, game.counters(), game.board()),
            QStringLiteral("Turn 1 · Allies to move")};
}

void BM_AnimationOf50PositionsAtHalfSize(benchmark::State& state) {
    residentmemory::returnLargeBlocksWhenFreed();
    std::vector<OpenedMoveFile> files;
    for (const QByteArray& bytes : gamefiles::positions(kPositions))
        files.push_back(parseOpenedMoveFile(bytes));
    const std::unique_ptr<Game> game = builtGame();
    const QSize size = animation::frameSize(*game, kScale);
    const double frameBytes = double(size.width()) * size.height() * 4;
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("game.webp"));
    const auto show = [&](int i) { game->open(files[std::size_t(i)]); };
    game->open(files[0]); // the pictures the positions draw, made once

    const qint64 openPeak = peakOf([&] {
        for (int i = 0; i < kPositions; ++i)
            show(i);
    });
    state.counters["open_only_peak_frames"] = double(openPeak) / frameBytes;
    double drawSeconds = 0;
    double animateSeconds = 0;
    double drawCpu = 0;
    double animateCpu = 0;
    qint64 animatePeak = 0;
    qint64 encoderPeak = 0;
    qint64 drawPeak = 0;
    for (auto _ : state) {
        // The baseline: the same frames drawn into one picture and dropped.
        QElapsedTimer timer;
        timer.start();
        std::clock_t cpu = std::clock();
        drawPeak = peakOf([&] {
            QImage canvas(size, QImage::Format_RGB32);
            for (int i = 0; i < kPositions; ++i) {
                show(i);
                mapshot::drawInto(*game, frameOf(*game), canvas);
                benchmark::DoNotOptimize(canvas.constBits());
            }
        });
        drawSeconds += double(timer.nsecsElapsed()) / 1e9;
        drawCpu += double(std::clock() - cpu) / CLOCKS_PER_SEC;

        timer.restart();
        cpu = std::clock();
        animatePeak = peakOf([&] {
            WebPFileSink sink(out, size, 1500);
            NoProgress progress;
            if (!animation::draw(*game, kScale, kPositions, show, sink, progress).written)
                state.SkipWithError("the animation was not written");
        });
        animateSeconds += double(timer.nsecsElapsed()) / 1e9;
        animateCpu += double(std::clock() - cpu) / CLOCKS_PER_SEC;

        // libwebp's encoder alone, fed the same frames from one picture of its own.
        encoderPeak = peakOf([&] {
            WebPAnimEncoderOptions options;
            WebPAnimEncoderOptionsInit(&options);
            WebPAnimEncoder* encoder = WebPAnimEncoderNew(size.width(), size.height(), &options);
            WebPConfig config;
            WebPConfigInit(&config);
            config.quality = 82;
            config.method = 2;
            WebPPicture picture;
            WebPPictureInit(&picture);
            picture.use_argb = 1;
            picture.width = size.width();
            picture.height = size.height();
            WebPPictureAlloc(&picture);
            QImage view(reinterpret_cast<uchar*>(picture.argb), size.width(), size.height(),
                        picture.argb_stride * 4, QImage::Format_RGB32);
            for (int i = 0; i < kPositions; ++i) {
                show(i);
                mapshot::drawInto(*game, frameOf(*game), view);
                WebPAnimEncoderAdd(encoder, &picture, i * 1500, &config);
            }
            WebPAnimEncoderAdd(encoder, nullptr, kPositions * 1500, nullptr);
            WebPData data;
            WebPDataInit(&data);
            WebPAnimEncoderAssemble(encoder, &data);
            WebPDataClear(&data);
            WebPPictureFree(&picture);
            WebPAnimEncoderDelete(encoder);
        });
    }
    const double n = double(state.iterations());
    state.counters["animate_s"] = animateSeconds / n;
    state.counters["draw_only_s"] = drawSeconds / n;
    state.counters["x_draw_only"] = animateSeconds / drawSeconds;
    state.counters["animate_cpu_s"] = animateCpu / n;
    state.counters["draw_only_cpu_s"] = drawCpu / n;
    state.counters["frame_MB"] = frameBytes / 1e6;
    state.counters["peak_frames"] = double(animatePeak) / frameBytes;
    state.counters["draw_only_peak_frames"] = double(drawPeak) / frameBytes;
    state.counters["encoder_peak_frames"] = double(encoderPeak) / frameBytes;
    // The encoder alone held one frame of its input; Korva's canvases are the rest.
    state.counters["held_beyond_encoder_frames"] =
        double(animatePeak - encoderPeak) / frameBytes + 1.0;
    state.counters["webp_MB"] = double(QFile(out).size()) / 1e6;
}
BENCHMARK(BM_AnimationOf50PositionsAtHalfSize)->Unit(benchmark::kSecond)->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    return runOffscreenBenchmarks(argc, argv);
}

#pragma once

#include <QByteArray>
#include <QImage>

#include <webp/demux.h>

#include <vector>

// An animated WebP decoded as a player's viewer shows it: each frame the whole canvas, with
// the time it ends at.
struct WebPFrames {
    QSize canvas;
    std::vector<QImage> frames;
    std::vector<int> endsMs;
    bool valid = false;

    explicit WebPFrames(const QByteArray& bytes) {
        WebPData data{reinterpret_cast<const uint8_t*>(bytes.constData()),
                      std::size_t(bytes.size())};
        WebPAnimDecoderOptions options;
        if (!WebPAnimDecoderOptionsInit(&options))
            return;
        options.color_mode = MODE_BGRA;
        WebPAnimDecoder* decoder = WebPAnimDecoderNew(&data, &options);
        if (!decoder)
            return;
        WebPAnimInfo info;
        if (WebPAnimDecoderGetInfo(decoder, &info)) {
            canvas = QSize(int(info.canvas_width), int(info.canvas_height));
            valid = true;
            while (WebPAnimDecoderHasMoreFrames(decoder)) {
                uint8_t* pixels = nullptr;
                int ends = 0;
                if (!WebPAnimDecoderGetNext(decoder, &pixels, &ends)) {
                    valid = false;
                    break;
                }
                frames.push_back(QImage(pixels, canvas.width(), canvas.height(), canvas.width() * 4,
                                        QImage::Format_ARGB32)
                                     .convertToFormat(QImage::Format_RGB32));
                endsMs.push_back(ends);
            }
        }
        WebPAnimDecoderDelete(decoder);
    }
};

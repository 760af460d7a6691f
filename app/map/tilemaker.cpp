#include "app/map/tilemaker.h"

#include "board/picturemodule.h"

#include <QPainter>
#include <QThread>

#include <algorithm>
#include <functional>
#include <iterator>

namespace {

constexpr int kMapId = 16002;
// A band is at most this wide: about a wide view's row of tiles with the ring around it.
constexpr int kBandWidth = 3072;

// The `pristine` pixels (map rectangle `pristineRect`) enlarged smoothly to `device`.
QImage enlarged(const QImage& pristine, const QRect& pristineRect, const QRect& device,
                qreal scale) {
    QImage tile(device.size(), QImage::Format_RGB32);
    tile.fill(Qt::black);
    QPainter painter(&tile);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.translate(-device.topLeft());
    painter.scale(scale, scale);
    painter.drawImage(pristineRect.topLeft(), pristine);
    return tile;
}

// `part` of `picture`, its pixels shared: the picture stays until the last part goes.
QImage sharedPart(const QImage& picture, const QRect& part) {
    auto* owner = new QImage(picture);
    return QImage(
        owner->constBits() + part.y() * owner->bytesPerLine() + part.x() * sizeof(QRgb),
        part.width(), part.height(), owner->bytesPerLine(), owner->format(),
        [](void* held) { delete static_cast<QImage*>(held); }, owner);
}

} // namespace

TileMaker::TileMaker(std::function<void()> arrived) : arrived_(std::move(arrived)) {
    pool_.setMaxThreadCount(std::clamp(QThread::idealThreadCount(), 1, 2));
    // No expiry, as a fresh thread looks its fonts up again. Waiting for all work with
    // waitForDone (an Open) still ends the threads: Qt 6's waitForDone removes them from the
    // pool.
    pool_.setExpiryTimeout(-1);
}

TileMaker::~TileMaker() {
    {
        const std::lock_guard lock(mutex_);
        queued_.clear();
    }
    pool_.waitForDone();
}

void TileMaker::setSource(const PictureModule* drawer, qreal scale, quint64 generation) {
    const std::lock_guard lock(mutex_);
    drawer_ = drawer;
    scale_ = scale;
    generation_ = generation;
    queued_.clear();
    made_.clear();
}

void TileMaker::setSharesDrawing(bool shares) {
    const std::lock_guard lock(mutex_);
    sharesDrawing_ = shares;
}

void TileMaker::order(std::vector<Order> orders) {
    const std::lock_guard lock(mutex_);
    for (Order& order : orders) {
        queued_.push_back(std::move(order));
        if (working_ < pool_.maxThreadCount()) {
            ++working_;
            pool_.start([this] { work(); });
        }
    }
}

void TileMaker::waitForDone() {
    pool_.waitForDone();
}

void TileMaker::waitForOrders() {
    std::unique_lock lock(mutex_);
    allMade_.wait(lock, [this] { return working_ == 0; });
}

std::vector<TileMaker::Made> TileMaker::takeMade() {
    const std::lock_guard lock(mutex_);
    std::vector<Made> made;
    made.swap(made_);
    return made;
}

TileMaker::Band TileMaker::takeBand() {
    // The first of the most urgent orders, and the orders beside it in its row.
    Band band;
    if (queued_.empty())
        return band;
    const auto first =
        std::max_element(queued_.begin(), queued_.end(),
                         [](const Order& a, const Order& b) { return a.priority < b.priority; });
    const QPoint key = first->key;
    const int priority = first->priority;
    band.drawer = drawer_;
    band.scale = scale_;
    band.generation = generation_;
    band.sharesDrawing = sharesDrawing_;
    const auto queuedAt = [this](const QPoint& at) {
        return std::find_if(queued_.begin(), queued_.end(),
                            [&at](const Order& order) { return order.key == at; });
    };
    band.orders.push_back(std::move(*first));
    queued_.erase(first);
    if (!drawer_)
        return band;
    int width = band.orders.front().device.width();
    for (const int step : {-1, 1}) {
        for (QPoint at = key + QPoint(step, 0);; at += QPoint(step, 0)) {
            const auto next = queuedAt(at);
            if (next == queued_.end() || width + next->device.width() > kBandWidth)
                break;
            width += next->device.width();
            if (step < 0)
                band.orders.insert(band.orders.begin(), std::move(*next));
            else
                band.orders.push_back(std::move(*next));
            queued_.erase(next);
        }
    }
    // The row below as well when all of it waits, as urgent: the drawing's margin around the
    // band is drawn once for both rows (a whole render), yet the tiles in view do not wait
    // for the ring around it.
    std::vector<std::vector<Order>::iterator> below;
    for (const Order& order : band.orders) {
        const auto next = queuedAt(order.key + QPoint(0, 1));
        if (next == queued_.end() || next->priority != priority)
            return band;
        below.push_back(next);
    }
    std::vector<Order> lower;
    for (const auto& next : below)
        lower.push_back(std::move(*next));
    std::sort(below.begin(), below.end(), std::greater<>());
    for (const auto& next : below)
        queued_.erase(next);
    std::move(lower.begin(), lower.end(), std::back_inserter(band.orders));
    return band;
}

void TileMaker::work() {
    for (;;) {
        Band band;
        {
            const std::lock_guard lock(mutex_);
            band = takeBand();
            if (band.orders.empty()) {
                if (--working_ == 0)
                    allMade_.notify_all();
                return;
            }
        }
        std::vector<QImage> images = make(band);
        {
            const std::lock_guard lock(mutex_);
            for (std::size_t i = 0; i < band.orders.size(); ++i)
                made_.push_back(Made{band.generation, band.orders[i].key, std::move(images[i])});
        }
        arrived_();
    }
}

std::vector<QImage> TileMaker::make(const Band& band) {
    std::vector<QImage> images;
    if (band.drawer) {
        QRect whole;
        for (const Order& order : band.orders)
            whole |= order.device;
        const QImage drawn = band.drawer->drawnAtScale(kMapId, band.scale, whole);
        if (!drawn.isNull()) {
            // Copies, as the drawing may hold a larger picture's pixels, unless they go
            // together: a copy costs fresh memory and a pass over every pixel.
            for (const Order& order : band.orders) {
                const QRect part = order.device.translated(-whole.topLeft());
                images.push_back(band.sharesDrawing ? sharedPart(drawn, part) : drawn.copy(part));
            }
            return images;
        }
    }
    for (const Order& order : band.orders)
        images.push_back(enlarged(order.pristine, order.pristineRect, order.device, band.scale));
    return images;
}

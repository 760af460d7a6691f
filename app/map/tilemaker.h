#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QThreadPool>

#include <condition_variable>
#include <functional>
#include <mutex>
#include <vector>

class PictureModule;

// Makes the zoomed map's tiles on worker threads, one per core up to two. A module that
// draws the map draws a band of neighbouring tiles of a row (and of the row below, when
// all of it waits as urgently) at once and cuts it up: the map's drawing costs much the same for a
// small part as for a wide one, so a band costs little more than one tile. A map from a file has
// each tile's pixels enlarged alone.
class TileMaker {
public:
    // What a tile is made from: the map drawn by `drawer` at `scale`, or, without one, the
    // `pristine` pixels of map rectangle `pristineRect` enlarged.
    struct Order {
        QPoint key;
        QRect device; // the tile's pixels in the whole map at the scale
        int priority = 0;
        QImage pristine;
        QRect pristineRect;
    };
    struct Made {
        quint64 generation;
        QPoint key;
        QImage image;
    };

    // `arrived` runs on a worker thread after tiles were added to those takeMade() answers.
    explicit TileMaker(std::function<void()> arrived);
    // Waits for the tiles under way.
    ~TileMaker();
    TileMaker(const TileMaker&) = delete;
    TileMaker& operator=(const TileMaker&) = delete;

    // What the next orders are made from; drops the orders not yet started. Tiles under way
    // still arrive, with the generation they were ordered in.
    void setSource(const PictureModule* drawer, qreal scale, quint64 generation);
    // Whether a band's tiles may share the band's drawing rather than each be a copy: for
    // tiles that are used once, together, and dropped (a picture rendered band by band).
    // A tile kept alone would keep the whole drawing.
    void setSharesDrawing(bool shares);
    // Queued together before a worker looks, so that a worker takes a row's neighbours as one
    // band.
    void order(std::vector<Order> orders);
    // Returns once every order given so far is made, and ends the threads (their fonts go
    // with them).
    void waitForDone();
    // Returns once every order given so far is made; the threads stay for the next orders, so
    // they need not look their fonts up again (a render waits like this for every band).
    void waitForOrders();
    std::vector<Made> takeMade();

private:
    struct Band {
        std::vector<Order>
            orders; // neighbours in a row, and the row below when it waits too, as urgent
        const PictureModule* drawer = nullptr;
        qreal scale = 1.0;
        quint64 generation = 0;
        bool sharesDrawing = false;
    };

    Band takeBand();
    void work();
    static std::vector<QImage> make(const Band& band);

    std::function<void()> arrived_;
    QThreadPool pool_;
    std::mutex mutex_; // guards everything below
    const PictureModule* drawer_ = nullptr;
    qreal scale_ = 1.0;
    quint64 generation_ = 0;
    bool sharesDrawing_ = false;
    std::vector<Order> queued_;
    int working_ = 0;
    std::condition_variable allMade_; // working_ went down to 0
    std::vector<Made> made_;
};

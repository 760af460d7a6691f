#pragma once

#include "counterlook.h"
#include "picturemodule.h"

#include <QImage>
#include <QString>

#include <map>
#include <memory>
#include <mutex>

// The pictures the program draws itself, so that it runs with no picture files at all.
// Each picture is drawn on first use and kept; callers get implicitly shared copies.
// Drawing text needs a QGuiApplication.
class BuiltinPictureModule final : public PictureModule {
public:
    enum class Set {
        MapAndTags,         // korva_1: the map 16002 and the tags 16011..16016, 16021..16026
        CountersAndMarkers, // korva_2: the counters 2000..2394 and the markers 2551, 2552
    };

    explicit BuiltinPictureModule(Set set);

    // The set standing in for a module file ("korva_1.dll", any case), or null for others.
    static std::unique_ptr<BuiltinPictureModule> forModule(const QString& moduleFileName);

    QImage bitmap(int id) const override;
    bool contains(int id) const override;
    QString name() const override;

    Set set() const { return set_; }

private:
    struct CounterFace {
        CounterLook look;
        int losses;
    };

    QImage draw(int id) const;

    Set set_;
    std::map<int, CounterFace> counterFaces_; // picture identifier -> what it shows
    mutable std::mutex mutex_;
    mutable std::map<int, QImage> drawn_;
};

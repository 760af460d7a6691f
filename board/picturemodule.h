#pragma once

#include <QImage>
#include <QRect>
#include <QString>

#include <functional>
#include <stdexcept>
#include <string>

// A picture the module does not hold, named by module and identifier; or a module that
// cannot be used, named with the reason. what() is "<module>: <reason>" for the latter.
class ResourceError : public std::runtime_error {
public:
    ResourceError(const QString& module, int id);
    ResourceError(const QString& module, const std::string& why);

    // What went wrong, without the module's name.
    const std::string& reason() const { return reason_; }

private:
    std::string reason_;
};

// A source of pictures named by integer resource identifier (the map, counters,
// markers, tags). The program's modules are layered: a resource DLL, a picture folder,
// the built-in drawn set.
class PictureModule {
public:
    virtual ~PictureModule() = default;

    // A fresh picture for the identifier in Format_RGB32; throws ResourceError when the
    // module lacks it.
    virtual QImage bitmap(int id) const = 0;
    // The same picture for a caller that keeps it and draws on it (the map picture): a
    // module that keeps its pictures lets this one go, so its pixels are not held twice.
    virtual QImage takeBitmap(int id) const { return bitmap(id); }
    virtual bool contains(int id) const = 0;
    // The part `deviceArea` of the picture drawn afresh at `scale` device pixels per picture
    // pixel (sharp on a high-density screen or zoomed in), in pixels of the whole picture
    // at that scale; or a null image when the module holds only the picture's pixels, which
    // the caller then scales smoothly. The answer may share the pixels of a larger drawing:
    // a caller that keeps it for long copies it. Safe to call on any thread.
    virtual QImage drawnAtScale(int id, qreal scale, const QRect& deviceArea) const {
        (void)id;
        (void)scale;
        (void)deviceArea;
        return {};
    }
    // Lets go of what a module that draws keeps to draw quickly at other scales; the next
    // such drawing makes it again. Safe while drawings are under way.
    virtual void releaseScaledDrawing() const {}
    // True when drawnAtScale draws the picture rather than answering a null image.
    virtual bool drawsAtAnyScale(int id) const {
        (void)id;
        return false;
    }
    // The module's name as the player knows it ("korva_1.dll").
    virtual QString name() const = 0;
    // Called with one line whenever a picture could not be read and another stood in for
    // it, so the player can be told; a module that never stands in ignores it.
    virtual void setFallbackListener(std::function<void(const QString&)> listener) {
        (void)listener;
    }

protected:
    PictureModule() = default;
    PictureModule(const PictureModule&) = default;
    PictureModule& operator=(const PictureModule&) = default;
};

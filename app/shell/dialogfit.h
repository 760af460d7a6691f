#pragma once

#include <QObject>
#include <QRect>

class KorvaSettings;
class QDialog;

// Keeps every dialog of the application within the screen it opens on, frame and all, and
// opens each resizable one at the size the player last closed it at.
class DialogFit : public QObject {
    Q_OBJECT
public:
    // Watches the whole application; `settings` must outlive it.
    DialogFit(KorvaSettings& settings, QObject* parent);

    // `frame` (the window with its frame) moved and shrunk, as little as may be, to lie
    // within `screen`.
    static QRect fitted(const QRect& frame, const QRect& screen);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fit(QDialog& dialog);

    KorvaSettings& settings_;
    bool fitting_ = false;
};

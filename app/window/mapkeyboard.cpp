#include "app/window/mapkeyboard.h"

#include "game/session.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>

MapKeyboard::MapKeyboard(QWidget& window, QWidget& map, const Session& session)
    : QObject(&window), window_(window), map_(map) {
    connect(&session, &Session::positionReplaced, this, &MapKeyboard::toMap);
    connect(qApp, &QApplication::focusChanged, this, &MapKeyboard::catchStrayFocus);
}

void MapKeyboard::toMap() {
    // The player typing in a field that is still there keeps it.
    const QWidget* focus = window_.focusWidget();
    const auto* line = qobject_cast<const QLineEdit*>(focus);
    const auto* text = qobject_cast<const QPlainTextEdit*>(focus);
    const bool typing = focus && focus->isVisible() &&
                        ((line && !line->isReadOnly()) || (text && !text->isReadOnly()));
    if (!typing)
        map_.setFocus(Qt::OtherFocusReason);
}

void MapKeyboard::catchStrayFocus(QWidget* old, QWidget* now) {
    // A widget that goes away with the keyboard (a dock closing, a tool bar hiding) hands it
    // on down the Tab order, which would put it in a banner box with its text selected: the
    // next key meant for the map would replace a banner. The map takes it instead.
    if (old && now && now != &map_ && !old->isVisible() && old->window() == &window_ &&
        now->window() == &window_)
        map_.setFocus(Qt::OtherFocusReason);
}

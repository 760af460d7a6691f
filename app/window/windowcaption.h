#pragma once

#include <QCoreApplication>
#include <QObject>

#include <functional>

class QWidget;
class Session;

// The window's caption, here alone: "Korva", "Korva : new game", "Korva : <file title>" or
// the past shown, marked while there are unsaved changes. It follows the session's file, its
// changes and each new position.
class WindowCaption : public QObject {
    Q_DECLARE_TR_FUNCTIONS(TMainForm)
public:
    // `pastShown` names the past position on show ("turn 3").
    WindowCaption(QWidget& window, const Session& session, std::function<QString()> pastShown);

    QString text() const;
    void show();

private:
    QWidget& window_;
    const Session& session_;
    std::function<QString()> pastShown_;
};

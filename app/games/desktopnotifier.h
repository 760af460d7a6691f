#pragma once

#include <QDBusConnection>
#include <QHash>
#include <QObject>
#include <QString>

// Desktop notifications through the freedesktop notification service on D-Bus, each tied to
// a move file that a click on it opens.
class DesktopNotifier : public QObject {
    Q_OBJECT
public:
    // Over `bus`: the session bus in the window, a private one in tests.
    explicit DesktopNotifier(const QDBusConnection& bus, QObject* parent = nullptr);

    // Shows the notification, or says `unavailable` when no service answers. The title and
    // text are plain text; whatever came from a file must be safe to show already. The title
    // goes as it is (services differ on reading it as markup: keep file text out of it); the
    // text goes escaped to a service that reads its body as markup, else as it is.
    void notify(const QString& title, const QString& text, const QString& file);

signals:
    // The service took the notification; a click on it can come from now on.
    void shown(const QString& file);
    void activated(const QString& file);
    void unavailable(const QString& title, const QString& text, const QString& file);

private slots:
    // The service's signal, by the name and arguments it sends.
    void actionInvoked(uint id, const QString& action);

private:
    void send(const QString& title, const QString& body, const QString& text, const QString& file);

    QDBusConnection bus_;
    // The file of each notification shown, by the service's id. Kept past its closing, as
    // some services tell of the click only after that.
    QHash<uint, QString> files_;
};

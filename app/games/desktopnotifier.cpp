#include "app/games/desktopnotifier.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QPointer>
#include <QVariantMap>

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
const QString kDefaultAction = QStringLiteral("default");
// A service that has not answered by then is taken to be none.
constexpr int kCallTimeoutMs = 5000;
// Notifications whose click is still awaited, at most; a few a day are usual.
constexpr qsizetype kMaxRemembered = 200;

} // namespace

DesktopNotifier::DesktopNotifier(const QDBusConnection& bus, QObject* parent)
    : QObject(parent), bus_(bus) {
    if (!bus_.isConnected())
        return;
    // D-Bus signals connect by name only.
    bus_.connect(kService, kPath, kInterface, QStringLiteral("ActionInvoked"), this,
                 SLOT(actionInvoked(uint, QString)));
}

void DesktopNotifier::notify(const QString& title, const QString& text, const QString& file) {
    if (!bus_.isConnected()) {
        emit unavailable(title, text, file);
        return;
    }
    // Asked each time: the service may have been replaced since, and notifications are few.
    const QDBusMessage ask = QDBusMessage::createMethodCall(kService, kPath, kInterface,
                                                            QStringLiteral("GetCapabilities"));
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(ask, kCallTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, title, text, file](QDBusPendingCallWatcher* done) {
                done->deleteLater();
                const QDBusPendingReply<QStringList> capabilities = *done;
                if (capabilities.isError()) {
                    emit unavailable(title, text, file);
                    return;
                }
                // Markup escaped shows as it is; sent to a service that takes plain text,
                // the escapes themselves would show ("Tom &amp; Jerry").
                const bool markup = capabilities.value().contains(QStringLiteral("body-markup"));
                send(title, markup ? text.toHtmlEscaped() : text, text, file);
            });
}

void DesktopNotifier::send(const QString& title, const QString& body, const QString& text,
                           const QString& file) {
    QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Notify"));
    call << QStringLiteral("Korva") << uint(0) << QStringLiteral("korva") << title << body
         << QStringList{kDefaultAction, tr("Open")} << QVariantMap() << int(-1);
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call, kCallTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, title, text, file](QDBusPendingCallWatcher* done) {
                done->deleteLater();
                const QDBusPendingReply<uint> reply = *done;
                if (reply.isError()) {
                    emit unavailable(title, text, file);
                    return;
                }
                if (files_.size() >= kMaxRemembered)
                    files_.clear();
                files_.insert(reply.value(), file);
                emit shown(file);
            });
}

void DesktopNotifier::actionInvoked(uint id, const QString& action) {
    // Only the notification itself, clicked, opens its file.
    if (action != kDefaultAction || !files_.contains(id))
        return;
    emit activated(files_.take(id));
}

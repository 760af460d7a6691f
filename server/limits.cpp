#include "server/limits.h"

#include <QDir>
#include <QFile>
#include <QSettings>

const std::vector<ServerLimits::Entry>& ServerLimits::entries() {
    static const std::vector<Entry> all = {
        {"max_request_bytes", &ServerLimits::maxRequestBytes, 1024,
         "largest request body, refused from its headers (413)"},
        {"max_header_bytes", &ServerLimits::maxHeaderBytes, 1024,
         "largest request line and headers (431)"},
        {"connections_per_address", &ServerLimits::connectionsPerAddress, 1,
         "open connections from one address (429)"},
        {"connections_total", &ServerLimits::connectionsTotal, 1, "open connections in all (503)"},
        {"header_timeout_s", &ServerLimits::headerTimeoutSeconds, 1,
         "seconds for a request's line and headers (408)"},
        {"request_timeout_s", &ServerLimits::requestTimeoutSeconds, 1,
         "seconds for a whole request (408)"},
        {"idle_timeout_s", &ServerLimits::idleTimeoutSeconds, 1,
         "seconds a kept-alive connection may wait for its next request"},
        {"rolls_per_minute", &ServerLimits::rollsPerMinute, 1,
         "die rolls one player may ask for in a minute (429)"},
        {"registrations_per_hour", &ServerLimits::registrationsPerHour, 1,
         "players one address may register in an hour (429)"},
        {"busy_timeout_ms", &ServerLimits::busyTimeoutMs, 0,
         "milliseconds a change waits for a database another process holds (503)"},
    };
    return all;
}

namespace {

bool set(ServerLimits& limits, const QString& name, const QString& text, QString* error,
         const QString& where) {
    for (const ServerLimits::Entry& entry : ServerLimits::entries()) {
        if (name != QLatin1String(entry.name))
            continue;
        bool number = false;
        const qint64 value = text.trimmed().toLongLong(&number);
        if (!number || value < entry.lowest) {
            *error = QStringLiteral("%1: %2 takes a whole number of at least %3")
                         .arg(where, name)
                         .arg(entry.lowest);
            return false;
        }
        limits.*entry.value = value;
        return true;
    }
    *error = QStringLiteral("%1: no limit is called %2").arg(where, name);
    return false;
}

} // namespace

ServerLimits ServerLimits::read(const QString& folder, const QStringList& overrides,
                                QString* error) {
    ServerLimits limits;
    error->clear();
    const QString path = QDir(folder).filePath(QLatin1String(kFileName));
    if (QFile::exists(path)) {
        QSettings file(path, QSettings::IniFormat);
        if (file.status() != QSettings::NoError) {
            *error = QStringLiteral("%1 cannot be read").arg(path);
            return limits;
        }
        file.beginGroup(QStringLiteral("limits"));
        for (const QString& name : file.childKeys())
            if (!set(limits, name, file.value(name).toString(), error, path))
                return limits;
    }
    for (const QString& override : overrides) {
        const qsizetype equals = override.indexOf(QLatin1Char('='));
        if (equals <= 0) {
            *error = QStringLiteral("--limit takes NAME=VALUE, not %1").arg(override);
            return limits;
        }
        if (!set(limits, override.left(equals), override.mid(equals + 1), error,
                 QStringLiteral("--limit")))
            return limits;
    }
    return limits;
}

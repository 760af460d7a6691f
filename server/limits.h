#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// Every bound a stranger could lean on, with the numbers a small club's server needs. Read
// from the data folder's korva-server.conf ([limits] section) and then from --limit
// NAME=VALUE, which wins.
struct ServerLimits {
    static constexpr const char* kFileName = "korva-server.conf";

    // A request's body: base64 of a 1 MiB move file and its report, and the JSON around them.
    qint64 maxRequestBytes = 3 * 1024 * 1024;
    // The request line and headers together.
    qint64 maxHeaderBytes = 16 * 1024;
    qint64 connectionsPerAddress = 32;
    qint64 connectionsTotal = 1024;
    // From a connection's opening (or a request's first byte) to the end of its headers.
    qint64 headerTimeoutSeconds = 10;
    // From a request's first byte to the last byte of its body.
    qint64 requestTimeoutSeconds = 120;
    // A kept-alive connection with no request.
    qint64 idleTimeoutSeconds = 60;
    qint64 rollsPerMinute = 120;
    qint64 registrationsPerHour = 20;
    // How long a change waits for the database while another process holds it.
    qint64 busyTimeoutMs = 5000;

    struct Entry {
        const char* name;
        qint64 ServerLimits::*value;
        qint64 lowest;
        const char* meaning;
    };
    // Every limit by its name in the file and on the command line.
    static const std::vector<Entry>& entries();

    // The limits of `folder`'s file, then `overrides` ("name=value"); an error names the
    // first wrong line and leaves `error` set.
    static ServerLimits read(const QString& folder, const QStringList& overrides, QString* error);
};

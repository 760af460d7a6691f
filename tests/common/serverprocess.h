#pragma once

#include <QByteArray>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

// The real korva-server for a test: a data folder made by --init, and the process listening
// on a loopback port of the system's choosing.
namespace serverprocess {

struct Listening {
    quint16 port = 0; // 0 when it did not start
    QString scheme;   // http, or https when the data folder holds a certificate
    QByteArray said;  // its first lines on standard error

    QString url() const { return QStringLiteral("%1://127.0.0.1:%2").arg(scheme).arg(port); }
};

// `program --init data`: the key's fingerprint from its last line, empty when refused.
inline QString init(const QString& program, const QString& data) {
    QProcess run;
    run.start(program, {QStringLiteral("--init"), data});
    if (!run.waitForFinished() || run.exitCode() != 0)
        return {};
    return QString::fromLatin1(run.readAllStandardOutput().trimmed().split('\n').last());
}

// Starts `program --data data --listen 127.0.0.1:0 extra...` on `process`.
inline Listening start(QProcess& process, const QString& program, const QString& data,
                       const QStringList& extra = {}) {
    process.setReadChannel(QProcess::StandardError);
    process.start(program, QStringList{QStringLiteral("--data"), data, QStringLiteral("--listen"),
                                       QStringLiteral("127.0.0.1:0")} +
                               extra);
    // The port it took is on its first line.
    Listening listening;
    while (!listening.said.contains('\n') && process.waitForReadyRead(5000))
        listening.said += process.readAllStandardError();
    static const QRegularExpression address(QStringLiteral("127\\.0\\.0\\.1:(\\d+) \\((\\w+)\\)"));
    const QRegularExpressionMatch found = address.match(QString::fromLatin1(listening.said));
    listening.port = quint16(found.captured(1).toUInt());
    listening.scheme = found.captured(2);
    return listening;
}

// A fresh data folder made by --init, then the server started on it; `said` tells why not.
inline Listening initAndStart(QProcess& process, const QString& program, const QString& data) {
    if (init(program, data).isEmpty())
        return Listening{0, {}, QByteArrayLiteral("korva-server --init refused the data folder")};
    return start(process, program, data);
}

} // namespace serverprocess

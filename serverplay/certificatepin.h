#pragma once

#include <QList>
#include <QSslCertificate>
#include <QSslError>
#include <QString>

class TokenStore;

// A server's TLS certificate held to the one seen at first contact, as SSH holds a host's
// key: a certificate the system does not trust is taken on first contact by pinning its
// fingerprint with the server's address, and a different one later is refused. A certificate
// the system trusts needs no pin, but once one was seen, an untrusted one is refused too.
namespace certificatepin {

// SHA-256 of the certificate as `openssl x509 -noout -fingerprint -sha256` prints it, so that
// the server's host can compare it: "AB:CD:...".
QString fingerprint(const QSslCertificate& certificate);

struct Verdict {
    bool accept = false;
    QString pinnedNow; // the fingerprint pinned at this first contact
    QString error;     // why not, when refused
};

// Judges the certificate the server at `server` showed; `errors` are the handshake's (none
// when the system trusts the certificate). Pins it on first contact.
Verdict judge(const TokenStore& store, const QString& server, const QSslCertificate& certificate,
              const QList<QSslError>& errors);

} // namespace certificatepin

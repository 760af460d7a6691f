#include "serverplay/certificatepin.h"

#include "serverplay/serverreplies.h"
#include "serverplay/tokenstore.h"

#include <QCoreApplication>
#include <QCryptographicHash>

namespace certificatepin {

namespace {

// What the pin file holds for a server whose certificate the system trusted.
const QString kTrusted = QStringLiteral("trusted by the system");

// The errors that say only that no authority the system knows vouches for the certificate:
// what pinning answers. An expired certificate or one for another name is refused as ever.
bool onlyUntrusted(const QList<QSslError>& errors) {
    for (const QSslError& error : errors) {
        switch (error.error()) {
        case QSslError::SelfSignedCertificate:
        case QSslError::SelfSignedCertificateInChain:
        case QSslError::UnableToGetLocalIssuerCertificate:
        case QSslError::UnableToVerifyFirstCertificate:
        case QSslError::CertificateUntrusted:
            break;
        default:
            return false;
        }
    }
    return true;
}

QString changed(const TokenStore& store, const QString& server, const QString& was,
                const QString& now) {
    const QString before =
        was == kTrusted ? QCoreApplication::translate("ServerClient", "one this computer trusts")
                        : QCoreApplication::translate("ServerClient", "fingerprint %1").arg(was);
    return QCoreApplication::translate(
               "ServerClient",
               "the certificate of the server at %1 is not the one it had when you first used it "
               "(%2; now fingerprint %3): someone may stand between you and the server, or its "
               "host replaced the certificate. Ask them; if they did, remove %4 to accept the "
               "new one")
        .arg(server, before, now, store.certificateFile());
}

} // namespace

QString fingerprint(const QSslCertificate& certificate) {
    return QString::fromLatin1(certificate.digest(QCryptographicHash::Sha256).toHex(':').toUpper());
}

Verdict judge(const TokenStore& store, const QString& server, const QSslCertificate& certificate,
              const QList<QSslError>& errors) {
    if (certificate.isNull())
        return {
            false,
            {},
            QCoreApplication::translate("ServerClient", "the server at %1 showed no certificate")
                .arg(server)};
    if (!onlyUntrusted(errors))
        return {false,
                {},
                QCoreApplication::translate("ServerClient",
                                            "the server at %1 could not prove who it is: %2")
                    .arg(server, serverreplies::oneLine(errors.first().errorString()))};
    const QString now = fingerprint(certificate);
    const QString pinned = store.pinnedCertificate();
    if (errors.isEmpty()) {
        if (!pinned.isEmpty() && pinned != kTrusted && pinned != now)
            return {false, {}, changed(store, server, pinned, now)};
        if (pinned.isEmpty())
            store.pinCertificate(kTrusted); // a note only: the system still decides
        return {true, {}, {}};
    }
    if (pinned.isEmpty()) {
        if (const QString notKept = store.pinCertificate(now); !notKept.isEmpty())
            return {false, {}, notKept};
        return {true, now, {}};
    }
    if (pinned != now)
        return {false, {}, changed(store, server, pinned, now)};
    return {true, {}, {}};
}

} // namespace certificatepin

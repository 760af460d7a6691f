#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QUrl>

#include <optional>

// Where Korva keeps a player's token for one server, the server's key as it was when the
// player registered or joined, and its TLS certificate as it was at first contact. The token
// goes to the desktop's keyring when one answers, else to a file only the player may read in
// Korva's data folder; the fingerprints, which are no secret, always to files beside it.
class TokenStore {
public:
    explicit TokenStore(const QUrl& server);

    // Every server the player kept a token for, as its address was given.
    static QList<QUrl> servers();

    // The token kept for this server, if any.
    std::optional<QByteArray> token() const;
    // Keeps the token; an empty text when it was kept, else why not.
    QString keep(const QByteArray& token) const;

    // The fingerprint pinned for this server; empty when none is.
    QString pinnedKey() const;
    QString pinKey(const QString& fingerprint) const;

    // The TLS certificate's fingerprint pinned for this server; empty when none is.
    QString pinnedCertificate() const;
    QString pinCertificate(const QString& fingerprint) const;
    // The file that holds it, for the player who must remove it to accept a new certificate.
    QString certificateFile() const;

    // The file that holds the token when no keyring answers.
    QString tokenFile() const;

private:
    QString pinFile() const;
    QString addressFile() const;

    QString account_; // the server's address, the keyring's name for the token
    QString base_;    // the files' path without their suffix
};

#pragma once

#include <QString>
#include <QUrl>

// A Korva server's address as the player gave it ("https://host:port", "http://127.0.0.1:8080"
// or "host:port"), checked before anything is sent to it.
namespace serveraddress {

// The address, or an invalid QUrl with *why (when given) set to a line for the player. Plain
// HTTP goes only to this computer: anywhere else the token and every turn would cross the
// network readable and changeable by whoever carries them. Without a scheme, a loopback
// address means http and any other https.
QUrl parse(const QString& text, QString* why = nullptr);

// Whether the host is this computer: "localhost", 127.0.0.0/8 or ::1.
bool isLoopback(const QString& host);

// The push channel's address on the same server: ws:// for http, wss:// for https.
QUrl events(const QUrl& server);

} // namespace serveraddress

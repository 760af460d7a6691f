#pragma once

// Requests as a client writes them, with "$A", "$B" and "$G" standing for Alice's and Bob's
// tokens and their game's id in the fuzzer's fixed server, so that the fuzzer reaches past
// the token check into the game's routes.
#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace serverfixture {

inline QByteArray request(const QByteArray& method, const QByteArray& target,
                          const QJsonObject& body = {}, const QByteArray& token = {}) {
    const QByteArray json =
        body.isEmpty() ? QByteArray() : QJsonDocument(body).toJson(QJsonDocument::Compact);
    return method + ' ' + target + " HTTP/1.1\r\nHost: korva\r\n" +
           (token.isEmpty() ? QByteArray() : "Authorization: Bearer " + token + "\r\n") +
           "Content-Length: " + QByteArray::number(json.size()) + "\r\n\r\n" + json;
}

} // namespace serverfixture

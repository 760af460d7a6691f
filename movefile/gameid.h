#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

// Names one game across all its move files: 16 random bytes made at the first save of a
// game and carried by every later file of it in Korva's own block.
class GameId {
public:
    static constexpr int kSize = 16;
    using Bytes = std::array<std::uint8_t, kSize>;

    // 16 bytes from the system's cryptographic random source; never all zero.
    static GameId generate();
    // The id of these bytes; nullopt for all zero bytes, which no game has.
    static std::optional<GameId> fromBytes(const Bytes& bytes);
    // The id written as 32 lowercase hex digits; nullopt for anything else.
    static std::optional<GameId> fromHex(const QString& hex);

    const Bytes& bytes() const { return bytes_; }
    // 32 lowercase hex digits.
    QString toHex() const;

    bool operator==(const GameId&) const = default;

private:
    explicit GameId(const Bytes& bytes) : bytes_(bytes) {}

    Bytes bytes_;
};

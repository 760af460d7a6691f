#pragma once

#include <QString>

#include <cstdint>

// The words of a verdict on rolls a Korva server witnessed, said alike wherever it shows: in
// the server's own check (netplay/witnessverdict.h) and in a DiceVerdict that is the server's.
namespace witnesstext {

// "all 4 rolls witnessed by the server", "the one roll was witnessed by the server".
QString witnessed(std::uint32_t rolls);
// "roll 3 was rolled on the server but is not in this file".
QString missing(std::uint32_t roll);
// "roll 2 does not match the server's record (why)"; roll 0 for the file as a whole.
QString mismatch(std::uint32_t roll, const QString& why);

} // namespace witnesstext

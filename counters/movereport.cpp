#include "counters/movereport.h"

#include "geometry/hexgrid.h"

#include <string>

namespace {

// The separator falls after the first side's formations.
constexpr int kCountersBeforeSeparator = 101;
constexpr int kSeparatorLength = 37;

// An index outside the grid is off the board, whatever its column works out to.
bool onBoard(int hexIndex) {
    return hexgrid::isValidHex(hexIndex) && hexgrid::isOnBoard(hexIndex);
}

using namespace movereport;

std::string reportLine(const ZeKCounter& counter) {
    const int start = counter.startHex().index();
    const int current = counter.currentHex().index();
    const std::string state = stateText(counter.steps(), counter.losses(), counter.marker());
    std::string line = padded(counter.name(), kUnitWidth);
    line += padded(shortLabel(start), kLabelWidth);
    line += padded(padded(shortLabel(current), kLabelWidth) + state, kToAndStateWidth);
    if (current == start)
        line += "did not move";
    return line;
}

} // namespace

namespace movereport {

std::string shortLabel(int hexIndex) {
    if (!onBoard(hexIndex))
        return "Off board";
    const std::string label = hexgrid::hexLabel(hexIndex);
    const std::string prefix = "Hex : ";
    return label.compare(0, prefix.size(), prefix) == 0 ? label.substr(prefix.size()) : label;
}

std::string padded(std::string text, int width) {
    if (text.size() < std::size_t(width))
        text.append(std::size_t(width) - text.size(), ' ');
    return text;
}

std::string stateText(int steps, int losses, int marker) {
    constexpr int kSecondMarker = 2;
    if (marker == kSecondMarker)
        return "inverted";
    return std::to_string(steps) + "/" + std::to_string(losses);
}

} // namespace movereport

QByteArray moveReport(const ZeKCounterList& counters) {
    const char* const lineEnd = "\r\n";
    std::string text = kHeader;
    text += lineEnd;
    int visited = 0;
    for (const auto& counter : counters) {
        if (onBoard(counter->currentHex().index()) || onBoard(counter->startHex().index()))
            text += reportLine(*counter) + lineEnd;
        if (++visited == kCountersBeforeSeparator) {
            text += lineEnd;
            text += std::string(kSeparatorLength, '~') + lineEnd;
            text += lineEnd;
        }
    }
    return QByteArray::fromStdString(text);
}

QString reportFileName(const QString& moveFileName) {
    if (moveFileName.size() <= 3)
        return {};
    return moveFileName.chopped(3) + QStringLiteral("txt");
}

#include "counters/zekcounterat.h"

#include "counters/zekcounter.h"
#include "geometry/mapboard.h"

ZeKCounter* zekCounterAt(const MapBoard& board, int hexIndex) {
    return dynamic_cast<ZeKCounter*>(board.counterAt(hexIndex));
}

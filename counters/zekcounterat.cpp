#include "counters/zekcounterat.h"

#include "board/mapboard.h"
#include "counters/zekcounter.h"

ZeKCounter* zekCounterAt(const MapBoard& board, int hexIndex) {
    return dynamic_cast<ZeKCounter*>(board.counterAt(hexIndex));
}

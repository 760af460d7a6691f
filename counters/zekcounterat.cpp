#include "zekcounterat.h"

#include "mapboard.h"
#include "zekcounter.h"

ZeKCounter* zekCounterAt(const MapBoard& board, int hexIndex) {
    return dynamic_cast<ZeKCounter*>(board.counterAt(hexIndex));
}

#pragma once

#include "counters/zekcounter.h"

#include <list>
#include <memory>

// Every counter of the game, in order-of-battle order, owned by the counter manager.
using ZeKCounterList = std::list<std::unique_ptr<ZeKCounter>>;

#pragma once

// The move file as a whole: reading and checking, applying, writing and saving safely.
#include "counters/safesave.h"
#include "movefile/movefilecontents.h"
#include "movefile/movefilereader.h"
#include "movefile/movefilewriter.h"

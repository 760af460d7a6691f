#pragma once

// The move file as a whole: reading and checking, applying, writing and saving safely.
#include "movefile/movefilecontents.h"
#include "movefile/movefilereader.h"
#include "movefile/movefilewriter.h"
#include "movefile/reportfile.h"
#include "movefile/safesave.h"

#pragma once

// The move file as a whole: reading and checking, applying, writing and saving safely,
// and Korva's own block after the three sections.
#include "base/safesave.h"
#include "movefile/korvaextension.h"
#include "movefile/movefilecontents.h"
#include "movefile/movefilereader.h"
#include "movefile/movefilewriter.h"
#include "movefile/openedmovefile.h"
#include "movefile/reportfile.h"

#pragma once

// The move file as a whole: reading and checking, applying, writing and saving safely,
// and Korva's own block after the three sections.
#include "korvaextension.h"
#include "movefilecontents.h"
#include "movefilereader.h"
#include "movefilewriter.h"
#include "openedmovefile.h"
#include "safesave.h"

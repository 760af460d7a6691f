#pragma once

// The move file as a whole: reading and checking, applying, writing and saving safely.
#include "movefilecontents.h"
#include "movefilereader.h"
#include "movefilewriter.h"
#include "safesave.h"

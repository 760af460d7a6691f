#pragma once

#include <QString>

// `korva --games`: every game of the player's history as the games list shows it, one line
// each (the columns apart by " | "), archived games left out; a line saying so when there is
// none. Text from files is escaped for the terminal.
QString gamesListing();

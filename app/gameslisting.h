#pragma once

#include <QString>

// `korva --games`: every game of the player's history as the games list shows it, one line
// each (the columns apart by " | "), archived games left out; a line saying so when there is
// none; then the games of every server the player holds a token for. Text from files and
// servers is escaped for the terminal.
QString gamesListing();

#pragma once

#include <QString>

// The command line's side of play by server: each talks to the server at `server`, prints
// what came of it (what the player must keep on the last line) and returns the exit status;
// a refusal prints the server's reason, or why it could not be reached, and is not 0.
namespace servercommands {

// Registers NAME, keeps the token for this server and prints it.
int registerPlayer(const QString& server, const QString& name);
// Makes a server game of the move file's game, name and turn, the player taking the side
// to move; prints the invite code for the opponent.
int createGame(const QString& server, const QString& moveFile);
// Joins the game the invite code stands for.
int join(const QString& server, const QString& invite);

// For `korva --games`: under a heading naming each server the player holds a token for, that
// server's games, one line each (the columns apart by " | "); one line saying why for a server
// that does not answer within a few seconds. Empty when the player holds no token.
QString gamesListing();

} // namespace servercommands

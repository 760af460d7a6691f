#pragma once

#include <QByteArray>
#include <QString>

// What the headless uses print, and how: every line through terminalLine(), a refusal as one
// line "korva: WHAT: REASON" on standard error, the output written whole or not at all.
namespace commandoutput {

inline constexpr int kRefused = 2;
inline constexpr int kWriteFailed = 1;

// What the command line tells the player, ready for a translation.
QString translated(const char* text);
// Every line printed goes through here. File names and a file's texts may hold terminal
// controls that would clear the line, move the cursor or set the window's title, and so
// hide or fake what Korva says; shown escaped, each stays on the one line it was given.
QByteArray terminalLine(const QString& text);
// "korva: TEXT" on standard error.
void tell(const QString& text);
// "korva: WHAT: TEXT" on standard error.
void tell(const QString& what, const QString& text);
// Tells why WHAT was refused; the status of a refusal.
int refuse(const QString& what, const QString& reason);
// Tells why the arguments were refused, and where the uses are listed.
int refuseArguments(const QString& reason);
// Writes everything to standard output and makes sure it left the process: a full disk or a
// closed pipe is a failure, never a silent success.
int writeOut(const QByteArray& bytes);

} // namespace commandoutput

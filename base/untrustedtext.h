#pragma once

#include <QString>

// Text that came from a move file or a file name, made harmless to show. Such text may hold
// characters that act instead of showing: line breaks and terminal controls that rewrite what
// was printed before them, bidirectional controls that reorder the text around them, and
// invisible characters that make one name look like another. Shown through these functions,
// each of them is seen, never obeyed.
namespace untrustedtext {

// A character that does something rather than show: C0 and C1 controls and DEL, the
// bidirectional marks, embeddings, overrides and isolates, the line and paragraph separators,
// and the characters that draw nothing (zero-width spaces and joiners, fillers, the
// combining grapheme joiner, the byte order mark, soft hyphen, variation selectors, tags).
bool isActing(char32_t c);
// The text holds such a character.
bool holdsActing(const QString& text);

// For a terminal: backslash, the acting characters and every control as C-style escapes
// (\\, \e, \r, \n, \t, \x9b, \u202e), so nothing printed can move the cursor, clear the
// screen, change colours or the window title, or reorder the line.
QString forTerminal(const QString& text);
// For one line in the window: line breaks as a visible mark (U+21B5), other controls as their
// control pictures (U+2400 and on, DEL as U+2421), and bidirectional or invisible characters
// as "<U+202E>", but for the isolates of a quotation as quoted() makes it.
QString forLine(const QString& text);
// For several lines in the window: as forLine, but each line break stays a line break.
QString forLines(const QString& text);

// A file's text inside a sentence of Korva's in the window: as forLine shows it, between
// quotation marks (a quotation mark of its own as a straight one, so that it cannot close the
// quotation early), and isolated (U+2068 ... U+2069) so that right-to-left letters in it
// neither reorder Korva's words around it nor turn the line's direction.
QString quoted(const QString& text);
// The same on a terminal: as forTerminal shows it, between straight double quotes, a double
// quote in it escaped as \".
QString quotedForTerminal(const QString& text);

} // namespace untrustedtext

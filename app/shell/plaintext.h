#pragma once

#include <QLabel>
#include <QString>

class QMessageBox;
class QWidget;

// Texts that come from a move file or a file name (comments, banners, the note, names,
// paths) reach the screen only as plain text. Qt reads anything that looks like markup as
// rich text, and rich text loads <img src=...> from the local disk: a hostile file could
// make the window read /dev/zero or show a local picture.

// A label that shows whatever it is given letter for letter.
class PlainLabel : public QLabel {
    Q_OBJECT
public:
    explicit PlainLabel(const QString& text = {}, QWidget* parent = nullptr);
};

namespace plaintext {

// A tool tip that shows `text` letter for letter, line breaks kept and every other acting
// character as a mark (a tool tip has no text format of its own: escaped and marked as rich
// text, it shows what was escaped).
QString toolTip(const QString& text);
// Gives `widget` that tool tip, and the same words as its accessible description without the
// tool tip's markup, which a screen reader would otherwise read out.
void setToolTip(QWidget& widget, const QString& text);
// A name or a file's name from a file, within a line of Korva's: on that one line, every
// acting character as a mark, and right-to-left letters isolated so that they cannot reorder
// the words around them.
QString name(const QString& text);
// A caption that shows `text` letter for letter on one line: "[*]" is the window's
// placeholder for its unsaved mark, so one in a file's name is doubled.
QString caption(const QString& text);
// A menu entry's text, as a name: "&" marks the entry's key, so one in a file's name is
// doubled.
QString menuText(const QString& text);

} // namespace plaintext

#pragma once

#include <QString>

#include <string>

// The move file and the model keep texts as Windows-1252 bytes; widgets show QString.
namespace win1252 {

// Every byte maps to one character (the five bytes Windows leaves undefined map to the
// C1 control of the same number, as Windows itself does).
QString toUnicode(const std::string& bytes);

// Characters Windows-1252 cannot hold become '?'; use canEncode to refuse them first.
std::string fromUnicode(const QString& text);

bool canEncode(QChar c);
bool canEncode(const QString& text);

} // namespace win1252

#pragma once

#include "app/resourcedll/dibfile.h"

#include <QImage>

#include <cstdint>
#include <span>

// Decodes a bitmap resource (a device-independent bitmap without its file header) into a
// Format_RGB32 image. Throws dibfile::DibFormatError when the bitmap is refused or does
// not decode.
QImage decodeDib(std::span<const std::uint8_t> dib, const dibfile::SizeLimit& limit = {});

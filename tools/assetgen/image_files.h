// Writes pictures as PNG (libpng) and JPEG (libjpeg) files, with no time stamps so output repeats exactly.
#pragma once

#include <string>

#include "canvas.h"

namespace assetgen {

// Both return false (after one line on stderr) when the file cannot be written.
bool WritePng(const CCanvas& canvas, const std::string& path);
bool WriteJpeg(const CCanvas& canvas, const std::string& path, int quality);

}  // namespace assetgen

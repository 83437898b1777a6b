// File names as the game writes them ("raster\ship.png") turned into paths of this system.
#pragma once

#include <string>

namespace os {

// Backslashes become slashes; the path stays relative to the working directory (the game folder).
std::string NativePath(const std::string& gamePath);

}  // namespace os

// Textures and surfaces filled from image files, as the platform's loader filled them. A file's
// decoded image is kept for the next load while the file keeps its size and time of change.
#pragma once

#include "platform/gfx/device.h"

namespace gfx {

// A managed A8R8G8B8 texture of the file's image, stretched up to power-of-two sides; its
// level description reports the stretched size. kNotFound for a file that cannot be read,
// kInvalidData for one that is not a whole PNG or JPEG; *texture is null on failure.
Result CreateTextureFromFile(Device* device, const char* gamePath, Texture** texture);

// The file's image scaled with point filtering to the whole of a lockable surface (an image
// surface or a level of a managed texture). Failures leave the surface as it was.
Result LoadSurfaceFromFile(Surface* surface, const char* gamePath);

}  // namespace gfx

// Every sound of sound/: interface clicks, looping screen backgrounds, engines, weapons and blasts.
#pragma once

#include "asset_writer.h"

namespace assetgen {

void WriteSounds(CAssetWriter& out);

}  // namespace assetgen

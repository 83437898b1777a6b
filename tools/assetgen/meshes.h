// Every mesh of x/: trail square, planes, planets, stations, hulls, weapons and world props.
#pragma once

#include "asset_writer.h"

namespace assetgen {

void WriteMeshes(CAssetWriter& out);

}  // namespace assetgen

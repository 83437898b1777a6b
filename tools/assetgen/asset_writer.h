// Where generated files go: the game folder's raster/, x/ and sound/, with one failure flag for the run.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "canvas.h"

namespace assetgen {

class CAssetWriter {
public:
    explicit CAssetWriter(std::string gameDir);

    // Creates raster/, x/ and sound/ under the game folder; false when that fails.
    bool MakeFolders();

    void Png(const std::string& name, const CCanvas& canvas);                // raster/<name>
    void Jpeg(const std::string& name, const CCanvas& canvas);               // raster/<name>
    void Mesh(const std::string& name, const std::string& text);             // x/<name>
    void Sound(const std::string& name, const std::vector<uint8_t>& bytes);  // sound/<name>

    bool Ok() const { return ok_; }
    int Count() const { return count_; }

private:
    void WriteBytes(const std::string& path, const void* data, size_t size);

    std::string gameDir_;
    bool ok_ = true;
    int count_ = 0;
};

}  // namespace assetgen

// File output of the generator.
#include "asset_writer.h"

#include <cstdio>
#include <filesystem>

#include "image_files.h"

namespace assetgen {

CAssetWriter::CAssetWriter(std::string gameDir) : gameDir_(std::move(gameDir))
{
}

bool CAssetWriter::MakeFolders()
{
    std::error_code ec;
    for (const char* sub : {"raster", "x", "sound"}) {
        std::filesystem::create_directories(std::filesystem::path(gameDir_) / sub, ec);
        if (ec) {
            std::fprintf(stderr, "assetgen: cannot create %s/%s\n", gameDir_.c_str(), sub);
            ok_ = false;
        }
    }
    return ok_;
}

void CAssetWriter::Png(const std::string& name, const CCanvas& canvas)
{
    ok_ = WritePng(canvas, gameDir_ + "/raster/" + name) && ok_;
    ++count_;
}

void CAssetWriter::Jpeg(const std::string& name, const CCanvas& canvas)
{
    ok_ = WriteJpeg(canvas, gameDir_ + "/raster/" + name, 88) && ok_;
    ++count_;
}

void CAssetWriter::Mesh(const std::string& name, const std::string& text)
{
    WriteBytes(gameDir_ + "/x/" + name, text.data(), text.size());
}

void CAssetWriter::Sound(const std::string& name, const std::vector<uint8_t>& bytes)
{
    WriteBytes(gameDir_ + "/sound/" + name, bytes.data(), bytes.size());
}

void CAssetWriter::WriteBytes(const std::string& path, const void* data, size_t size)
{
    ++count_;
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f || std::fwrite(data, 1, size, f) != size) {
        std::fprintf(stderr, "assetgen: cannot write %s\n", path.c_str());
        ok_ = false;
    }
    if (f)
        std::fclose(f);
}

}  // namespace assetgen

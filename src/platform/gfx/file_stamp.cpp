// Stamps of files whose decoded contents are kept.
#include "platform/gfx/file_stamp.h"

#include <system_error>

#include "platform/os/path.h"

namespace gfx {

std::optional<FileStamp> StampOf(const char* gamePath)
{
    std::error_code error;
    FileStamp stamp;
    stamp.path = std::filesystem::absolute(os::NativePath(gamePath), error);
    if (error)
        return std::nullopt;
    stamp.size = std::filesystem::file_size(stamp.path, error);
    if (error)
        return std::nullopt;
    stamp.modified = std::filesystem::last_write_time(stamp.path, error);
    if (error)
        return std::nullopt;
    return stamp;
}

}  // namespace gfx

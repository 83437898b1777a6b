// Game file names to native paths.
#include "platform/os/path.h"

#include <algorithm>

namespace os {

std::string NativePath(const std::string& gamePath)
{
    std::string path = gamePath;
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

}  // namespace os

// A peer address (host name and port) and its reading from the URL-like text the game builds.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace netpeer {

constexpr uint16_t kDefaultPort = 6734;
constexpr size_t kMaxHostNameBytes = 352;

struct Address {
    std::string host;   // empty for a local device address
    uint16_t port = 0;  // 0: the default (host side) or any free port (joining device)
};

// Reads "scheme:/key=value;key=value;...": hostname= and port= are used, other keys are
// ignored and %XX escapes are decoded. Nothing for text without ":/", a key without "=", a bad
// escape, a port that is not 1 to 65535, or a host name over kMaxHostNameBytes.
std::optional<Address> ParseAddressUrl(std::string_view url);

}  // namespace netpeer

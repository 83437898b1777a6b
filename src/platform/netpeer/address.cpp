// Reading of URL-like address texts.
#include "platform/netpeer/address.h"

namespace netpeer {
namespace {

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::optional<std::string> Unescape(std::string_view text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        if (i + 2 >= text.size())
            return std::nullopt;
        int high = HexValue(text[i + 1]), low = HexValue(text[i + 2]);
        if (high < 0 || low < 0)
            return std::nullopt;
        out += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return out;
}

std::optional<uint16_t> ParsePort(std::string_view text)
{
    if (text.empty() || text.size() > 5)
        return std::nullopt;
    uint32_t port = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        port = port * 10 + static_cast<uint32_t>(c - '0');
    }
    if (port < 1 || port > 65535)
        return std::nullopt;
    return static_cast<uint16_t>(port);
}

}  // namespace

std::optional<Address> ParseAddressUrl(std::string_view url)
{
    size_t start = url.find(":/");
    if (start == std::string_view::npos)
        return std::nullopt;
    std::string_view rest = url.substr(start + 2);
    Address address;
    while (!rest.empty()) {
        size_t end = rest.find(';');
        std::string_view pair = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        if (pair.empty())
            continue;
        size_t equals = pair.find('=');
        if (equals == std::string_view::npos)
            return std::nullopt;
        std::optional<std::string> value = Unescape(pair.substr(equals + 1));
        if (!value)
            return std::nullopt;
        std::string_view key = pair.substr(0, equals);
        if (key == "hostname") {
            if (value->size() > kMaxHostNameBytes)
                return std::nullopt;
            address.host = *value;
        } else if (key == "port") {
            std::optional<uint16_t> port = ParsePort(*value);
            if (!port)
                return std::nullopt;
            address.port = *port;
        }
    }
    return address;
}

}  // namespace netpeer

// The packets peers exchange: the join handshake, the mesh links and the game's messages.
// The first byte is the kind; integers are little-endian; names carry a 16-bit length. Every
// read is bounded: a short, long or malformed packet decodes to nothing.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/netpeer/peer.h"

namespace netpeer::wire {

enum class Kind : uint8_t { kJoin = 1, kWelcome = 2, kRefuse = 3, kLink = 4, kData = 5, kAnnounce = 6, kDrop = 7 };

// Newcomer to host.
struct Join {
    ApplicationId application{};
    std::string name;
};

// A player the newcomer must link to. The host itself goes with address 0:0 (the newcomer
// already has a link to it).
struct Member {
    PlayerId id = 0;
    uint32_t ipv4 = 0;  // network byte order, as sockets keep it
    uint16_t port = 0;
    std::string name;
};

// Host to newcomer.
struct Welcome {
    PlayerId yourId = 0;
    PlayerId hostId = 0;
    std::vector<Member> members;
};

enum class RefuseReason : uint8_t { kWrongApplication = 1, kNotHost = 2, kFull = 3 };

// Newcomer to every other player, on its own link to each.
struct Link {
    ApplicationId application{};
    PlayerId id = 0;
    std::string name;
};

// Host to every other player: a newcomer got this id and will link to you from this port.
struct Announce {
    PlayerId id = 0;
    uint16_t port = 0;
};

// Newcomer to host: this member did not answer my link. Host to every other player: drop it.
struct Drop {
    PlayerId id = 0;
};

using Bytes = std::vector<uint8_t>;
using View = std::span<const uint8_t>;

bool IsValidName(const std::string& name);

Bytes Encode(const Join& join);
Bytes Encode(const Welcome& welcome);
Bytes EncodeRefuse(RefuseReason reason);
Bytes Encode(const Link& link);
Bytes EncodeData(const void* data, size_t size);
Bytes Encode(const Announce& announce);
Bytes Encode(const Drop& drop);

std::optional<Kind> KindOf(View packet);
std::optional<Join> DecodeJoin(View packet);
std::optional<Welcome> DecodeWelcome(View packet);
std::optional<RefuseReason> DecodeRefuse(View packet);
std::optional<Link> DecodeLink(View packet);
std::optional<Announce> DecodeAnnounce(View packet);
std::optional<Drop> DecodeDrop(View packet);
// The game's message inside a data packet: 1 to kMaxMessageBytes bytes.
std::optional<View> DecodeData(View packet);

}  // namespace netpeer::wire

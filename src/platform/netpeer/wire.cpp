// Encoding and bounded decoding of the peers' packets.
#include "platform/netpeer/wire.h"

#include <algorithm>
#include <cstring>

namespace netpeer::wire {
namespace {

class Writer {
public:
    explicit Writer(Kind kind) { bytes_.push_back(static_cast<uint8_t>(kind)); }
    void U8(uint8_t v) { bytes_.push_back(v); }
    void U16(uint16_t v)
    {
        U8(static_cast<uint8_t>(v));
        U8(static_cast<uint8_t>(v >> 8));
    }
    void U32(uint32_t v)
    {
        U16(static_cast<uint16_t>(v));
        U16(static_cast<uint16_t>(v >> 16));
    }
    void Raw(const void* data, size_t size)
    {
        const auto* p = static_cast<const uint8_t*>(data);
        bytes_.insert(bytes_.end(), p, p + size);
    }
    void Name(const std::string& name)
    {
        U16(static_cast<uint16_t>(name.size()));
        Raw(name.data(), name.size());
    }
    Bytes Take() { return std::move(bytes_); }

private:
    Bytes bytes_;
};

// Reads after the kind byte; any read past the end, and any bytes left at the end, fail.
class Reader {
public:
    Reader(View packet, Kind kind)
        : data_(packet), pos_(1), ok_(!packet.empty() && packet[0] == static_cast<uint8_t>(kind))
    {
    }
    uint8_t U8() { return Has(1) ? data_[pos_++] : 0; }
    uint16_t U16()
    {
        uint16_t low = U8();
        return static_cast<uint16_t>(low | U8() << 8);
    }
    uint32_t U32()
    {
        uint32_t low = U16();
        return low | static_cast<uint32_t>(U16()) << 16;
    }
    void Raw(void* out, size_t size)
    {
        if (Has(size)) {
            std::memcpy(out, data_.data() + pos_, size);
            pos_ += size;
        }
    }
    std::string Name()
    {
        uint16_t size = U16();
        if (size > kMaxNameBytes || !Has(size))
            return Fail();
        std::string name(reinterpret_cast<const char*>(data_.data() + pos_), size);
        pos_ += size;
        if (!IsValidName(name))
            return Fail();
        return name;
    }
    bool Done() const { return ok_ && pos_ == data_.size(); }
    bool Ok() const { return ok_; }
    std::string Fail()
    {
        ok_ = false;
        return {};
    }

private:
    bool Has(size_t n)
    {
        if (ok_ && data_.size() - pos_ >= n)
            return true;
        ok_ = false;
        return false;
    }
    View data_;
    size_t pos_;
    bool ok_;
};

}  // namespace

bool IsValidName(const std::string& name)
{
    return name.size() <= kMaxNameBytes && name.find('\0') == std::string::npos;
}

Bytes Encode(const Join& join)
{
    Writer w(Kind::kJoin);
    w.Raw(join.application.data(), join.application.size());
    w.Name(join.name);
    return w.Take();
}

Bytes Encode(const Welcome& welcome)
{
    Writer w(Kind::kWelcome);
    w.U32(welcome.yourId);
    w.U32(welcome.hostId);
    w.U16(static_cast<uint16_t>(welcome.members.size()));
    for (const Member& m : welcome.members) {
        w.U32(m.id);
        w.Raw(&m.ipv4, 4);
        w.U16(m.port);
        w.Name(m.name);
    }
    return w.Take();
}

Bytes EncodeRefuse(RefuseReason reason)
{
    Writer w(Kind::kRefuse);
    w.U8(static_cast<uint8_t>(reason));
    return w.Take();
}

Bytes Encode(const Link& link)
{
    Writer w(Kind::kLink);
    w.Raw(link.application.data(), link.application.size());
    w.U32(link.id);
    w.Name(link.name);
    return w.Take();
}

Bytes EncodeData(const void* data, size_t size)
{
    Writer w(Kind::kData);
    w.Raw(data, size);
    return w.Take();
}

Bytes Encode(const Announce& announce)
{
    Writer w(Kind::kAnnounce);
    w.U32(announce.id);
    w.U16(announce.port);
    return w.Take();
}

Bytes Encode(const Drop& drop)
{
    Writer w(Kind::kDrop);
    w.U32(drop.id);
    return w.Take();
}

std::optional<Kind> KindOf(View packet)
{
    if (packet.empty() || packet[0] < static_cast<uint8_t>(Kind::kJoin) ||
        packet[0] > static_cast<uint8_t>(Kind::kDrop))
        return std::nullopt;
    return static_cast<Kind>(packet[0]);
}

std::optional<Join> DecodeJoin(View packet)
{
    Reader r(packet, Kind::kJoin);
    Join join;
    r.Raw(join.application.data(), join.application.size());
    join.name = r.Name();
    return r.Done() ? std::optional(join) : std::nullopt;
}

std::optional<Welcome> DecodeWelcome(View packet)
{
    Reader r(packet, Kind::kWelcome);
    Welcome welcome;
    welcome.yourId = r.U32();
    welcome.hostId = r.U32();
    uint16_t count = r.U16();
    if (count > kMaxPlayers)
        r.Fail();
    for (uint16_t i = 0; i < count && r.Ok(); ++i) {
        Member m;
        m.id = r.U32();
        r.Raw(&m.ipv4, 4);
        m.port = r.U16();
        m.name = r.Name();
        welcome.members.push_back(std::move(m));
    }
    bool idsValid = welcome.yourId != 0 && welcome.hostId != 0 &&
                    std::none_of(welcome.members.begin(), welcome.members.end(),
                                 [&](const Member& m) { return m.id == 0 || m.id == welcome.yourId; });
    return r.Done() && idsValid ? std::optional(welcome) : std::nullopt;
}

std::optional<RefuseReason> DecodeRefuse(View packet)
{
    Reader r(packet, Kind::kRefuse);
    uint8_t reason = r.U8();
    if (!r.Done() || reason < 1 || reason > 3)
        return std::nullopt;
    return static_cast<RefuseReason>(reason);
}

std::optional<Link> DecodeLink(View packet)
{
    Reader r(packet, Kind::kLink);
    Link link;
    r.Raw(link.application.data(), link.application.size());
    link.id = r.U32();
    link.name = r.Name();
    return r.Done() && link.id != 0 ? std::optional(link) : std::nullopt;
}

std::optional<Announce> DecodeAnnounce(View packet)
{
    Reader r(packet, Kind::kAnnounce);
    Announce announce;
    announce.id = r.U32();
    announce.port = r.U16();
    return r.Done() && announce.id != 0 ? std::optional(announce) : std::nullopt;
}

std::optional<Drop> DecodeDrop(View packet)
{
    Reader r(packet, Kind::kDrop);
    Drop drop{r.U32()};
    return r.Done() && drop.id != 0 ? std::optional(drop) : std::nullopt;
}

std::optional<View> DecodeData(View packet)
{
    if (packet.size() < 2 || packet.size() > kMaxMessageBytes + 1 || packet[0] != static_cast<uint8_t>(Kind::kData))
        return std::nullopt;
    return packet.subspan(1);
}

}  // namespace netpeer::wire

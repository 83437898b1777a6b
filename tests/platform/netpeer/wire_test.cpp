// The peers' packets and address texts: what decodes, and every malformed form that must not.
#include "platform/netpeer/wire.h"

#include <gtest/gtest.h>

#include "platform/netpeer/address.h"

namespace {

using namespace netpeer;

const ApplicationId kApp{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};

struct Sample {
    const char* name;
    wire::Bytes bytes;
    bool (*decodes)(wire::View);
};

std::vector<Sample> Samples()
{
    wire::Welcome welcome{5, 1, {{1, 0, 0, "Player 1"}, {3, 0x0100007f, 4000, "Player 3"}}};
    return {
        {"join", wire::Encode(wire::Join{kApp, "Player 7"}), [](wire::View v) { return !!wire::DecodeJoin(v); }},
        {"welcome", wire::Encode(welcome), [](wire::View v) { return !!wire::DecodeWelcome(v); }},
        {"refuse", wire::EncodeRefuse(wire::RefuseReason::kFull), [](wire::View v) { return !!wire::DecodeRefuse(v); }},
        {"link", wire::Encode(wire::Link{kApp, 5, "Player 5"}), [](wire::View v) { return !!wire::DecodeLink(v); }},
        {"data", wire::EncodeData("abcdefgh", 8), [](wire::View v) { return !!wire::DecodeData(v); }},
        {"announce", wire::Encode(wire::Announce{5}), [](wire::View v) { return !!wire::DecodeAnnounce(v); }},
        {"drop", wire::Encode(wire::Drop{3}), [](wire::View v) { return !!wire::DecodeDrop(v); }},
    };
}

TEST(NetpeerWire, EveryPacketDecodesWholeAndNothingShorterOrLonger)
{
    for (const Sample& s : Samples()) {
        EXPECT_TRUE(s.decodes(s.bytes)) << s.name;
        for (size_t size = 0; size < s.bytes.size(); ++size) {
            if (std::string(s.name) == "data" && size >= 2)
                continue;  // a shorter message is still a message
            EXPECT_FALSE(s.decodes(wire::View(s.bytes.data(), size))) << s.name << " cut to " << size;
        }
        wire::Bytes longer = s.bytes;
        longer.push_back(0);
        EXPECT_EQ(s.decodes(longer), std::string(s.name) == "data") << s.name << " with a byte more";
        wire::Bytes wrongKind = s.bytes;
        wrongKind[0] = wrongKind[0] == 5 ? 1 : wrongKind[0] + 1;
        EXPECT_FALSE(s.decodes(wrongKind)) << s.name << " under another kind";
    }
}

TEST(NetpeerWire, BadNamesIdsCountsAndSizesAreRefused)
{
    EXPECT_TRUE(wire::DecodeJoin(wire::Encode(wire::Join{kApp, std::string(kMaxNameBytes, 'a')})));
    EXPECT_FALSE(wire::DecodeJoin(wire::Encode(wire::Join{kApp, std::string(kMaxNameBytes + 1, 'a')})));
    EXPECT_FALSE(wire::DecodeJoin(wire::Encode(wire::Join{kApp, std::string("a\0b", 3)})));
    EXPECT_FALSE(wire::DecodeLink(wire::Encode(wire::Link{kApp, 0, "zero"})));
    EXPECT_FALSE(wire::DecodeAnnounce(wire::Encode(wire::Announce{0})));
    EXPECT_FALSE(wire::DecodeDrop(wire::Encode(wire::Drop{0})));
    EXPECT_FALSE(wire::DecodeWelcome(wire::Encode(wire::Welcome{0, 1, {}})));
    EXPECT_FALSE(wire::DecodeWelcome(wire::Encode(wire::Welcome{2, 1, {{2, 0, 0, "me again"}}})));
    wire::Welcome crowd{40, 1, std::vector<wire::Member>(kMaxPlayers + 1, {1, 0, 0, ""})};
    EXPECT_FALSE(wire::DecodeWelcome(wire::Encode(crowd)));
    wire::Bytes lying = wire::Encode(wire::Join{kApp, "ab"});
    lying[17] = 0xff;  // the name claims more bytes than the packet holds
    EXPECT_FALSE(wire::DecodeJoin(lying));
    EXPECT_FALSE(wire::DecodeRefuse(wire::Bytes{3, 9}));
    std::vector<uint8_t> big(kMaxMessageBytes + 1);
    EXPECT_TRUE(wire::DecodeData(wire::EncodeData(big.data(), kMaxMessageBytes)));
    EXPECT_FALSE(wire::DecodeData(wire::EncodeData(big.data(), big.size())));
    EXPECT_FALSE(wire::KindOf(wire::Bytes{0}));
    EXPECT_FALSE(wire::KindOf(wire::Bytes{8}));
}

struct UrlCase {
    const char* url;
    bool ok;
    const char* host;
    uint16_t port;
};

class NetpeerAddressUrl : public ::testing::TestWithParam<UrlCase> {};

TEST_P(NetpeerAddressUrl, ReadsHostAndPort)
{
    const UrlCase& c = GetParam();
    std::optional<Address> address = ParseAddressUrl(c.url);
    ASSERT_EQ(address.has_value(), c.ok) << c.url;
    if (address) {
        EXPECT_EQ(address->host, c.host);
        EXPECT_EQ(address->port, c.port);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NetpeerAddressUrl,
    ::testing::Values(UrlCase{"x-peer:/provider=%7BAB-CD%7D;port=6734", true, "", 6734},
                      UrlCase{"x-peer:/provider=%7BAB-CD%7D", true, "", 0},
                      UrlCase{"x-peer:/hostname=192.168.1.20;provider=%7BAB%7D;port=7000", true, "192.168.1.20", 7000},
                      UrlCase{"x-peer:/hostname=a%20b;port=1", true, "a b", 1},
                      UrlCase{"x-peer:/hostname=;port=65535", true, "", 65535}, UrlCase{"x-peer:/port=0", false, "", 0},
                      UrlCase{"x-peer:/port=65536", false, "", 0}, UrlCase{"x-peer:/port=12a", false, "", 0},
                      UrlCase{"x-peer:/hostname=%7", false, "", 0}, UrlCase{"x-peer:/hostname=%zz", false, "", 0},
                      UrlCase{"x-peer:/hostname", false, "", 0}, UrlCase{"hostname=a;port=1", false, "", 0}));

TEST(NetpeerAddress, HostNamesAreBounded)
{
    std::string url = "x-peer:/hostname=" + std::string(kMaxHostNameBytes, 'h');
    EXPECT_TRUE(ParseAddressUrl(url));
    EXPECT_FALSE(ParseAddressUrl(url + "h"));
}

}  // namespace

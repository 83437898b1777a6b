// 100 000 random, mutated and hostile messages of every type through the manager's handler of a
// headless game in flight, with a remote ship in the system; frames run between the batches.
// Nothing may crash, hang, quit or leak, no ship may end up with a position, aim, angle or push
// that is not a finite number, and no shot may be this player's, whatever a peer sends.
#include <bit>
#include <cmath>
#include <limits>
#include <map>
#include <random>
#include <string>

#include "app/frame.h"
#include "net/network_manager.h"
#include "net/remote_ship.h"
#include "platform/gfx/headless/headless_device.h"
#include "platform/os/clock.h"
#include "platform/os/message_queue.h"
#include "ships/player_ship.h"
#include "ships/shot.h"
#include "support/headless_game.h"
#include "support/screen_cases.h"

namespace {

constexpr int kRemoteId = 21;
constexpr int kOwnId = 22;
constexpr netpeer::PlayerId kSender = 2;
constexpr uint32_t kFrameMs = 16;

class NetFuzzTest : public HeadlessGame {
protected:
    void SetUp() override
    {
        HeadlessGame::SetUp();
        // The game's own screens draw and run the world, not the fixture's recording ones.
        flightView.reset();
        flightScreen.reset();
        currentScreen.reset();
    }
    void TearDown() override
    {
        gNetworkManager.mRemoteShipIds.clear();
        gNetworkManager.mChatLines.clear();
        gNetworkManager.mObjectIds.clear();
        gNetworkManager.mOwnObjectId = kUnassignedObjectId;
        gNetworkManager.mHost = 0;
        HeadlessGame::TearDown();
    }

    static void Receive(const NetBytes& data)
    {
        netpeer::Event event;
        event.kind = netpeer::EventKind::kReceive;
        event.player = kSender;
        event.data = data;
        gNetworkManager.NetMessageHandler(event);
    }
    // One frame of the game, which applies what arrived first.
    static void Frame()
    {
        os::AdvanceManualTime(kFrameMs);
        ASSERT_EQ(RunFrame(), 0);
        gfx::headless::AsHeadless(gDevice)->ClearRecords();
    }
    // Every object stands at a finite point and no shot is the player's; every ship, the
    // player's included, also steers, turns and drifts by finite numbers.
    static void ExpectWorldSound(int batch)
    {
        std::vector<CShip*> ships;
        if (gPlayerShip)
            ships.push_back(gPlayerShip);
        for (const auto& [id, object] : gResourceManager->mObjects) {
            ASSERT_TRUE(Vec3IsFinite(object->mPosition)) << "object " << id << " after batch " << batch;
            auto* shot = dynamic_cast<CShot*>(object);
            ASSERT_FALSE(shot && shot->OwnerIsPlayer()) << "shot " << id << " after batch " << batch;
            if (auto* ship = dynamic_cast<CShip*>(object))
                ships.push_back(ship);
        }
        for (const CShip* ship : ships) {
            for (const Vec3* value : {&ship->mPosition, &ship->mDestination, &ship->mRotation, &ship->mVelocity})
                ASSERT_TRUE(Vec3IsFinite(*value)) << "ship " << ship->mId << " after batch " << batch;
        }
    }
};

// Values no honest peer sends, for floats and ids alike.
const uint32_t kHostileWords[] = {
    std::bit_cast<uint32_t>(1e30f),
    std::bit_cast<uint32_t>(-1e30f),
    std::bit_cast<uint32_t>(std::numeric_limits<float>::infinity()),
    std::bit_cast<uint32_t>(-std::numeric_limits<float>::infinity()),
    std::bit_cast<uint32_t>(std::numeric_limits<float>::quiet_NaN()),
    0u,
    20u,
    0xFFFFFFFFu,
};

TEST_F(NetFuzzTest, RandomMutatedAndHostileMessagesNeverCrashHangOrQuitAndLeaveEveryShipFinite)
{
    FlyNewPilot();
    gCurrentScreen = gFlightScreen;
    gNetworkManager.mHost = 1;
    gPlayerShip->mId = gNetworkManager.mOwnObjectId = kOwnId;
    gNetworkManager.mObjectIds[gLocalPlayerId] = kOwnId;
    // The host gave the sender its id; every other id is nobody's.
    gNetworkManager.mObjectIds[kSender] = kRemoteId;

    RowList<CreateShipRow> rows;
    const CreateShipRow& hull = *gGameDatabase.GetCreateShips(rows).front();
    MsgShipSnapshot snapshot;
    snapshot.hullId = hull.ship_id;
    snapshot.engineId = hull.engine_device_id;
    snapshot.weaponCount = 1;
    snapshot.weapons[0] = hull.weapon_id_1;
    snapshot.objectId = kRemoteId;
    const NetBytes remoteShip = EncodeMessage(snapshot);
    const int here = gResourceManager->mPlaceSystemId;
    const NetBytes arrives =
        EncodeMessage(MsgShipState{kRemoteId, 5, 5, 5, Vec3(1, 1, 30), Vec3(2, 2, 30), Vec3(), Vec3(1, 0, 0), here});
    Receive(remoteShip);
    Receive(arrives);
    Frame();
    ASSERT_EQ(gNetworkManager.RemoteShips().size(), 1u);
    ASSERT_NE(gResourceManager->FindObject(kRemoteId), nullptr);

    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float huge = 1e30f;
    const Vec3 ownShip = gPlayerShip->mPosition;
    MsgShipSnapshot badId = snapshot;
    badId.objectId = 0;
    const std::vector<NetBytes> seeds = {
        EncodeMessage(MsgChatLine{"hi"}),
        EncodeMessage(MsgObjectState{kRemoteId, 5, Vec3(1, 1, 30)}),
        arrives,
        EncodeMessage(MsgRemoteFire{kRemoteId, hull.weapon_id_1, Vec3(5, 5, 30)}),
        EncodeMessage(MsgWeaponSlot{kRemoteId, 3}),
        EncodeMessage(MsgDestination{kRemoteId, Vec3(9, 9, 30)}),
        EncodeMessage(MsgStartGame{1}),
        remoteShip,
        EncodeMessage(MsgRequestObjectId{}),
        EncodeMessage(MsgObjectIdAssigned{40}),
        EncodeMessage(MsgCreateShot{hull.weapon_id_1, kRemoteId, Vec3(9, 0, 30), kShotBeam, 100700}),
        EncodeMessage(MsgCreateShot{hull.weapon_id_1, kOwnId, Vec3(9, 0, 30), kShotBeam, 100702}),
        EncodeMessage(MsgIdHolder{kRemoteId, kSender}),
        EncodeMessage(MsgShotBlow{kOwnId, kRemoteId, 100700, 5}),
        // A turn or a drift no game makes, which once kept the angle wrap looping for good.
        EncodeMessage(
            MsgShipState{kRemoteId, 5, 5, 5, Vec3(1, 1, 30), Vec3(2, 2, 30), Vec3(0, 0, huge), Vec3(huge, 0, 0), here}),
        // The other ship put nowhere, then told to fire at this player's ship.
        EncodeMessage(MsgObjectState{kRemoteId, 5, Vec3(nan, nan, 30)}),
        EncodeMessage(MsgRemoteFire{kRemoteId, hull.weapon_id_1, ownShip}),
        EncodeMessage(MsgCreateShot{hull.weapon_id_1, kRemoteId, Vec3(nan, 0, 30), kShotProjectile, 100701}),
        EncodeMessage(MsgDestination{kOwnId, Vec3(huge, -huge, 30)}),
        EncodeMessage(MsgObjectIdAssigned{static_cast<int32_t>(0xFFFFFFFFu)}),
        EncodeMessage(badId),
    };
    std::mt19937 random(24);
    // Messages of each type that passed the size check and so reached its handler.
    std::map<int, int> wellSized;
    ::testing::internal::CaptureStderr();
    for (int i = 0; i < 100000; ++i) {
        NetBytes data = seeds[random() % seeds.size()];
        switch (random() % 6) {
        case 0:  // one byte anywhere, the type word included
            data[random() % data.size()] = static_cast<uint8_t>(random());
            break;
        case 1:  // the ids and counts of the body
            if (data.size() > 8)
                data[8 + random() % (data.size() - 8)] = static_cast<uint8_t>(random() % 32);
            break;
        case 2:  // a wrong length
            data.resize(random() % 400);
            break;
        case 3:  // a random body at its type's own size
            for (size_t at = 8; at < data.size(); ++at)
                data[at] = static_cast<uint8_t>(random());
            break;
        case 4:  // a hostile value in one field of the body: every field is a 32-bit word
            if (data.size() >= 12) {
                const size_t at = 8 + 4 * (random() % ((data.size() - 8) / 4));
                const uint32_t word = kHostileWords[random() % std::size(kHostileWords)];
                for (int k = 0; k < 4; ++k)
                    data[at + k] = static_cast<uint8_t>(word >> (8 * k));
            }
            break;
        default:  // noise
            for (uint8_t& byte : data)
                byte = static_cast<uint8_t>(random());
            break;
        }
        if (NetMessageBytes(NetMessageType(data)) == data.size())
            ++wellSized[NetMessageType(data)];
        Receive(data);
        if (i % 100 == 99) {
            // A start wipes the system; the other ship comes back the way it came.
            Receive(remoteShip);
            Frame();
            ASSERT_NO_FATAL_FAILURE(ExpectWorldSound(i / 100));
            for (const CRemoteShip* ship : gNetworkManager.RemoteShips())
                ASSERT_EQ(ship->mId, kRemoteId) << "a ship under an id nobody holds, batch " << i / 100;
            ASSERT_EQ(gPlayerShip->mId, kOwnId) << "the ship keeps its id, batch " << i / 100;
            ASSERT_FALSE(os::QuitPosted()) << "batch " << i / 100;
        }
    }
    const std::string told = ::testing::internal::GetCapturedStderr();
    const std::string refusal = "a game was started";
    size_t refusedStarts = 0;
    for (size_t at = told.find(refusal); at != std::string::npos; at = told.find(refusal, at + 1))
        ++refusedStarts;
    EXPECT_EQ(refusedStarts, 1u) << "one sender's refused Starts are told once";
    for (int type = 1; type <= MsgShotBlow::kType; ++type)
        EXPECT_GT(wellSized[type], 1000) << "type " << type;
    // The mutations still reached the handlers, and no text got past its field.
    EXPECT_FALSE(gNetworkManager.RemoteShips().empty());
    ASSERT_FALSE(gNetworkManager.mChatLines.empty());
    for (const std::string& line : gNetworkManager.mChatLines)
        EXPECT_LT(line.size(), kChatTextBytes);
}

}  // namespace

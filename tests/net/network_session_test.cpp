// The network manager against raw peers on 127.0.0.1 that speak the wire codec: players, chat,
// ids, snapshots, remote ship orders and shots, and the messages a peer must not get through.
#include <chrono>
#include <cstring>
#include <mutex>
#include <thread>

#include "core/message_log.h"
#include "net/network_manager.h"
#include "net/network_pump.h"
#include "net/remote_ship.h"
#include "platform/os/message_queue.h"
#include "ships/shockwave_shot.h"
#include "ships/shot.h"
#include "ships/weapon_fixture.h"
#include "support/netpeer_loopback.h"
#include "support/screen_cases.h"
#include "world/world_fixture.h"

namespace {

using netpeer_test::FreePort;
using netpeer_test::Loopback;
using netpeer_test::Recorder;

constexpr int kPulseLaserDevice = 10;
constexpr int kPlasmaBoltDevice = 11;
constexpr int kTurretLaserDevice = 24;
constexpr int kRingDevice = 13;

class NetworkSessionTest : public WorldTest {
protected:
    void SetUp() override
    {
        WorldTest::SetUp();
        ResetNetworkManager();
    }
    void TearDown() override
    {
        raw.Close();
        ResetNetworkManager();
        WorldTest::TearDown();
    }

    // The game hosts; the raw peer joins it.
    void HostAndJoin()
    {
        port = FreePort();
        gNetworkManager.mPort = port;
        gNetworkManager.mHost = 1;
        gNetworkManager.InitPeer();
        ASSERT_TRUE(gNetworkManager.HostSession());
        ASSERT_TRUE(raw.Initialize(rawEvents.Handler()));
        ASSERT_TRUE(raw.SetPeerInfo("Raw"));
        ASSERT_EQ(raw.Connect(VarnokSession(), Loopback(port), netpeer::Address{}), netpeer::Result::kOk);
        ASSERT_TRUE(PumpNetwork([] { return gNetworkManager.mPlayerNames.size() == 2; }));
    }

    template <typename M>
    void RawSend(const M& message)
    {
        const NetBytes data = EncodeMessage(message);
        ASSERT_TRUE(raw.SendTo(netpeer::kAllPlayers, data.data(), data.size()));
    }
    // A chat line after the messages under test: once it is applied, they were too.
    void Settle(const std::string& marker)
    {
        RawSend(MsgChatLine{marker});
        ASSERT_TRUE(
            PumpNetwork([&] { return !gNetworkManager.mChatLines.empty() && gNetworkManager.mChatLines.back() == marker; }));
    }
    // The messages of one type the raw peer has received from the game.
    template <typename M>
    static std::vector<M> Received(const std::vector<netpeer::Event>& events)
    {
        std::vector<M> out;
        for (const netpeer::Event& event : events) {
            if (event.kind == netpeer::EventKind::kReceive)
                if (std::optional<M> message = DecodeMessage<M>(event.data))
                    out.push_back(*message);
        }
        return out;
    }
    // Waits for count messages of that type at the raw peer and returns them.
    template <typename M>
    std::vector<M> RawReceived(size_t count)
    {
        rawEvents.WaitFor(
            [&](const std::vector<netpeer::Event>& events) { return Received<M>(events).size() >= count; });
        return Received<M>(rawEvents.Events());
    }
    // The raw peer hosts; the game joins through its host row, behind a dead one when asked.
    void JoinTheRawHost(bool behindADeadRow)
    {
        port = FreePort();
        ASSERT_TRUE(raw.Initialize(rawEvents.Handler()));
        ASSERT_EQ(raw.Host(VarnokSession(), Loopback(port)), netpeer::Result::kOk);
        const std::string dead = "(1, 'dead', '127.0.0.1', " + std::to_string(FreePort()) + "), ";
        Content("DELETE FROM host; INSERT INTO host (host_id, host_description, host_address, host_port) VALUES " +
                (behindADeadRow ? dead : "") + "(2, 'live', '127.0.0.1', " + std::to_string(port) + ");");
        gNetworkManager.InitPeer();
        ASSERT_TRUE(gNetworkManager.JoinSession());
        ASSERT_TRUE(PumpNetwork([] { return gNetworkManager.mPlayerNames.size() == 2; }));
    }
    void StartFromTheRawHost()
    {
        FlyNewPilot();
        const NetBytes start = EncodeMessage(MsgStartGame{1});
        ASSERT_TRUE(raw.SendTo(netpeer::kAllPlayers, start.data(), start.size()));
        ASSERT_TRUE(PumpNetwork([] { return gCurrentScreen == gFlightScreen; }));
    }
    // The game's line after the messages under test: once the raw peer has it, it has them too.
    void GameSays(const std::string& marker)
    {
        gNetworkManager.Send(netpeer::kAllPlayers, MsgChatLine{marker});
        rawEvents.WaitFor([&](const std::vector<netpeer::Event>& events) {
            const auto lines = Received<MsgChatLine>(events);
            return !lines.empty() && lines.back().text == marker;
        });
    }
    size_t RequestsAfterAMarker(const std::string& marker)
    {
        GameSays(marker);
        return Received<MsgRequestObjectId>(rawEvents.Events()).size();
    }
    MsgShipSnapshot Snapshot(int objectId)
    {
        RowList<CreateShipRow> rows;
        const CreateShipRow& row = *gGameDatabase.GetCreateShips(rows).front();
        MsgShipSnapshot s;
        s.hullId = row.ship_id;
        s.engineId = row.engine_device_id;
        s.shieldId = row.shield_device_id;
        s.armorId = row.armor_device_id;
        s.fuel = 40;
        s.weaponCount = 3;
        s.weapons[0] = kPulseLaserDevice;
        s.weapons[1] = kPlasmaBoltDevice;
        s.weapons[2] = kRingDevice;
        s.pilotName = std::string(49, 'p');
        s.shipName = std::string(49, 's');
        s.objectId = objectId;
        return s;
    }

    // The raw peer asks for its id and has it: 21, the first the host hands out.
    void TakeId()
    {
        RawSend(MsgRequestObjectId{});
        Settle("an id");
        const auto ids = RawReceived<MsgObjectIdAssigned>(1);
        ASSERT_EQ(ids.size(), 1u);
        ASSERT_EQ(ids[0].objectId, 21);
    }
    // The state that brings the raw peer's ship into this system.
    static MsgShipState Here(int objectId, int hitPoints = 5)
    {
        return MsgShipState{objectId, hitPoints, 0, 0, Vec3(1, 1, 30), Vec3(1, 1, 30), Vec3(), Vec3(), 0};
    }

    uint16_t port = 0;
    netpeer::Peer raw;
    Recorder rawEvents;
};

TEST_F(NetworkSessionTest, PlayersChatAndIdsFromTheHost)
{
    HostAndJoin();
    EXPECT_EQ(gLocalPlayerId, 1u);
    EXPECT_EQ(gHostPlayerId, 1u);
    EXPECT_EQ(gNetworkManager.mPlayerNames[0].rfind("Player ", 0), 0u);
    EXPECT_EQ(gNetworkManager.mPlayerNames[1], "Raw");

    // Every player hears who holds a new id, not only the one who asked.
    netpeer::Peer watcher;
    Recorder watcherEvents;
    ASSERT_TRUE(watcher.Initialize(watcherEvents.Handler()));
    ASSERT_EQ(watcher.Connect(VarnokSession(), Loopback(port), netpeer::Address{}), netpeer::Result::kOk);
    ASSERT_TRUE(PumpNetwork([] { return gNetworkManager.mPlayerNames.size() == 3; }));

    const std::string longest(99, 'x');
    RawSend(MsgChatLine{longest});
    RawSend(MsgRequestObjectId{});
    RawSend(MsgRequestObjectId{});
    Settle("done");
    ASSERT_TRUE(watcherEvents.WaitFor(
        [](const std::vector<netpeer::Event>& events) { return !Received<MsgIdHolder>(events).empty(); }));
    EXPECT_EQ(Received<MsgIdHolder>(watcherEvents.Events()).front().objectId, 21);
    EXPECT_EQ(gNetworkManager.mChatLines.front(), longest);
    const auto ids = RawReceived<MsgObjectIdAssigned>(2);
    ASSERT_EQ(ids.size(), 2u);
    EXPECT_EQ(ids[0].objectId, 21);
    EXPECT_EQ(ids[1].objectId, 21) << "a player that asks again keeps its id";
    // The id of a player who left is handed out again from the next Start.
    raw.Close();
    ASSERT_TRUE(PumpNetwork([] { return !gNetworkManager.mPeer->GetPeerInfo(2); }));
    FlyNewPilot();
    gNetworkManager.OnStartGame(MsgStartGame{1});
    EXPECT_EQ(gPlayerShip->mId, 21);
    for (int id = 22; id <= kLastObjectId; ++id)
        ASSERT_EQ(gNetworkManager.ObjectIdOf(static_cast<netpeer::PlayerId>(id)), id);
    EXPECT_EQ(gNetworkManager.ObjectIdOf(kLastObjectId + 1), 0);
}

TEST_F(NetworkSessionTest, ASnapshotOfItsHolderBuildsOneRemoteShipAnsweredOnceThatLeavesWithTheWorld)
{
    HostAndJoin();
    FlyNewPilot();
    gPlayerShip->mId = gNetworkManager.mOwnObjectId = 30;
    RawSend(Snapshot(21));
    TakeId();
    MsgShipSnapshot unknownHull = Snapshot(21);
    unknownHull.hullId = 987654;
    RawSend(unknownHull);
    MsgShipSnapshot unknownWeapon = Snapshot(21);
    unknownWeapon.weapons[0] = 987654;
    RawSend(unknownWeapon);
    for (int repeat = 0; repeat < 20; ++repeat)
        RawSend(Snapshot(21));
    RawSend(Snapshot(22));
    // Another member speaks for the raw peer's ship: it is not his to tell.
    MsgShipSnapshot forged = Snapshot(21);
    forged.pilotName = "forger";
    for (const NetBytes& data : {EncodeMessage(forged), EncodeMessage(Here(21, 0))})
        gNetworkManager.NetMessageHandler({netpeer::EventKind::kReceive, 3, {}, data});
    Settle("snapshots");

    const std::vector<CRemoteShip*> ships = gNetworkManager.RemoteShips();
    ASSERT_EQ(ships.size(), 1u) << "no ship before the id nor under an id not handed out";
    EXPECT_EQ(ships[0]->mId, 21);
    EXPECT_TRUE(ships[0]->mActive);
    EXPECT_EQ(std::string(ships[0]->mPilotName), std::string(49, 'p'));
    EXPECT_EQ(std::strlen(ships[0]->mName), static_cast<size_t>(kObjectNameSize - 1));
    EXPECT_EQ(ships[0]->mSelectedWeapon->mDeviceId, kPulseLaserDevice);
    EXPECT_FALSE(os::QuitPosted());

    // The ship's first snapshot is answered with this player's own, and no repeat is.
    const auto fromTheGame = [](std::vector<netpeer::Event> events) {
        std::erase_if(events, [](const netpeer::Event& event) { return event.player != gLocalPlayerId; });
        return events;
    };
    gNetworkManager.Send(netpeer::kAllPlayers, MsgChatLine{"marker"});
    ASSERT_TRUE(rawEvents.WaitFor([&](const std::vector<netpeer::Event>& events) {
        return !Received<MsgChatLine>(fromTheGame(events)).empty();
    }));
    const auto answers = Received<MsgShipSnapshot>(fromTheGame(rawEvents.Events()));
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(answers[0].objectId, 30);

    rm->DeleteWorldObjects();
    EXPECT_TRUE(gNetworkManager.RemoteShips().empty());
    EXPECT_TRUE(gNetworkManager.mRemoteShipIds.empty());
}

TEST_F(NetworkSessionTest, OrdersAndShotsReachOnlyPlayerShipsAndBadMessagesAreDropped)
{
    // Edited content: a bolt of long range.
    Content("UPDATE projectile_weapon SET range = 1200 WHERE device_id = " + std::to_string(kPlasmaBoltDevice));
    HostAndJoin();
    TakeId();
    RawSend(Snapshot(21));
    RawSend(Here(21));
    Place(rm->mObjects, 30, kTypePlanet, Vec3(50, 50, 30));
    // A temporary id of this game's own that the peer's counter hands out too.
    Place(rm->mObjects, 100605, kTypePlanet, Vec3(-50, -50, 30));
    RawSend(MsgDestination{21, Vec3(40, -20, 30)});
    RawSend(MsgDestination{30, Vec3(1, 1, 30)});
    RawSend(MsgObjectState{30, 5, Vec3(9, 9, 30)});
    RawSend(MsgCreateShot{kPulseLaserDevice, 21, Vec3(60, 0, 30), kShotBeam, 100600});
    RawSend(MsgCreateShot{kPulseLaserDevice, 21, Vec3(60, 0, 30), kShotBeam, 30});
    RawSend(MsgCreateShot{kPulseLaserDevice, 99, Vec3(60, 0, 30), kShotBeam, 100601});
    RawSend(MsgCreateShot{kPulseLaserDevice, 21, Vec3(60, 0, 30), kShotProjectile, 100602});
    RawSend(MsgCreateShot{kPulseLaserDevice, 21, Vec3(60, 0, 30), 7, 100603});
    RawSend(MsgCreateShot{kTurretLaserDevice, 21, Vec3(60, 0, 30), kShotBeam, 100604});
    NetBytes shortDestination = EncodeMessage(MsgDestination{21, Vec3(-99, -99, 30)});
    shortDestination.pop_back();
    ASSERT_TRUE(raw.SendTo(netpeer::kAllPlayers, shortDestination.data(), shortDestination.size()));
    Settle("orders");

    auto* ship = dynamic_cast<CRemoteShip*>(rm->FindObject(21));
    ASSERT_NE(ship, nullptr);
    EXPECT_FLOAT_EQ(ship->mDestination.x, 40.0f);
    EXPECT_FLOAT_EQ(ship->mDestination.y, -20.0f);
    auto* planet = dynamic_cast<CProbeObject*>(rm->FindObject(30));
    ASSERT_NE(planet, nullptr);
    EXPECT_FLOAT_EQ(planet->destination.x, 0.0f);
    EXPECT_FLOAT_EQ(planet->mPosition.x, 50.0f);

    auto* beam = dynamic_cast<CShot*>(rm->FindObject(100600));
    ASSERT_NE(beam, nullptr);
    EXPECT_EQ(beam->mType, kTypeShot);
    for (int dropped : {100601, 100602, 100603, 100604})
        EXPECT_EQ(rm->FindObject(dropped), nullptr) << dropped;
    // A shot under an id this game uses flies under a free one; a repeated shot is not doubled.
    const auto shipsShots = [&] {
        int count = 0;
        for (const auto& [id, object] : rm->mObjects) {
            if (auto* shot = dynamic_cast<CShot*>(object); shot && shot->Owner() == ship)
                ++count;
        }
        return count;
    };
    const int oneBeam = shipsShots();
    RawSend(MsgCreateShot{kPulseLaserDevice, 21, Vec3(60, 0, 30), kShotBeam, 100605});
    RawSend(MsgCreateShot{kPulseLaserDevice, 21, Vec3(60, 0, 30), kShotBeam, 100600});
    Settle("a shot under a taken id, and one repeated");
    EXPECT_EQ(rm->FindObject(100605)->mType, kTypePlanet);
    EXPECT_EQ(shipsShots(), 2 * oneBeam);
    // A peer's ring is a peer's here: no owner, known by its launcher, and made once.
    RawSend(MsgCreateShot{kRingDevice, 21, Vec3(60, 0, 30), kShotShockwave, 100607});
    RawSend(MsgCreateShot{kRingDevice, 21, Vec3(60, 0, 30), kShotShockwave, 100607});
    Settle("a ring told twice");
    std::vector<const CShockwaveShot*> rings;
    for (const auto& [id, object] : rm->mObjects)
        if (auto* ring = dynamic_cast<const CShockwaveShot*>(object); ring && !ring->Owner())
            rings.push_back(ring);
    ASSERT_EQ(rings.size(), 1u);
    EXPECT_EQ(rings[0]->mLauncherId, 21);

    // A hull above a million points at the edge fires the bolt outward; it flies to the peer's point.
    rm->mSystemWidth = 1400.0f;
    RawSend(MsgShipState{21, 1500000, 0, 0, Vec3(700, 0, 30), Vec3(700, 0, 30), Vec3(), Vec3(), 0});
    RawSend(MsgCreateShot{kPlasmaBoltDevice, 21, Vec3(1800, 0, 30), kShotProjectile, 100606});
    Settle("a bolt from the edge");
    EXPECT_EQ(ship->mHitPoints, 1500000);
    auto* bolt = dynamic_cast<CShot*>(rm->FindObject(100606));
    ASSERT_NE(bolt, nullptr);
    Vec3 boltPoint;
    EXPECT_FLOAT_EQ(bolt->GetTargetPoint(boltPoint).x, 1800.0f);
    EXPECT_FALSE(os::QuitPosted());

    // Blows on this player's ship that the shot's holder tells: once, within the shot's damage.
    RowList<CreateShipRow> rows;
    const CreateShipRow& hull = *gGameDatabase.GetCreateShips(rows).front();
    ReplacePlayerShip(new CPlayerShip(hull.ship_id, "Target", hull.weapon_id_1, hull.weapon_id_2,
                                      hull.engine_device_id, hull.shield_device_id, hull.armor_device_id, 0, 0, 0, 0,
                                      0, 0, hull.affiliate));
    gPlayerShip->mId = gNetworkManager.mOwnObjectId = 23;
    const auto most = [&](int device) {
        const CWeaponInfo* weapon = rm->GetDeviceWeaponInfo(device);
        return weapon->mMinDamage + std::max(weapon->mVariableDamage - 1, 0);
    };
    const int whole = gPlayerShip->GetHitPoints();
    RawSend(MsgShotBlow{23, 21, 100606, most(kPlasmaBoltDevice) + 1});
    gNetworkManager.NetMessageHandler(
        {netpeer::EventKind::kReceive, 3, {}, EncodeMessage(MsgShotBlow{23, 21, 100606, most(kPlasmaBoltDevice)})});
    Settle("blows above the shot's damage or not from its holder");
    EXPECT_EQ(gPlayerShip->GetHitPoints(), whole);
    const MsgShotBlow blow{23, 21, 100606, most(kPlasmaBoltDevice)};
    RawSend(blow);
    Settle("a blow");
    const int struck = gPlayerShip->GetHitPoints();
    EXPECT_LT(struck, whole);
    EXPECT_FALSE(bolt->mActive);
    RawSend(blow);
    Settle("the same blow again");
    EXPECT_EQ(gPlayerShip->GetHitPoints(), struck);

    // Gone to another system, far beyond this one's bounds: the ship takes no orders or shots
    // here, its ring's blow no longer lands, and it is no longer this player's target.
    gPlayerShip->mTarget = ship;
    RawSend(MsgShipState{21, 5, 0, 0, Vec3(1e6f, 0, 30), Vec3(1e6f, 0, 30), Vec3(), Vec3(), 99});
    RawSend(MsgDestination{21, Vec3(5, 5, 30)});
    RawSend(MsgCreateShot{kPulseLaserDevice, 21, Vec3(60, 0, 30), kShotBeam, 100608});
    RawSend(MsgShotBlow{23, 21, 100607, most(kRingDevice)});
    Settle("gone to another system");
    EXPECT_EQ(rm->FindObject(21), nullptr);
    EXPECT_EQ(gPlayerShip->mTarget, nullptr);
    EXPECT_FLOAT_EQ(ship->mDestination.x, 700.0f);
    EXPECT_EQ(rm->FindObject(100608), nullptr);
    EXPECT_EQ(gPlayerShip->GetHitPoints(), struck);
}

TEST_F(NetworkSessionTest, AJoinTriesTheHostRowsInTurnKeepsTheOneThatAnsweredAndWaitsForItsIdToTell)
{
    // The id this copy had in an earlier session's game.
    gNetworkManager.mOwnObjectId = 22;
    JoinTheRawHost(true);
    EXPECT_EQ(gNetworkManager.mPort, port);
    EXPECT_STREQ(gNetworkManager.mHostText, "127.0.0.1");
    EXPECT_EQ(gHostPlayerId, 1u);
    EXPECT_EQ(gLocalPlayerId, 2u);

    // The game starts: nothing is told of the ship until the host has given it its id.
    ScopedGlobal<uint32_t> now(gTimeNow, 1000000);
    StartFromTheRawHost();
    gNetworkManager.SendOwnShip();
    EXPECT_EQ(RequestsAfterAMarker("marker"), 1u);
    EXPECT_TRUE(Received<MsgShipState>(rawEvents.Events()).empty());
    // Only the host gives ids.
    gNetworkManager.NetMessageHandler({netpeer::EventKind::kReceive, 3, {}, EncodeMessage(MsgObjectIdAssigned{40})});
    RawSend(MsgObjectIdAssigned{23});
    ASSERT_TRUE(PumpNetwork([] { return gPlayerShip->mId == 23; }));
    gNetworkManager.SendOwnShip();
    const auto states = RawReceived<MsgShipState>(1);
    ASSERT_EQ(states.size(), 1u);
    EXPECT_EQ(states[0].objectId, 23);
    RawSend(MsgObjectIdAssigned{24});
    Settle("an id unasked for");
    EXPECT_EQ(gPlayerShip->mId, 23);
    // A host that tells no holdings speaks for the ships it knows. A copy is shown in this system
    // when its state tells no system, or a second after its snapshot when no state comes.
    rm->EnterSystem(1);
    RawSend(Snapshot(25));
    RawSend(Snapshot(26));
    RawSend(Here(25));
    Settle("the ships of a host that tells no holdings");
    EXPECT_NE(rm->FindObject(25), nullptr);
    EXPECT_EQ(rm->FindObject(26), nullptr);
    gTimeNow += 1000;
    gNetworkManager.SendOwnShip();
    EXPECT_NE(rm->FindObject(26), nullptr);

    // The host leaves; the peer left behind hosts from then on: a newcomer finds it where it found
    // the host, gets its id and hears of the ships there are.
    raw.Close();
    ASSERT_TRUE(PumpNetwork([] { return gHostPlayerId == 2u; }));
    const size_t ids = Received<MsgObjectIdAssigned>(rawEvents.Events()).size();
    const size_t snapshots = Received<MsgShipSnapshot>(rawEvents.Events()).size();
    ASSERT_EQ(raw.Connect(VarnokSession(), Loopback(port), netpeer::Address{}), netpeer::Result::kOk);
    RawSend(MsgRequestObjectId{});
    RawSend(Snapshot(21));
    Settle("a newcomer");
    EXPECT_EQ(RawReceived<MsgObjectIdAssigned>(ids + 1).back().objectId, 21);
    EXPECT_EQ(RawReceived<MsgShipSnapshot>(snapshots + 2).back().objectId, 23);
}

TEST_F(NetworkSessionTest, AnIdRequestNobodyAnswersIsAskedAgainEachSecondAndWhenTheHostRoleMoves)
{
    JoinTheRawHost(false);
    ScopedGlobal<uint32_t> now(gTimeNow, 1000000);
    StartFromTheRawHost();
    // The host is frozen: a second later the game asks again, and not before.
    gTimeNow += 999;
    ApplyNetworkEvents();
    EXPECT_EQ(RequestsAfterAMarker("waited"), 1u);
    gTimeNow += 1;
    ApplyNetworkEvents();
    EXPECT_EQ(RequestsAfterAMarker("asked again"), 2u);
    // The host is gone: the game hosts now and gives itself the first id.
    raw.Close();
    ASSERT_TRUE(PumpNetwork([] { return gPlayerShip->mId == kFirstObjectId; }));
    EXPECT_EQ(gNetworkManager.mOwnObjectId, kFirstObjectId);
    // The session goes on without this game: it leaves, and the player reads why.
    gNetworkManager.NetMessageHandler({netpeer::EventKind::kTerminateSession, 0, {}, {}});
    ASSERT_TRUE(PumpNetwork([] { return !gNetworkManager.mPeer->GetPeerInfo(gLocalPlayerId); }));
    const auto last = [](const auto& lines) { return lines.empty() ? std::string() : std::string(lines.back()); };
    EXPECT_EQ(last(FlightMessages()), kSessionLostLine);
    EXPECT_EQ(last(gNetworkManager.mChatLines), kSessionLostLine);
}

TEST_F(NetworkSessionTest, TheOwnShipIsToldOnceItHasItsIdWithWhereItHeadsAndEachShotOnce)
{
    HostAndJoin();
    FlyNewPilot();
    ScopedGlobal<uint32_t> now(gTimeNow, 1000000);
    gPlayerShip->mPosition = Vec3(10, 20, 30);
    gPlayerShip->mRotation = Vec3();
    gPlayerShip->mMoveSpeed = 2.0f;
    gNetworkManager.SendOwnShip();
    const Vec3 aim(10, 60, 30);
    const int weapon = gPlayerShip->mWeapons[0]->mDeviceId;
    for (int slot = 0; slot < gPlayerShip->mWeaponCount; ++slot)
        ASSERT_NE(gPlayerShip->mWeapons[slot]->mDeviceId, kPulseLaserDevice) << "the pilot must not carry the laser";
    // A shot that is over before the ship is known is not told.
    rm->LaunchWeapon(weapon, gPlayerShip, &gPlayerShip->mPosition, &aim);
    for (auto& [id, object] : rm->mObjects)
        object->mActive = dynamic_cast<CShot*>(object) ? 0 : object->mActive;
    rm->LaunchWeapon(weapon, gPlayerShip, &gPlayerShip->mPosition, &aim);
    rm->LaunchWeapon(kPulseLaserDevice, gPlayerShip, &gPlayerShip->mPosition, &aim);

    // Known to the session: one state within the interval, and the shot of its weapon once. The
    // laser it does not carry stands for a chained shot, which the peers' copies chain themselves.
    gPlayerShip->mId = gNetworkManager.mOwnObjectId = 21;
    gNetworkManager.SendOwnShip();
    gNetworkManager.SendOwnShip();
    GameSays("marker");
    const auto states = Received<MsgShipState>(rawEvents.Events());
    ASSERT_EQ(states.size(), 1u);
    EXPECT_EQ(states[0].objectId, 21);
    EXPECT_FLOAT_EQ(states[0].position.y, 20.0f);
    EXPECT_FLOAT_EQ(states[0].destination.x, 10.0f);
    EXPECT_FLOAT_EQ(states[0].destination.y, 24.0f) << "two intervals ahead at its speed";
    const auto shots = Received<MsgCreateShot>(rawEvents.Events());
    ASSERT_EQ(shots.size(), 1u);
    EXPECT_EQ(shots[0].ownerId, 21);
    EXPECT_NE(shots[0].kind, 0);
    EXPECT_EQ(shots[0].deviceId, weapon);
    EXPECT_NE(rm->FindObject(shots[0].shotId), nullptr);

    // Struck down and refitted, the ship is not told: its snapshot would bring its copies to life.
    const size_t snapshots = Received<MsgShipSnapshot>(rawEvents.Events()).size();
    gPlayerShip->mActive = 0;
    ++gPlayerShip->mShipId;
    gNetworkManager.SendOwnShip();
    GameSays("dead");
    EXPECT_EQ(Received<MsgShipSnapshot>(rawEvents.Events()).size(), snapshots);
}

}  // namespace

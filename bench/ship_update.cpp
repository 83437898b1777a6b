// 200 computer ships with shields, armor, engines and running ailments flying about one system,
// headless: microseconds per ship for their own update and draw, and for the whole world pass
// (which adds every contact between them). Runs in a copy of the game folder.
#include "ships/ship.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "app/entry.h"
#include "app/globals.h"
#include "core/camera.h"
#include "engine/resource_manager.h"
#include "platform/gfx/headless/headless_device.h"
#include "ships/shield.h"

namespace fs = std::filesystem;

namespace {

constexpr int kShips = 200;
constexpr int kFrames = 500;
constexpr int kEngine = 1;
constexpr int kArmor = 4;
constexpr int kShield = 3;
constexpr int kHullMesh = 14;
// Friendly and hostile ailments of the shipped content (their ids are their types): energy
// bonus, slow, no recharge. Each is taken again as soon as it expires, as under steady fire.
constexpr int kAilments[] = {2, 7, 10};

class CBenchShip : public CShip {
public:
    CBenchShip(int id, const Vec3& position)
    {
        mId = id;
        mType = kTypeWingman;
        mActive = mVisible = mSolid = 1;
        mAlpha = 255;
        mColour = 0xFFFFFFFFu;
        mAffiliate = 1 + id % 2;
        mSize = 4.0f;
        mScale = Vec3(mSize, mSize, mSize);
        mMaxHitPoints = mHitPoints = 1000000;
        mHullRegenerationPeriod = 10000;
        mRespawnTime = 5000;
        SetShipTexts("Bench hull", "pirate");
        SetPosition(position);
        mHomePosition = mPosition;
        SetDestination(position);
        SetHullMesh(kHullMesh);
        FitDevices(kEngine, kArmor, kShield);
    }
    void Update() override
    {
        if (!BeginComputerFrame())
            return;
        if (Vec3::Equals(mPosition, mDestination))
            SetDestination(RandomPoint());
        for (int ailment : kAilments) {
            if (!GetAilment(ailment))
                ApplyAilment(ailment, ailment == kAilments[0]);
        }
        FlyComputerFrame(sExhaustClock);
    }
    void Render() override
    {
        for (CAilment* ailment : mAilments) {
            if (ailment)
                ailment->EmitParticle(this);
        }
        if (mShield)
            mShield->DrawHitFlash();
    }
    static Vec3 RandomPoint()
    {
        return Vec3(static_cast<float>(std::rand() % 400 - 200), static_cast<float>(std::rand() % 400 - 200), 30.0f);
    }
    int GetMeshId() override { return mHullMeshId; }
    void Fire(const Vec3*) override {}
    void AddCompounds(int, int) override {}
    int GetCompoundAmount(int) override { return 0; }
    void AddExperience(int) override {}
    float GetArmorRegenFactor() override { return 1.0f; }
    float GetDamageFactor() override { return 1.0f; }
    float GetSpeedFactor() override { return 1.0f; }
    float GetAccelerationFactor() override { return 1.0f; }
    float GetFuelEfficiencyFactor() override { return 1.0f; }
    float GetScienceFactor() override { return 1.0f; }
    float GetEnergyRegenFactor() override { return 1.0f; }
    float GetShieldRegenFactor() override { return 1.0f; }
    void DropLoot() override {}
    void SelectWeaponSlot(int) override {}
    void SelectWeapon(int) override {}

    static inline int sExhaustClock = 0;
};

// A private copy of the built game folder, removed at the end.
class TempGameCopy {
public:
    bool Make()
    {
        std::error_code error;
        mPath = fs::temp_directory_path() / ("varnok-bench-ships-" + std::to_string(std::rand()));
        fs::copy(VARNOK_GAME_DIR, mPath, fs::copy_options::recursive, error);
        if (error) {
            std::fprintf(stderr, "bench: cannot copy the game folder: %s\n", error.message().c_str());
            return false;
        }
        fs::current_path(mPath);
        return true;
    }
    ~TempGameCopy()
    {
        std::error_code error;
        if (!mPath.empty()) {
            fs::current_path(fs::temp_directory_path(), error);
            fs::remove_all(mPath, error);
        }
    }

private:
    fs::path mPath;
};

double Seconds(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main()
{
    std::srand(14);
    TempGameCopy folder;
    if (!folder.Make())
        return 1;
    if (std::optional<std::string> error = StartGame(gfx::Backend::kHeadless)) {
        std::fprintf(stderr, "bench: %s\n", error->c_str());
        return 1;
    }
    gfx::headless::AsHeadless(gDevice)->SetRecording(false);
    gDevice->BeginScene();
    CResourceManager& rm = *gResourceManager;
    rm.EnterSystem(1);
    rm.DeleteWorldObjects();
    gCamera.SetEye(0.0f, 0.0f, -50.0f);
    for (int i = 0; i < kShips; ++i)
        rm.mObjects[1000 + i] = new CBenchShip(1000 + i, CBenchShip::RandomPoint());

    gFrameTimeMs = 16;
    gFrameScale = 0.16f;
    double shipSeconds = 0.0;
    for (int frame = 0; frame < kFrames; ++frame) {
        const auto start = std::chrono::steady_clock::now();
        for (auto& [id, ship] : rm.mObjects) {
            ship->Update();
            ship->Render();
        }
        shipSeconds += Seconds(start);
        rm.UpdateParticles();
    }
    double passSeconds = 0.0;
    for (int frame = 0; frame < kFrames; ++frame) {
        const auto start = std::chrono::steady_clock::now();
        rm.UpdateObjects();
        passSeconds += Seconds(start);
    }
    const double perShip = 1e6 / (static_cast<double>(kFrames) * kShips);
    std::printf("ships: %d computer ships, %d frames: update and draw %.2f us per ship, world pass %.2f us per ship\n",
                kShips, kFrames, shipSeconds * perShip, passSeconds * perShip);
    rm.DeleteWorldObjects();
    StopGame();
    return 0;
}

// The crew's experience and levels, and the compounds in the hold.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/message_log.h"
#include "core/saturated.h"
#include "engine/resource_manager.h"
#include "ships/player_ship.h"

namespace {

constexpr int kLevelUpSound = 51;

constexpr const char* kRetrievedLines[kCompoundClassCount] = {
    "%d tons of common compounds retrieved", "%d tons of uncommon compounds retrieved",
    "%d tons of rare compounds retrieved", "%d tons of exotic compounds retrieved",
    "%d tons of undiscovered compounds retrieved"};

}  // namespace

int CPlayerShip::ExperienceForLevel(int level)
{
    // In double and saturated: high levels would wrap an int negative and never level up again.
    return SaturatedInt(std::pow(1.1, level) + 5.0 * level);
}

void CPlayerShip::RecomputeNextLevel()
{
    mNextLevelExperience = ExperienceForLevel(mLevel);
}

void CPlayerShip::AddExperience(int experience)
{
    mExperience = SaturatedInt(static_cast<double>(mExperience) + experience / std::max(mLevel, 1));
    while (mExperience >= mNextLevelExperience) {
        gSoundRequest = SoundRequest{kLevelUpSound, &mPosition};
        gResourceManager->PlaySoundAt(gSoundRequest);
        PostFlightMessage("Our crew has become more experienced!");
        mExperience -= mNextLevelExperience;
        ++mLevelUps;
        ++mLevel;
        RecomputeNextLevel();
    }
}

int CPlayerShip::CargoTons() const
{
    // Summed wide: a save edited by hand may hold any amounts.
    double tons = 0.0;
    for (int amount : mCompounds)
        tons += amount;
    return SaturatedInt(tons);
}

void CPlayerShip::AddCompounds(int compoundClass, int tons)
{
    if (compoundClass < 1 || compoundClass > kCompoundClassCount)
        return;
    const int room = SaturatedInt(static_cast<double>(mCargoCapacity) - CargoTons());
    const int taken = std::min(room, tons);
    if (taken < 1) {
        PostFlightMessage("Cargo bay is full");
        return;
    }
    int& held = mCompounds[compoundClass - 1];
    held = SaturatedInt(static_cast<double>(held) + taken);
    char line[64];
    std::snprintf(line, sizeof line, kRetrievedLines[compoundClass - 1], taken);
    PostFlightMessage(line);
}

int CPlayerShip::GetCompoundAmount(int compoundClass)
{
    if (compoundClass < 1 || compoundClass > kCompoundClassCount)
        return 0;
    return mCompounds[compoundClass - 1];
}

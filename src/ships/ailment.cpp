// Ailments: reading the row, one frame of each type's effect, expiry and the sparkle.
#include "ships/ailment.h"

#include <algorithm>
#include <cstdlib>

#include "core/frame_clock.h"
#include "db/game_database.h"
#include "db/game_enums.h"
#include "engine/resource_manager.h"
#include "ships/pilot.h"
#include "ships/ship.h"

namespace {

constexpr int kIdleIntervalMs = 10000;

const char* const kMessages[kAilmentTypeCount + 1] = {
    nullptr,
    "You have received a defense recharge bonus",
    "You have received an energy bonus",
    "You have received an attack bonus",
    "You have received an engine bonus",
    "You have received a defense bonus",
    "You have been stunned",
    "You have been slowed",
    "You have become vulnerable",
    "You have become weak",
    "Your engines will not recharge",
    "Your engines have lost their energy",
};

}  // namespace

const char* AilmentMessage(int ailmentType)
{
    if (ailmentType < 1 || ailmentType > kAilmentTypeCount)
        return nullptr;
    return kMessages[ailmentType];
}

CAilment::CAilment(int ailmentId)
{
    const AilmentRecord* row = gGameDatabase.GetAilment(ailmentId);
    if (!row)
        return;
    mFriendly = row->friendly ? 1 : 0;
    mParticleId = row->particle_id;
    mType = row->ailment_type;
    mAmount = static_cast<int>(row->amount);
    mEffectTimeSeconds = row->effect_time;
}

CAilment::CAilment(const CAilment& other)
    : mFriendly(other.mFriendly),
      mParticleId(other.mParticleId),
      mType(other.mType),
      mAmount(other.mAmount),
      mEffectTimeSeconds(other.mEffectTimeSeconds),
      mSavedColour(other.mSavedColour)
{
    Restart();
}

void CAilment::Restart()
{
    mApplied = 0;
    mTickAccumulator = 0;
    mRemainingMs = mEffectTimeSeconds * 1000;
}

int CAilment::TickInterval() const
{
    // An amount above 1000 would give 0 and the tick loop would never end.
    return mAmount > 0 ? std::max(1, 1000 / mAmount) : kIdleIntervalMs;
}

void CAilment::Apply(CShip* ship)
{
    mRemainingMs -= static_cast<int>(gFrameTimeMs);
    const float amount = static_cast<float>(mAmount);
    switch (mType) {
    case kBonusDefenseRecharge:
    case kBonusEnergy: {
        const int interval = TickInterval();
        mTickAccumulator += static_cast<int>(gFrameTimeMs);
        while (mTickAccumulator >= interval) {
            mTickAccumulator -= interval;
            if (mType == kBonusDefenseRecharge)
                ship->AddShieldPoints(1);
            else
                ship->AddEngineEnergy(1);
        }
        break;
    }
    case kBonusAttack:
        ship->SetAttackFactor(1.0f + amount / 100.0f);
        break;
    case kBonusEngine:
        if (!IsPlayerShip(ship))
            ship->mMoveSpeed *= 1.0f + amount / 100.0f;
        break;
    case kAilmentStunned:
        ship->mMoveSpeed = 0.0f;
        break;
    case kAilmentSlow:
        if (!IsPlayerShip(ship))
            ship->mMoveSpeed *= amount / 100.0f;
        break;
    case kAilmentVulnerable:
        // Every frame, on purpose: a vulnerable hull keeps shrinking toward 1 point.
        ship->ScaleHitPoints(amount / 100.0f);
        break;
    case kAilmentWeak:
        ship->SetAttackFactor(amount / 100.0f);
        break;
    case kAilmentNoRecharge:
        ship->mRecharge = 0;
        break;
    case kAilmentNoEnergy:
        ship->SetEngineEnergy(0);
        break;
    default:
        break;
    }
}

void CAilment::Remove(CShip* ship)
{
    ship->mHullRecord.textured = 0;
    ship->mScale.x = ship->mSize;
    ship->mScale.z = ship->mSize;
    if (mSavedColour != 0)
        ship->mColour = mSavedColour;
    mApplied = 0;
}

void CAilment::EmitParticle(CShip* ship)
{
    if (!ship)
        return;
    // The drawn ship loses its time here as well as in Apply: the effect lasts half as long.
    mRemainingMs -= static_cast<int>(gFrameTimeMs);
    if (std::rand() % 5 == 0)
        gResourceManager->AddParticle(mParticleId, &gZeroVector, &gZeroVector, 0xFFFFFFFFu, ship->mSize / 4.0f,
                                      &ship->mPosition);
}

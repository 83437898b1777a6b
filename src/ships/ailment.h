// CAilment: a timed effect on a ship, good or bad, made from an ailment row. A ship holds at
// most one of each type.
#pragma once

#include <cstdint>

class CShip;

// AilmentType values run from 1 to this.
constexpr int kAilmentTypeCount = 11;

class CAilment {
public:
    // Reads the row; a missing row leaves an ailment of type 0, which no ship takes.
    explicit CAilment(int ailmentId);
    // A fresh copy: the same row, not yet applied, with its full time.
    CAilment(const CAilment& other);
    CAilment& operator=(const CAilment&) = delete;

    // Not applied, the tick accumulator at 0, the full effect time left.
    void Restart();
    // One frame of the effect; the time left falls by the frame.
    void Apply(CShip* ship);
    // Undoes the visual change on the ship.
    void Remove(CShip* ship);
    // The drawn ship's sparkle; the time left falls by the frame here too.
    void EmitParticle(CShip* ship);
    // Milliseconds between two points of the recharge bonuses: 1000 / amount, 10000 for an
    // amount of 0 or less, never below 1 ms.
    int TickInterval() const;

    uint8_t mApplied = 0;
    // The ailment lands only where the caller says friendly.
    uint8_t mFriendly = 0;
    int mParticleId = 0;
    int mTickAccumulator = 0;
    int mRemainingMs = 0;
    int mType = 0;
    int mAmount = 0;
    int mEffectTimeSeconds = 0;
    // Given back to the ship on removal when not 0.
    uint32_t mSavedColour = 0;
};

// The line the player is told when the type is taken; null for a type outside 1-11.
const char* AilmentMessage(int ailmentType);

// Planets filed into the current system for the benchmarks that grow with the number of objects:
// rows of twenty about x = 0, from the given row upward or downward.
#pragma once

#include "engine/resource_manager.h"
#include "world/planet.h"

inline void AddGeneratedPlanets(int count, float firstRowY, float across, float along)
{
    for (int i = 0; i < count; ++i) {
        CWorldObject* planet = MakePlanet(1002);
        planet->mId = 50000 + i;
        planet->mPosition = Vec3(static_cast<float>(i % 20 - 10) * across,
                                 firstRowY + static_cast<float>(i / 20) * along, 30.0f);
        gResourceManager->mObjects[planet->mId] = planet;
    }
}

// The sizes of generated system the benchmarks measure.
constexpr int kGeneratedSizes[] = {50, 100, 300, 1000, 3000};

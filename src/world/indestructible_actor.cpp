// The one body of the indestructible actors that asks the pilot.
#include "world/indestructible_actor.h"

#include "world/player_view.h"

float CIndestructibleActor::GetDamageFactor()
{
    const int level = gPlayerView ? gPlayerView->Level() : 0;
    return 1.0f + 0.02f * static_cast<float>(level);
}

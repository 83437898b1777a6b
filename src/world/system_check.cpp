// The test a system passes before anything carries a pilot into it.
#include "world/system_check.h"

#include <cmath>

#include "db/game_database.h"

namespace {

bool Spans(float extent)
{
    return std::isfinite(extent) && extent > 0.0f;
}

}  // namespace

const char* SystemRefusal(int systemId)
{
    const SystemRecord* row = gGameDatabase.GetSystem(systemId);
    if (!row)
        return "has no system row";
    if (!Spans(row->x_dimension) || !Spans(row->y_dimension))
        return "has no width or height";
    return nullptr;
}

// Fills of the object table's columns that the queries of placed things select after their own,
// in the order those queries list them.
#pragma once

#include "db/column_reader.h"
#include "db/parsers.h"

// o.system_id, o.object_name, o.object_type, o.x_pos, o.y_pos
template <class Record>
void FillPlacement(Record& r, CColumnReader& in)
{
    r.system_id = in.Int();
    in.Text(r.object_name);
    r.object_type = ParseObjectType(in.Raw());
    r.x_pos = in.Real();
    r.y_pos = in.Real();
}

// The placement, then o.velocity, o.hit_points, o.size: things that move and can be hurt.
template <class Record>
void FillBody(Record& r, CColumnReader& in)
{
    FillPlacement(r, in);
    r.velocity = in.Real();
    r.hit_points = in.Int();
    r.size = in.Real();
}

// The contact grid of the world pass.
#include "world/contact_grid.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "world/world_object.h"

namespace {

constexpr float kCell = 64.0f;
// An object whose size covers more cells is filed everywhere; a reach over more cells asks everyone.
constexpr int64_t kMostCellsFiled = 64;
constexpr int64_t kMostCellsAsked = 256;
// Past this a coordinate's cell number would not fit.
constexpr float kFarthest = 1.0e9f;

// Float rounding in the kinds' own distance tests must not carry a pair past its cells.
float Widened(float radius)
{
    return radius * 1.001f + 0.01f;
}

struct CellRange {
    int64_t x0, x1, y0, y1;
    int64_t Count() const { return (x1 - x0 + 1) * (y1 - y0 + 1); }
};

// False when the square cannot be given in cells.
bool CellsOf(float x, float y, float radius, CellRange* range)
{
    if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(radius) || std::fabs(x) + radius > kFarthest ||
        std::fabs(y) + radius > kFarthest)
        return false;
    range->x0 = static_cast<int64_t>(std::floor((x - radius) / kCell));
    range->x1 = static_cast<int64_t>(std::floor((x + radius) / kCell));
    range->y0 = static_cast<int64_t>(std::floor((y - radius) / kCell));
    range->y1 = static_cast<int64_t>(std::floor((y + radius) / kCell));
    return true;
}

int64_t CellKey(int64_t x, int64_t y)
{
    return static_cast<int64_t>((static_cast<uint64_t>(x) << 32) ^ (static_cast<uint64_t>(y) & 0xFFFFFFFFu));
}

}  // namespace

void CContactGrid::Build(const Objects& objects)
{
    mObjects = &objects;
    mFiled.assign(objects.size(), Filed{});
    mCells.clear();
    mEverywhere.clear();
    mSeen.assign(objects.size(), 0);
    mQuery = 0;
    for (size_t i = 0; i < objects.size(); ++i)
        File(i);
}

void CContactGrid::File(size_t index)
{
    const CWorldObject& object = *(*mObjects)[index].second;
    Filed& filed = mFiled[index];
    filed.x = object.mPosition.x;
    filed.y = object.mPosition.y;
    filed.size = object.mSize;
    filed.cells.clear();
    CellRange range{};
    filed.everywhere = !CellsOf(filed.x, filed.y, Widened(std::fabs(filed.size)), &range) ||
                       range.Count() > kMostCellsFiled;
    if (filed.everywhere) {
        mEverywhere.push_back(index);
        return;
    }
    for (int64_t cx = range.x0; cx <= range.x1; ++cx) {
        for (int64_t cy = range.y0; cy <= range.y1; ++cy) {
            const int64_t key = CellKey(cx, cy);
            filed.cells.push_back(key);
            mCells[key].push_back(index);
        }
    }
}

void CContactGrid::Unfile(size_t index)
{
    auto drop = [index](std::vector<size_t>& list) { list.erase(std::find(list.begin(), list.end(), index)); };
    Filed& filed = mFiled[index];
    if (filed.everywhere)
        drop(mEverywhere);
    for (int64_t key : filed.cells)
        drop(mCells[key]);
}

bool CContactGrid::Refile(size_t index)
{
    const CWorldObject& object = *(*mObjects)[index].second;
    const Filed& filed = mFiled[index];
    // Compared bit for bit: a place that is not a number never equals itself, and is filed anew.
    if (filed.x == object.mPosition.x && filed.y == object.mPosition.y && filed.size == object.mSize)
        return false;
    Unfile(index);
    File(index);
    return true;
}

void CContactGrid::Near(size_t index, std::vector<size_t>* out)
{
    out->clear();
    const CWorldObject& object = *(*mObjects)[index].second;
    CellRange range{};
    if (!CellsOf(object.mPosition.x, object.mPosition.y, Widened(object.ContactReach()), &range) ||
        range.Count() > kMostCellsAsked) {
        out->resize(mObjects->size());
        std::iota(out->begin(), out->end(), size_t{0});
        return;
    }
    if (++mQuery == 0) {
        std::fill(mSeen.begin(), mSeen.end(), 0);
        mQuery = 1;
    }
    auto take = [&](size_t other) {
        if (mSeen[other] != mQuery) {
            mSeen[other] = mQuery;
            out->push_back(other);
        }
    };
    for (int64_t cx = range.x0; cx <= range.x1; ++cx) {
        for (int64_t cy = range.y0; cy <= range.y1; ++cy) {
            auto cell = mCells.find(CellKey(cx, cy));
            if (cell != mCells.end())
                for (size_t other : cell->second)
                    take(other);
        }
    }
    for (size_t other : mEverywhere)
        take(other);
    std::sort(out->begin(), out->end());
}

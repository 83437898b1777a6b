// CContactGrid: the objects of the world pass's contacts filed by the cells of a square grid that
// their size covers in the flight plane, so that an object is offered only what lies within its reach.
#pragma once

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <utility>
#include <vector>

class CWorldObject;

class CContactGrid {
public:
    using Objects = std::vector<std::pair<int, CWorldObject*>>;

    // Files every object of the list by where it is now; indices below are into the list.
    void Build(const Objects& objects);
    // Files the object again when it moved or changed size since it was filed; true when it did.
    bool Refile(size_t index);
    // The indices, ascending, of every object whose size's cells meet the cells of the reach of the
    // object at index, with those filed everywhere: a superset of what its Interact can act on.
    void Near(size_t index, std::vector<size_t>* out);

private:
    struct Filed {
        float x = 0.0f;
        float y = 0.0f;
        float size = 0.0f;
        // Filed in every cell: too large for the grid, or not at a finite place.
        bool everywhere = false;
        std::vector<int64_t> cells;
    };
    void File(size_t index);
    void Unfile(size_t index);

    const Objects* mObjects = nullptr;
    std::vector<Filed> mFiled;
    std::unordered_map<int64_t, std::vector<size_t>> mCells;
    std::vector<size_t> mEverywhere;
    // Marks of the indices gathered by the query that set them.
    std::vector<uint32_t> mSeen;
    uint32_t mQuery = 0;
};

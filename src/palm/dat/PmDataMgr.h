#pragma once

#include <cstddef>
#include <deque>
#include <utility>

namespace velmora::palm {

// The records a Palm reader loaded, in file order. Records stay where they are until Clear, so
// the front-ends may keep pointers to them.
template <class Rec>
class PmDataMgr {
public:
    void Add(Rec&& record) { mRecords.push_back(std::move(record)); }
    void Clear() { mRecords.clear(); }
    std::size_t Count() const { return mRecords.size(); }
    const Rec* At(std::size_t position) const { return position < mRecords.size() ? &mRecords[position] : nullptr; }

private:
    std::deque<Rec> mRecords;
};

}  // namespace velmora::palm

#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace velmora::palm {

// One category of a Palm data file: its slot (0-15), the identifier records refer to, its name
// (at most 15 characters) and file name (at most 255). Index and ID are -1 until assigned.
class PmCategory {
public:
    static constexpr std::uint32_t kChanged = 0x10;

    PmCategory() = default;
    PmCategory(std::int32_t index, std::int32_t id, std::string_view name);

    std::int32_t GetIndex() const { return mIndex; }
    std::int32_t GetID() const { return mId; }
    const std::string& GetName() const { return mName; }
    const std::string& GetFileName() const { return mFileName; }
    std::uint32_t GetFlags() const { return mFlags; }

    void SetIndex(std::int32_t index) { mIndex = index; }
    void SetID(std::int32_t id) { mId = id; }
    void SetName(std::string_view name) { mName = name.substr(0, 15); }
    void SetFileName(std::string_view name) { mFileName = name.substr(0, 255); }
    void SetChanged(bool changed) { mFlags = changed ? (mFlags | kChanged) : (mFlags & ~kChanged); }

private:
    std::int32_t mIndex = -1;
    std::int32_t mId = -1;
    std::string mName;
    std::string mFileName;
    std::uint32_t mFlags = 0;
};

// The category table of a Palm data file: 16 slots, slot 0 being "Unfiled".
class PmCategoryMgr {
public:
    static constexpr std::size_t kSlots = 16;

    std::size_t GetCount() const { return mCount; }
    const PmCategory* FindByID(std::int32_t id) const;
    const PmCategory* GetAt(std::size_t index) const { return index < kSlots ? mSlots[index].get() : nullptr; }
    // Without regard to case; an empty name finds nothing.
    const PmCategory* FindByName(std::string_view name) const;

    // Stores a copy. A category without index takes the lowest free slot of 1-15, one without ID
    // the next ID after the filled slots from 0 (both then marked changed); the file name is the
    // name with the characters Windows forbids in names replaced by '_'. Fails when the table is
    // full, no slot or ID is free, the index is outside 0-15 or taken, or the ID is taken.
    bool Add(const PmCategory& category);

    std::int32_t NextFeedId = 128;
    bool Modified = false;

private:
    std::array<std::unique_ptr<PmCategory>, kSlots> mSlots;
    std::size_t mCount = 0;
};

}  // namespace velmora::palm

#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace velmora::model {

// A map from 64-bit hashes to 32-bit values in one flat array with linear probing: no node per
// entry, so building and probing an index of a hundred thousand records touches memory in a
// few runs instead of a hundred thousand allocations. Keys are hashes already; they are mixed
// once more to pick a slot.
class HashSlots {
public:
    // Null when the key is absent. The pointer stays valid until the next insertion or erasure.
    std::uint32_t* Find(std::uint64_t key)
    {
        if (mSlots.empty())
            return nullptr;
        for (std::size_t i = SlotOf(key);; i = (i + 1) & Mask()) {
            Slot& slot = mSlots[i];
            if (!slot.used)
                return nullptr;
            if (slot.key == key)
                return &slot.value;
        }
    }
    const std::uint32_t* Find(std::uint64_t key) const { return const_cast<HashSlots*>(this)->Find(key); }

    // The value stored under `key`, inserting `value` when there is none; true when inserted.
    std::pair<std::uint32_t*, bool> TryEmplace(std::uint64_t key, std::uint32_t value)
    {
        if ((mCount + 1) * 2 > mSlots.size())
            Grow(mSlots.empty() ? 16 : mSlots.size() * 2);
        std::size_t i = SlotOf(key);
        for (; mSlots[i].used; i = (i + 1) & Mask()) {
            if (mSlots[i].key == key)
                return {&mSlots[i].value, false};
        }
        mSlots[i] = {key, value, true};
        ++mCount;
        return {&mSlots[i].value, true};
    }

    // Removes the key, moving later entries of its run back so that no probe stops early.
    void Erase(std::uint64_t key)
    {
        if (mSlots.empty())
            return;
        std::size_t hole = SlotOf(key);
        for (; mSlots[hole].used && mSlots[hole].key != key; hole = (hole + 1) & Mask()) {
        }
        if (!mSlots[hole].used)
            return;
        for (std::size_t next = (hole + 1) & Mask(); mSlots[next].used; next = (next + 1) & Mask()) {
            const std::size_t home = SlotOf(mSlots[next].key);
            // The entry may fill the hole when its home lies outside (hole, next].
            if (((next - home) & Mask()) >= ((next - hole) & Mask())) {
                mSlots[hole] = mSlots[next];
                hole = next;
            }
        }
        mSlots[hole] = Slot{};
        --mCount;
    }

    // Makes room for `count` entries without growing again.
    void Reserve(std::size_t count)
    {
        std::size_t size = 16;
        while (size < count * 2)
            size *= 2;
        if (size > mSlots.size())
            Grow(size);
    }

    std::size_t Count() const { return mCount; }

private:
    struct Slot {
        std::uint64_t key = 0;
        std::uint32_t value = 0;
        bool used = false;
    };

    std::size_t Mask() const { return mSlots.size() - 1; }
    std::size_t SlotOf(std::uint64_t key) const
    {
        return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ULL) >> 32) & Mask();
    }

    void Grow(std::size_t size)
    {
        std::vector<Slot> old(size);
        old.swap(mSlots);
        mCount = 0;
        for (const Slot& slot : old) {
            if (slot.used)
                TryEmplace(slot.key, slot.value);
        }
    }

    std::vector<Slot> mSlots;
    std::size_t mCount = 0;
};

}  // namespace velmora::model

#include "model/HashSlots.h"

#include <gtest/gtest.h>

#include <random>
#include <unordered_map>

using velmora::model::HashSlots;

namespace {

// Random insertions and erasures over a small key range (so that runs collide and erasure has
// to move entries back) agree with the standard map after every step.
TEST(HashSlots, AgreesWithAStandardMapThroughInsertionsAndErasures)
{
    std::mt19937_64 rng(11);
    HashSlots slots;
    std::unordered_map<std::uint64_t, std::uint32_t> reference;
    for (int step = 0; step < 200'000; ++step) {
        // Keys that differ only in their high bits land in the same slots.
        const std::uint64_t key = (rng() % 600) << (step % 2 == 0 ? 0 : 40);
        if (rng() % 3 == 0) {
            slots.Erase(key);
            reference.erase(key);
        } else {
            const auto value = static_cast<std::uint32_t>(rng());
            const auto [stored, inserted] = slots.TryEmplace(key, value);
            const auto [expected, expectedInserted] = reference.try_emplace(key, value);
            ASSERT_EQ(inserted, expectedInserted) << step;
            ASSERT_EQ(*stored, expected->second) << step;
        }
        ASSERT_EQ(slots.Count(), reference.size()) << step;
        if (step % 1000 == 0) {
            for (std::uint64_t probe = 0; probe < 600; ++probe) {
                for (const std::uint64_t k : {probe, probe << 40}) {
                    const auto found = reference.find(k);
                    const std::uint32_t* value = slots.Find(k);
                    ASSERT_EQ(value != nullptr, found != reference.end()) << k;
                    if (value != nullptr) {
                        ASSERT_EQ(*value, found->second) << k;
                    }
                }
            }
        }
    }
    slots.Reserve(100'000);
    for (const auto& [key, value] : reference)
        ASSERT_EQ(*slots.Find(key), value) << "kept through growing";
}

}  // namespace

#pragma once

#include "HashSlots.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace velmora::model {

// Groups a manager's record positions by equal key fields, and within each key group by equal
// compared fields, so that finding the counterpart of a record takes a few hash probes instead
// of a scan. Groups are found by hash and always confirmed with the manager's real equality
// (the callbacks), tested against the group's first member: the equalities are equivalence
// relations, so one member speaks for all. A record equal to nothing, not even itself (a date
// that is not a number), simply forms a group of its own that no probe confirms.
// Most keys are held by one record, and such a record is compared directly: records join
// compared groups, and their compared fields are hashed, only once their key group holds two.
class MatchIndex {
public:
    struct Hit {
        std::optional<std::uint32_t> firstIdentical;  // lowest position with equal keys and compared fields
        std::optional<std::uint32_t> lastKeyMatch;    // highest position with equal keys
    };

    // `sameKey(position)` and `sameCompared(position)` compare the stored record at that
    // position with the probed record.
    // `comparedHash()` gives the probed record's compared hash; it is asked for only when a
    // record with equal keys exists.
    template <class ComparedHash, class SameKey, class SameCompared>
    Hit Find(std::uint64_t keyHash, ComparedHash comparedHash, SameKey sameKey, SameCompared sameCompared) const
    {
        Hit hit;
        const auto keyGroup = FindGroup(mKeyBuckets, mKeyGroups, keyHash, sameKey);
        if (!keyGroup)
            return hit;
        const Group& group = mKeyGroups[*keyGroup];
        hit.lastKeyMatch = group.last;
        // Most keys are held by one record: comparing with it answers without hashing.
        if (group.count == 1) {
            if (sameCompared(group.first))
                hit.firstIdentical = group.first;
            return hit;
        }
        const auto comparedGroup =
            FindGroup(mComparedBuckets, mComparedGroups, ComparedBucket(*keyGroup, comparedHash()), sameCompared);
        if (comparedGroup)
            hit.firstIdentical = mComparedGroups[*comparedGroup].first;
        return hit;
    }

    // Adds the record at `position`; the callbacks compare stored records with it, and
    // `comparedHashAt(p)` gives the compared hash of the stored record at position p.
    template <class ComparedHashAt, class SameKey, class SameCompared>
    void Insert(std::uint32_t position, std::uint64_t keyHash, ComparedHashAt comparedHashAt, SameKey sameKey,
                SameCompared sameCompared)
    {
        if (mMembership.size() <= position)
            mMembership.resize(position + 1);
        auto keyGroup = FindGroup(mKeyBuckets, mKeyGroups, keyHash, sameKey);
        if (!keyGroup)
            keyGroup = NewGroup(mKeyBuckets, mKeyGroups, mFreeKeyGroups, keyHash);
        mMembership[position].keyGroup = *keyGroup;
        Group& group = mKeyGroups[*keyGroup];
        // A key group about to hold two: its member joins the compared groups now, as the
        // first of this key group there.
        if (group.count == 1 && mMembership[group.first].comparedGroup == kNone) {
            const std::uint32_t first = group.first;
            const std::uint32_t id = NewGroup(mComparedBuckets, mComparedGroups, mFreeComparedGroups,
                                              ComparedBucket(*keyGroup, comparedHashAt(first)));
            AddPosition(mComparedGroups[id], &Membership::nextInComparedGroup, first);
            mMembership[first].comparedGroup = id;
        }
        AddPosition(mKeyGroups[*keyGroup], &Membership::nextInKeyGroup, position);
        if (mKeyGroups[*keyGroup].count > 1)
            InsertCompared(position, comparedHashAt(position), sameCompared);
    }

    // Moves the record at `position` to the compared group its new values belong to; its key
    // fields must be unchanged.
    template <class ComparedHashAt, class SameCompared>
    void Recompare(std::uint32_t position, ComparedHashAt comparedHashAt, SameCompared sameCompared)
    {
        const std::uint32_t group = mMembership[position].comparedGroup;
        if (group == kNone)
            return;  // compared directly, as the only holder of its key
        RemoveFrom(mComparedBuckets, mComparedGroups, mFreeComparedGroups, &Membership::nextInComparedGroup, group,
                   position);
        InsertCompared(position, comparedHashAt(position), sameCompared);
    }

    void Remove(std::uint32_t position);
    void Clear();
    // Makes room for `records` records, so that building the index of that many does not grow it.
    void Reserve(std::size_t records);

private:
    static constexpr std::uint32_t kNone = UINT32_MAX;

    // A group's positions form an ascending chain through the members' Membership entries, so
    // that a group of one, the usual group, takes no memory of its own beyond these few words.
    struct Group {
        std::uint64_t bucket = 0;            // the hash map key the group hangs under
        std::uint32_t nextInBucket = kNone;  // groups whose hashes collide form a chain
        std::uint32_t first = kNone;         // the lowest position
        std::uint32_t last = kNone;          // the highest position
        std::uint32_t count = 0;
    };
    struct Membership {
        std::uint32_t keyGroup = kNone;
        std::uint32_t comparedGroup = kNone;
        std::uint32_t nextInKeyGroup = kNone;  // the next higher position of each group
        std::uint32_t nextInComparedGroup = kNone;
    };
    using Link = std::uint32_t Membership::*;
    using Buckets = HashSlots;  // hash -> first group of its chain

    static std::uint64_t ComparedBucket(std::uint32_t keyGroup, std::uint64_t comparedHash)
    {
        return comparedHash ^ ((std::uint64_t{keyGroup} + 1) * 0x9E3779B97F4A7C15ULL);
    }

    template <class Same>
    static std::optional<std::uint32_t> FindGroup(const Buckets& buckets, const std::vector<Group>& groups,
                                                  std::uint64_t bucket, Same same)
    {
        const std::uint32_t* head = buckets.Find(bucket);
        for (std::uint32_t id = head == nullptr ? kNone : *head; id != kNone; id = groups[id].nextInBucket) {
            if (same(groups[id].first))
                return id;
        }
        return std::nullopt;
    }

    template <class SameCompared>
    void InsertCompared(std::uint32_t position, std::uint64_t comparedHash, SameCompared sameCompared)
    {
        const std::uint64_t bucket = ComparedBucket(mMembership[position].keyGroup, comparedHash);
        auto group = FindGroup(mComparedBuckets, mComparedGroups, bucket, sameCompared);
        if (!group)
            group = NewGroup(mComparedBuckets, mComparedGroups, mFreeComparedGroups, bucket);
        AddPosition(mComparedGroups[*group], &Membership::nextInComparedGroup, position);
        mMembership[position].comparedGroup = *group;
    }

    void AddPosition(Group& group, Link next, std::uint32_t position);
    static std::uint32_t NewGroup(Buckets& buckets, std::vector<Group>& groups, std::vector<std::uint32_t>& freeIds,
                                  std::uint64_t bucket);
    void RemoveFrom(Buckets& buckets, std::vector<Group>& groups, std::vector<std::uint32_t>& freeIds, Link next,
                    std::uint32_t id, std::uint32_t position);

    Buckets mKeyBuckets;
    Buckets mComparedBuckets;
    std::vector<Group> mKeyGroups;
    std::vector<Group> mComparedGroups;
    std::vector<std::uint32_t> mFreeKeyGroups;
    std::vector<std::uint32_t> mFreeComparedGroups;
    std::vector<Membership> mMembership;  // by position
};

}  // namespace velmora::model

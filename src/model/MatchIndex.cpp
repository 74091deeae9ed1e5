#include "MatchIndex.h"

#include <algorithm>

namespace velmora::model {

void MatchIndex::AddPosition(Group& group, Link next, std::uint32_t position)
{
    // Appending records keeps positions ascending at no cost; only a merged record that
    // changed group lands in the middle.
    if (group.count == 0) {
        group.first = group.last = position;
        mMembership[position].*next = kNone;
    } else if (position > group.last) {
        mMembership[group.last].*next = position;
        mMembership[position].*next = kNone;
        group.last = position;
    } else if (position < group.first) {
        mMembership[position].*next = group.first;
        group.first = position;
    } else {
        std::uint32_t before = group.first;
        while (mMembership[before].*next < position)
            before = mMembership[before].*next;
        mMembership[position].*next = mMembership[before].*next;
        mMembership[before].*next = position;
    }
    ++group.count;
}

std::uint32_t MatchIndex::NewGroup(Buckets& buckets, std::vector<Group>& groups, std::vector<std::uint32_t>& freeIds,
                                   std::uint64_t bucket)
{
    std::uint32_t id = 0;
    if (!freeIds.empty()) {
        id = freeIds.back();
        freeIds.pop_back();
    } else {
        id = static_cast<std::uint32_t>(groups.size());
        groups.emplace_back();
    }
    const auto [head, inserted] = buckets.TryEmplace(bucket, id);
    groups[id].bucket = bucket;
    groups[id].nextInBucket = inserted ? kNone : *head;
    *head = id;
    return id;
}

void MatchIndex::RemoveFrom(Buckets& buckets, std::vector<Group>& groups, std::vector<std::uint32_t>& freeIds, Link next,
                            std::uint32_t id, std::uint32_t position)
{
    Group& group = groups[id];
    if (group.first == position) {
        group.first = mMembership[position].*next;
    } else {
        std::uint32_t before = group.first;
        while (before != kNone && mMembership[before].*next != position)
            before = mMembership[before].*next;
        if (before == kNone)
            return;  // not a member
        mMembership[before].*next = mMembership[position].*next;
        if (group.last == position)
            group.last = before;
    }
    mMembership[position].*next = kNone;
    if (--group.count > 0)
        return;
    // Unlink the empty group from its bucket's chain and keep its slot for reuse.
    std::uint32_t* head = buckets.Find(groups[id].bucket);
    if (*head == id) {
        if (groups[id].nextInBucket == kNone)
            buckets.Erase(groups[id].bucket);
        else
            *head = groups[id].nextInBucket;
    } else {
        std::uint32_t previous = *head;
        while (groups[previous].nextInBucket != id)
            previous = groups[previous].nextInBucket;
        groups[previous].nextInBucket = groups[id].nextInBucket;
    }
    groups[id] = Group{};
    freeIds.push_back(id);
}

void MatchIndex::Remove(std::uint32_t position)
{
    const Membership member = mMembership[position];
    if (member.comparedGroup != kNone)
        RemoveFrom(mComparedBuckets, mComparedGroups, mFreeComparedGroups, &Membership::nextInComparedGroup,
                   member.comparedGroup, position);
    RemoveFrom(mKeyBuckets, mKeyGroups, mFreeKeyGroups, &Membership::nextInKeyGroup, member.keyGroup, position);
    mMembership[position] = Membership{};
}

void MatchIndex::Clear()
{
    *this = MatchIndex{};
}

void MatchIndex::Reserve(std::size_t records)
{
    mKeyBuckets.Reserve(records);
    mComparedBuckets.Reserve(records);
    mKeyGroups.reserve(records);
    mComparedGroups.reserve(records);
    mMembership.reserve(records);
}

}  // namespace velmora::model

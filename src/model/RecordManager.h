#pragma once

#include "CxList.h"
#include "MatchIndex.h"
#include "RecordTypes.h"
#include "TextCompare.h"

#include <algorithm>
#include <memory>
#include <new>
#include <vector>

namespace velmora::model {

// The behaviour shared by the four common record managers: an owned, insertion-ordered list of
// records; matching a record against them by key fields and compared fields; merging into a
// stored record; and marking every record of one manager against another.
//
// Each record kind says how one field, named by its id, compares, hashes and merges. Matching
// goes through an index built on the first FindMatch and kept true by Add and UpdateAt, so
// fields that take part in matching must change only through UpdateAt once records are stored.
template <class Rec>
class RecordManager {
public:
    using Record = Rec;

    RecordManager(const RecordManager&) = delete;
    RecordManager& operator=(const RecordManager&) = delete;
    virtual ~RecordManager() { Clear(); }

    // Frees the match index, when no search follows soon; the next search builds it again.
    void ReleaseIndex()
    {
        mIndex.Clear();
        mIndexed = false;
    }

    // Frees every record (and the source blocks they own).
    void Clear()
    {
        mList.Clear(true);
        ReleaseIndex();
    }

    // Stores a copy of the record (an owned source block is duplicated) and returns it; null
    // for a null record or when memory runs out.
    Rec* Add(const Rec* record)
    {
        if (record == nullptr)
            return nullptr;
        try {
            return Store(std::make_unique<Rec>(*record));
        } catch (const std::bad_alloc&) {
            return nullptr;
        }
    }

    // Stores the record itself, with its source block; null when memory runs out.
    Rec* Add(Rec&& record)
    {
        try {
            return Store(std::make_unique<Rec>(std::move(record)));
        } catch (const std::bad_alloc&) {
            return nullptr;
        }
    }

    // Merges the record into the stored record at `index` (see each kind's merge rules).
    bool UpdateAt(const Rec* record, std::size_t index)
    {
        Rec* stored = record != nullptr ? At(index) : nullptr;
        if (stored == nullptr)
            return false;
        if (!mIndexed) {
            Merge(*stored, *record);
            return true;
        }
        const Rec before = *stored;
        Merge(*stored, *record);
        const auto position = static_cast<std::uint32_t>(index);
        if (!KeysEqual(before, *stored)) {
            mIndex.Remove(position);
            IndexInsert(position);
        } else if (!ComparedEqual(before, *stored)) {
            mIndex.Recompare(position, ComparedHashAt(), SameComparedAs(*stored));
        }
        return true;
    }

    // Finds the stored counterpart of a record: MatchResult::Identical at the first position
    // holding the record itself or a record with equal keys and equal compared fields;
    // otherwise KeyMatch at the last position with equal keys; otherwise NoMatch with `index`
    // = Count() and `found` untouched; NoRecord for a null record.
    int FindMatch(const Rec* record, Rec*& found, std::size_t& index)
    {
        if (mClearFoundFirst)
            found = nullptr;
        if (record == nullptr)
            return MatchResult::NoRecord;
        if (!HasKey(*record)) {
            index = Count();
            return MatchResult::NoMatch;
        }
        if (!mIndexed)
            BuildIndex();
        // A stored record needs no search for itself: the managers' field lists compare only
        // texts, numbers and calendar days, all equal to themselves, so a stored record sits in
        // its own groups and is found there unless an earlier identical record comes first.
        const MatchIndex::Hit hit = mIndex.Find(
            ListHash(*record, mKeyFields), [&] { return ListHash(*record, mCompareFields); }, SameKeyAs(*record),
            SameComparedAs(*record));
        const std::optional<std::uint32_t> identical = hit.firstIdentical;
        if (identical || hit.lastKeyMatch) {
            index = identical ? *identical : *hit.lastKeyMatch;
            found = At(index);
            return identical ? MatchResult::Identical : MatchResult::KeyMatch;
        }
        index = Count();
        return MatchResult::NoMatch;
    }

    // Marks every record of this manager against `target`: New, Different or Same, with
    // MatchedRec pointing at the counterpart (null for new records). False without a target.
    bool CompareWith(RecordManager* target)
    {
        if (target == nullptr)
            return false;
        for (std::size_t i = 0; i < Count(); ++i) {
            Rec* record = At(i);
            Rec* found = nullptr;
            std::size_t index = 0;
            const int result = target->FindMatch(record, found, index);
            record->Status = result == MatchResult::NoMatch    ? RecStatus::New
                             : result == MatchResult::KeyMatch ? RecStatus::Different
                                                               : RecStatus::Same;
            record->MatchedRec = found;
        }
        return true;
    }

    // Iteration through the list's single cursor, in insertion order.
    Rec* First() { return mList.First(); }
    Rec* Next() { return mList.Next(); }
    std::size_t Count() const { return mList.Count(); }
    // The record at a position, leaving the cursor alone; null past the end.
    Rec* At(std::size_t position) const { return mList.At(position); }

    const std::vector<int>& KeyFields() const { return mKeyFields; }
    // False for a record whose key says nothing (it then corresponds to no other record).
    virtual bool HasKey(const Rec&) const { return true; }
    const std::vector<int>& CompareFields() const { return mCompareFields; }

    // Field-list equality: the fields in list order, the first difference decides; an empty
    // list counts as not equal.
    bool KeysEqual(const Rec& a, const Rec& b) const { return ListEqual(a, b, mKeyFields); }
    bool ComparedEqual(const Rec& a, const Rec& b) const { return ListEqual(a, b, mCompareFields); }

    // The compared fields on which two records differ, each once, in list order: the same rule
    // that marks a record Different, so a record marked so has at least one.
    std::vector<int> DifferingFields(const Rec& a, const Rec& b) const
    {
        std::vector<int> ids;
        for (const int id : mCompareFields) {
            if (!FieldEqual(a, b, id) && std::find(ids.begin(), ids.end(), id) == ids.end())
                ids.push_back(id);
        }
        return ids;
    }

    // The stored record as merging `incoming` into it leaves it.
    Rec Merged(const Rec& stored, const Rec& incoming) const
    {
        Rec merged = stored;
        Merge(merged, incoming);
        return merged;
    }

protected:
    RecordManager(std::vector<int> keyFields, std::vector<int> compareFields, bool clearFoundFirst)
        : mKeyFields(std::move(keyFields)), mCompareFields(std::move(compareFields)), mClearFoundFirst(clearFoundFirst)
    {
    }

    // Whether one field agrees; ids the kind does not compare count as equal.
    virtual bool FieldEqual(const Rec& a, const Rec& b, int id) const = 0;
    // Must hash equally whenever FieldEqual holds; ids not compared add nothing.
    virtual void HashField(FieldHasher& hasher, const Rec& record, int id) const = 0;
    // Copies the incoming record's values into the stored one by the kind's rules.
    virtual void Merge(Rec& stored, const Rec& incoming) const = 0;

private:
    Rec* Store(std::unique_ptr<Rec> record)
    {
        mList.Append(record.get());
        Rec* stored = record.release();
        try {
            if (mIndexed)
                IndexInsert(static_cast<std::uint32_t>(Count() - 1));
        } catch (const std::bad_alloc&) {
            ReleaseIndex();  // rebuilt on the next search
        }
        return stored;
    }

    bool ListEqual(const Rec& a, const Rec& b, const std::vector<int>& ids) const
    {
        if (ids.empty())
            return false;
        for (const int id : ids) {
            if (!FieldEqual(a, b, id))
                return false;
        }
        return true;
    }

    std::uint64_t ListHash(const Rec& record, const std::vector<int>& ids) const
    {
        FieldHasher hasher;
        for (const int id : ids)
            HashField(hasher, record, id);
        return hasher.Value();
    }

    auto ComparedHashAt() const
    {
        return [this](std::uint32_t position) { return ListHash(*At(position), mCompareFields); };
    }

    auto SameKeyAs(const Rec& record) const
    {
        return [this, &record](std::uint32_t position) { return KeysEqual(*At(position), record); };
    }
    auto SameComparedAs(const Rec& record) const
    {
        return [this, &record](std::uint32_t position) { return ComparedEqual(*At(position), record); };
    }

    void IndexInsert(std::uint32_t position)
    {
        const Rec& record = *At(position);
        mIndex.Insert(position, ListHash(record, mKeyFields), ComparedHashAt(), SameKeyAs(record), SameComparedAs(record));
    }

    void BuildIndex()
    {
        ReleaseIndex();
        mIndex.Reserve(Count());
        for (std::size_t i = 0; i < Count(); ++i)
            IndexInsert(static_cast<std::uint32_t>(i));
        mIndexed = true;
    }

    CxList<Rec> mList;
    std::vector<int> mKeyFields;
    std::vector<int> mCompareFields;
    bool mClearFoundFirst;

    bool mIndexed = false;
    MatchIndex mIndex;
};

}  // namespace velmora::model

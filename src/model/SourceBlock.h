#pragma once

#include <cstdint>
#include <new>
#include <optional>
#include <utility>

namespace velmora::model {

// The source application's own record attached to a common record, so that detail views and
// writers can reach every field the source had. It either owns a copy of that record (copied
// deeply with the common record and freed with it; Size() is the record's size), or only points
// at one owned elsewhere, or at one of a list kept elsewhere that holds its records packed, as
// the helper connectors' lists do (Size() is 0, and copies of the common record point at the
// same record).
class SourceBlock {
public:
    SourceBlock() = default;
    SourceBlock(const SourceBlock& other) { CopyFrom(other); }
    SourceBlock(SourceBlock&& other) noexcept { MoveFrom(other); }
    SourceBlock& operator=(const SourceBlock& other)
    {
        if (this != &other) {
            Reset();
            CopyFrom(other);
        }
        return *this;
    }
    SourceBlock& operator=(SourceBlock&& other) noexcept
    {
        if (this != &other) {
            Reset();
            MoveFrom(other);
        }
        return *this;
    }
    ~SourceBlock() { Reset(); }

    // Attaches an owned copy of `record`, releasing whatever was attached before.
    template <class T>
    void Own(T record)
    {
        T* copy = new T(std::move(record));
        Reset();
        mBlock = copy;
        mOps = OpsFor<T>();
        mOwned = true;
    }

    // Points at a record owned elsewhere, releasing an owned copy first.
    template <class T>
    void PointAt(T* record)
    {
        Reset();
        mBlock = record;
        mOps = record != nullptr ? OpsFor<T>() : nullptr;
    }

    // Points at record `position` of a packed list owned elsewhere, which unpacks it with
    // list[position] when it is asked for.
    template <class List>
    void PointAt(const List& list, std::uint32_t position)
    {
        Reset();
        mBlock = const_cast<List*>(&list);
        mOps = PackedOpsFor<List>();
        mPosition = position;
    }

    void Reset() noexcept
    {
        if (mOwned)
            mOps->destroy(mBlock);
        mBlock = nullptr;
        mOps = nullptr;
        mPosition = 0;
        mOwned = false;
    }

    // A copy of the attached record when it is a T.
    template <class T>
    std::optional<T> Get() const
    {
        if (mOps == nullptr || mOps->type != TypeOf<T>())
            return std::nullopt;
        std::optional<T> record(std::in_place);
        mOps->read(mBlock, mPosition, &*record);
        return record;
    }

    const void* Data() const { return mBlock; }
    bool IsOwned() const { return mOwned; }
    std::uint32_t Size() const { return mOwned ? mOps->size : 0; }

private:
    struct Ops {
        const void* type;  // the record type's tag
        void* (*clone)(const void*);
        void (*destroy)(void*) noexcept;
        void (*read)(const void* block, std::uint32_t position, void* record);  // copies the record out
        std::uint32_t size;
    };

    template <class T>
    static const void* TypeOf()
    {
        static const char tag = 0;
        return &tag;
    }

    template <class T>
    static const Ops* OpsFor()
    {
        static const Ops ops{TypeOf<T>(), [](const void* p) -> void* { return new T(*static_cast<const T*>(p)); },
                             [](void* p) noexcept { delete static_cast<T*>(p); },
                             [](const void* p, std::uint32_t, void* out) { *static_cast<T*>(out) = *static_cast<const T*>(p); },
                             static_cast<std::uint32_t>(sizeof(T))};
        return &ops;
    }

    // Never owned, so never cloned or destroyed.
    template <class List>
    static const Ops* PackedOpsFor()
    {
        using T = typename List::Record;
        static const Ops ops{TypeOf<T>(), nullptr, nullptr,
                             [](const void* p, std::uint32_t position, void* out) {
                                 *static_cast<T*>(out) = (*static_cast<const List*>(p))[position];
                             },
                             0};
        return &ops;
    }

    // An owned block that cannot be duplicated leaves the copy without one.
    void CopyFrom(const SourceBlock& other)
    {
        if (!other.mOwned) {
            mBlock = other.mBlock;
            mOps = other.mOps;
            mPosition = other.mPosition;
            return;
        }
        try {
            mBlock = other.mOps->clone(other.mBlock);
            mOps = other.mOps;
            mOwned = true;
        } catch (const std::bad_alloc&) {
            mBlock = nullptr;
            mOps = nullptr;
        }
    }

    void MoveFrom(SourceBlock& other) noexcept
    {
        mBlock = std::exchange(other.mBlock, nullptr);
        mOps = std::exchange(other.mOps, nullptr);
        mOwned = std::exchange(other.mOwned, false);
        mPosition = std::exchange(other.mPosition, 0);
    }

    void* mBlock = nullptr;
    const Ops* mOps = nullptr;
    std::uint32_t mPosition = 0;  // in a packed list
    bool mOwned = false;
};

}  // namespace velmora::model

#pragma once

#include <cstdint>
#include <new>
#include <utility>

namespace velmora::model {

// The source application's own record attached to a common record, so that detail views and
// writers can reach every field the source had. It either owns a copy of that record (copied
// deeply with the common record and freed with it; Size() is the record's size) or only points
// at one owned elsewhere, for example by a connector's own list (Size() is 0, and copies of the
// common record point at the same block).
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

    void Reset() noexcept
    {
        if (mOwned)
            mOps->destroy(mBlock);
        mBlock = nullptr;
        mOps = nullptr;
        mOwned = false;
    }

    // The attached record when it is a T, else null.
    template <class T>
    T* As() const
    {
        return mOps == OpsFor<T>() ? static_cast<T*>(mBlock) : nullptr;
    }

    const void* Data() const { return mBlock; }
    bool IsOwned() const { return mOwned; }
    std::uint32_t Size() const { return mOwned ? mOps->size : 0; }

private:
    struct Ops {
        void* (*clone)(const void*);
        void (*destroy)(void*) noexcept;
        std::uint32_t size;
    };

    template <class T>
    static const Ops* OpsFor()
    {
        static const Ops ops{[](const void* p) -> void* { return new T(*static_cast<const T*>(p)); },
                             [](void* p) noexcept { delete static_cast<T*>(p); },
                             static_cast<std::uint32_t>(sizeof(T))};
        return &ops;
    }

    // An owned block that cannot be duplicated leaves the copy without one.
    void CopyFrom(const SourceBlock& other)
    {
        if (!other.mOwned) {
            mBlock = other.mBlock;
            mOps = other.mOps;
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
    }

    void* mBlock = nullptr;
    const Ops* mOps = nullptr;
    bool mOwned = false;
};

}  // namespace velmora::model

#pragma once

#include <cstddef>
#include <vector>

namespace velmora::model {

// An ordered list of pointers with one shared cursor. Entries are only ever appended; an
// entry's position (0-based) is fixed from Append until Clear. The list does not own what it
// points to unless it is cleared with freeing.
//
// The cursor is shared: First/Next iterate through it and GetAt moves it, so two iterations of
// the same list must not interleave.
template <class T>
class CxList {
public:
    // Appends at the end and moves the cursor there; a null pointer is refused.
    bool Append(T* item)
    {
        if (item == nullptr)
            return false;
        mItems.push_back(item);
        mCursor = mItems.size() - 1;
        return true;
    }

    // The entry at `position`, which becomes the cursor; null past the end (cursor unchanged).
    T* GetAt(std::size_t position)
    {
        if (position >= mItems.size())
            return nullptr;
        mCursor = position;
        return mItems[position];
    }

    // Moves the cursor to the first entry; null for an empty list.
    T* First() { return GetAt(0); }

    // The entry after the cursor, or null at the end (the cursor stays on the last entry).
    T* Next() { return mCursor + 1 < mItems.size() ? GetAt(mCursor + 1) : nullptr; }

    std::size_t Count() const { return mItems.size(); }

    // Empties the list; with `freeItems` each entry is deleted as well.
    void Clear(bool freeItems)
    {
        if (freeItems) {
            for (T* item : mItems)
                delete item;
        }
        mItems.clear();
        mCursor = 0;
    }

    // Read-only access by position that leaves the cursor alone.
    T* At(std::size_t position) const { return position < mItems.size() ? mItems[position] : nullptr; }

private:
    std::vector<T*> mItems;
    std::size_t mCursor = 0;
};

}  // namespace velmora::model

#include "PmCategory.h"

#include "platform/AsciiCase.h"

#include <algorithm>

namespace velmora::palm {

PmCategory::PmCategory(std::int32_t index, std::int32_t id, std::string_view name) : mIndex(index), mId(id)
{
    SetName(name);
}

const PmCategory* PmCategoryMgr::FindByID(std::int32_t id) const
{
    for (const auto& slot : mSlots) {
        if (slot && slot->GetID() == id)
            return slot.get();
    }
    return nullptr;
}

const PmCategory* PmCategoryMgr::FindByName(std::string_view name) const
{
    if (name.empty())
        return nullptr;
    const std::string wanted = platform::UpperAscii(name);
    for (const auto& slot : mSlots) {
        if (slot && platform::UpperAscii(slot->GetName()) == wanted)
            return slot.get();
    }
    return nullptr;
}

bool PmCategoryMgr::Add(const PmCategory& category)
{
    if (mCount >= kSlots)
        return false;
    PmCategory copy = category;
    if (copy.GetIndex() == -1) {
        std::size_t free = 1;
        while (free < kSlots && mSlots[free])
            ++free;
        if (free == kSlots)
            return false;
        copy.SetIndex(static_cast<std::int32_t>(free));
        copy.SetChanged(true);
    }
    if (copy.GetIndex() < 0 || copy.GetIndex() >= static_cast<std::int32_t>(kSlots) ||
        mSlots[static_cast<std::size_t>(copy.GetIndex())])
        return false;
    if (copy.GetID() == -1) {
        // The largest ID of the filled slots from 0 up to the first empty one, plus one.
        std::int32_t largest = -1;
        std::size_t slot = 0;
        for (; slot < kSlots && mSlots[slot]; ++slot)
            largest = std::max(largest, mSlots[slot]->GetID());
        if (slot == 0 || slot == kSlots || largest == INT32_MAX)
            return false;
        copy.SetID(largest + 1);
        copy.SetChanged(true);
    } else if (FindByID(copy.GetID()) != nullptr) {
        return false;
    }
    if (!copy.GetName().empty()) {
        std::string fileName = copy.GetName();
        for (char& c : fileName) {
            if (std::string_view("\"*+,./:;<=>?[\\]^|").find(c) != std::string_view::npos)
                c = '_';
        }
        copy.SetFileName(fileName);
    }
    mSlots[static_cast<std::size_t>(copy.GetIndex())] = std::make_unique<PmCategory>(std::move(copy));
    ++mCount;
    Modified = true;
    return true;
}

}  // namespace velmora::palm

#include "SystemTime.h"

#include <tuple>

namespace velmora::platform {

int CompareSystemDate(const SystemTime* first, const SystemTime* second)
{
    if (first == nullptr)
        return -1;
    if (second == nullptr)
        return 1;
    const auto a = std::tie(first->Year, first->Month, first->Day);
    const auto b = std::tie(second->Year, second->Month, second->Day);
    if (a < b)
        return -1;
    return a == b ? 0 : 1;
}

}  // namespace velmora::platform

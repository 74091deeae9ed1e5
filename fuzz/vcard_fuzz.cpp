// Contacts files are whatever a user dropped into the account folder.
#include "helpers/google/ContactMapping.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace velmora::helpers;
    for (const VCard& card : ParseVCards(std::string_view(reinterpret_cast<const char*>(data), size)))
        ToGoogleContact(card);
    return 0;
}

// The data file reader's answer is read as untrusted, and every property of every item it holds
// is turned into the value Outlook would report.
#include "outlook/standin/ItemSchema.h"
#include "outlook/standin/PstWire.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace velmora::outlook::standin;
    PstStore store;
    std::string error;
    if (!DecodeStore(std::string_view(reinterpret_cast<const char*>(data), size), store, error))
        return 0;
    for (const PstFolder& folder : store.Folders)
        for (const PstPropertySet& item : folder.Items)
            for (std::size_t i = 0; const SchemaEntry* entry = SchemaEntryAt(folder.Kind, i); ++i)
                ValueOf(*entry, item, ItemContext{&store.RecordKey});
    return 0;
}

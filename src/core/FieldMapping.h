#pragma once

#include "AppSettings.h"

#include <array>
#include <string>
#include <vector>

namespace velmora::core {

// One contact field a source offers for the ACT! custom slots: its key and its label.
struct FieldChoice {
    int key;
    std::string label;
};

// The contact fields of a source application, in its field table's order; empty for a source
// whose reader offers none (yet).
std::vector<FieldChoice> MappableFields(int sourceApp);

// The nine slot keys and the switch of a source application in the settings.
std::array<int, 9>& MappingSlots(AppSettings& settings, int sourceApp);
bool& MappingSwitch(AppSettings& settings, int sourceApp);

}  // namespace velmora::core

#pragma once

#include <string>
#include <string_view>

namespace velmora::platform {

// Standard Base64 (A-Z, a-z, 0-9, '+', '/', '=' padding). The settings file keeps passwords in
// this form; it hides them from a casual glance, it does not protect them.
std::string EncodePassword(std::string_view plain);

// Decodes until the end of the text, the first '=' or the first character outside the
// alphabet; bits of an incomplete last group are dropped. Never fails.
std::string DecodePassword(std::string_view encoded);

}  // namespace velmora::platform

#pragma once

#include <cstddef>
#include <string_view>

namespace velmora::platform {

// The position of the first CR or LF at or after `from`, or npos. A scan of its own: the
// standard find_first_of("\r\n") asks the C library once for every character it passes.
inline std::size_t FindLineBreak(std::string_view text, std::size_t from = 0)
{
    for (std::size_t i = from; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n')
            return i;
    }
    return std::string_view::npos;
}

}  // namespace velmora::platform

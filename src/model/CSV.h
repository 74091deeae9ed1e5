#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace velmora::model {

// Splits one line of comma-separated text into fields. Fields are plain text: no quoting, no
// escaping, no trimming; every comma separates, so "a,,b" has three fields and "a," two.
class CSV {
public:
    CSV() = default;
    explicit CSV(const char* line) { Parse(line); }

    // Replaces the content; false (and an empty object) for a missing or empty line.
    bool Parse(const char* line);

    std::size_t FieldCount() const { return mStarts.size(); }
    // The field's text; the empty text (never null) past the last field.
    const char* Field(std::size_t index) const;

private:
    std::string mCopy;  // the line with every comma replaced by a terminator
    std::vector<std::size_t> mStarts;
};

}  // namespace velmora::model

#include "CSV.h"

namespace velmora::model {

bool CSV::Parse(const char* line)
{
    mCopy.clear();
    mStarts.clear();
    if (line == nullptr || line[0] == '\0')
        return false;
    mCopy = line;
    mStarts.push_back(0);
    for (std::size_t i = 0; i < mCopy.size(); ++i) {
        if (mCopy[i] == ',') {
            mCopy[i] = '\0';
            mStarts.push_back(i + 1);
        }
    }
    return true;
}

const char* CSV::Field(std::size_t index) const
{
    return index < mStarts.size() ? mCopy.c_str() + mStarts[index] : "";
}

}  // namespace velmora::model

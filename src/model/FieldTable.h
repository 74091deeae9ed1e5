#pragma once

#include "RecordTypes.h"

#include <array>
#include <cstddef>
#include <span>

namespace velmora::model {

// The catalogue entry of a table row: a FieldInfo is its own; richer rows carry one as `Info`.
inline const FieldInfo& InfoOf(const FieldInfo& field)
{
    return field;
}
template <class Row>
const FieldInfo& InfoOf(const Row& row)
{
    return row.Info;
}

// Position and key lookups on a field table, as the custom-field mapping dialog and the
// conversions use them: 0 and "N/A" past the end, null for a key the table does not have.
template <class Row>
class FieldTable {
public:
    constexpr explicit FieldTable(std::span<const Row> rows) : mRows(rows) {}

    std::size_t Count() const { return mRows.size(); }
    int KeyAt(std::size_t index) const { return index < mRows.size() ? InfoOf(mRows[index]).Id : 0; }
    const char* LabelAt(std::size_t index) const { return index < mRows.size() ? InfoOf(mRows[index]).Label : "N/A"; }
    const Row* Find(int key) const
    {
        for (const Row& row : mRows)
            if (InfoOf(row).Id == key)
                return &row;
        return nullptr;
    }

private:
    std::span<const Row> mRows;
};

// The custom-field mapping of a contacts connector: per slot 0-9 the key of the source field
// whose text fills that custom slot (0: none).
class MappedFieldKeys {
public:
    // False for a slot above 9.
    bool Set(std::size_t slot, int key)
    {
        if (slot >= mKeys.size())
            return false;
        mKeys[slot] = key;
        return true;
    }
    const std::array<int, 10>& Keys() const { return mKeys; }

private:
    std::array<int, 10> mKeys{};
};

}  // namespace velmora::model

#pragma once

#include <cstdint>

namespace velmora::model {

// Which reader made a common record (its SourceType member).
struct RecordSource {
    static constexpr std::int32_t PalmDesktop = 1;
    static constexpr std::int32_t Outlook = 3;
    static constexpr std::int32_t Google = 8;
    static constexpr std::int32_t LotusNotes = 9;
    static constexpr std::int32_t Act = 17;
};

// A source record's mark after the comparison with ACT! (its Status member).
struct RecStatus {
    static constexpr std::int32_t Same = 0;       // equal keys and equal compared fields exist in ACT!
    static constexpr std::int32_t New = 1;        // no record with equal keys exists
    static constexpr std::int32_t Different = 2;  // equal keys exist, but a compared field differs
};

// Results of a manager's FindMatch.
struct MatchResult {
    static constexpr int NoRecord = -1;
    static constexpr int Identical = 1;  // or the record itself is stored there
    static constexpr int NoMatch = 2;
    static constexpr int KeyMatch = 3;   // equal keys, different compared fields
};

// Kinds of field in the field catalogues.
enum class FieldType : std::int32_t { Text = 1, Flag = 3, Code = 4, Integer = 5, Date = 6 };

// One entry of a field catalogue: the field's number, its label, its kind and its capacity in
// bytes. Detail views and the custom-field mapping list fields from these tables.
struct FieldInfo {
    int Id;
    const char* Label;
    FieldType Type;
    int Size;
};

// An entry of a catalogue that names fields only.
struct FieldName {
    int Id;
    const char* Label;
};

}  // namespace velmora::model

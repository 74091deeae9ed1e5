#pragma once

#include "CDispCmd.h"
#include "OlRecords.h"

#include <cstdint>
#include <type_traits>

namespace velmora::outlook {

// Reading one property of an item into one member of a raw record, so that a reader's
// properties are a table of (name, member) in reading order.
template <class T>
struct MemberOf;
template <class C, class M>
struct MemberOf<M C::*> {
    using Class = C;
    using Type = M;
};

template <class Record>
struct ItemProperty {
    const char16_t* Name;
    void (*Read)(CDispCmd& item, const char16_t* name, Record& record);
};

// Texts with GetString, dates (double) with GetDate, 32-bit integers with GetLong.
template <auto Member>
void ReadMember(CDispCmd& item, const char16_t* name, typename MemberOf<decltype(Member)>::Class& record)
{
    using Type = typename MemberOf<decltype(Member)>::Type;
    if constexpr (std::is_same_v<Type, double>)
        item.GetDate(name, record.*Member);
    else if constexpr (std::is_same_v<Type, std::int32_t>)
        item.GetLong(name, record.*Member);
    else
        item.GetString(name, record.*Member);
}

// A flag member with GetBool.
template <auto Member>
void ReadFlag(CDispCmd& item, const char16_t* name, typename MemberOf<decltype(Member)>::Class& record)
{
    item.GetBool(name, record.*Member);
}

template <class Record, std::size_t N>
void ReadProperties(CDispCmd& item, const ItemProperty<Record> (&properties)[N], Record& record)
{
    for (const ItemProperty<Record>& p : properties)
        p.Read(item, p.Name, record);
}

// The recurrence members of an item that has read its "IsRecurring" flag: the pattern's seven
// properties when the item recurs, else type -1. A recurring item whose pattern cannot be
// obtained is taken as not recurring (type -1), which `unit` logs.
void ReadRecurrence(CDispCmd& item, std::int32_t isRecurring, OlRecurrenceFields& fields, const char* unit);

}  // namespace velmora::outlook

#include "connectors/act/ActRecords.h"
#include "connectors/exchange/PackedRecords.h"
#include "connectors/google/GoogleRecords.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>

using namespace velmora::connectors;

namespace {

// Every field a record's data file carries, in order, spelled out exactly (dates by their bits).
struct Flattener {
    std::string out;
    template <std::size_t N>
    void Text(const char*, const velmora::model::Text<N>& value)
    {
        out += "T" + std::to_string(value.size()) + ":" + std::string(value.view()) + "|";
    }
    void Int(const char*, std::int32_t value) { out += "I" + std::to_string(value) + "|"; }
    void Date(const char*, double value)
    {
        std::uint64_t bits = 0;
        std::memcpy(&bits, &value, sizeof bits);
        out += "D" + std::to_string(bits) + "|";
    }
    void Flag(const char*, std::uint8_t value) { out += "F" + std::to_string(value) + "|"; }
};

template <class Rec>
std::string Flat(const Rec& record)
{
    Flattener flattener;
    VisitFileFields(record, flattener);
    return flattener.out;
}

TEST(PackedRecords, EveryFieldComesBackExactly)
{
    ActTodoRec zero;  // a field whose own default is not zero, set to zero
    zero.Priority = 0;
    ActTodoRec edges;
    edges.State = 2;
    edges.Priority = std::numeric_limits<std::int32_t>::min();
    edges.Carried[5] = std::numeric_limits<std::int32_t>::max();
    edges.Carried[0] = -1;
    edges.CreateTime = -0.0;
    edges.EditDate = std::nan("");
    edges.DueDate = 46000.5;
    edges.Completed = 255;
    edges.Details = std::string(8191, '\xE9');
    edges.RecordId = "first\r\nsecond";
    const ActTodoRec cases[] = {zero, ActTodoRec{}, edges};  // the first packs to no bytes at all

    PackedRecords<ActTodoRec> list;
    for (const ActTodoRec& c : cases)
        list.push_back(c);
    ASSERT_EQ(list.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(Flat(list[i]), Flat(cases[i])) << i;

    // A replaced record reads back as the new one; its neighbours stay as they were.
    list.Replace(1, edges);
    EXPECT_EQ(Flat(list[1]), Flat(edges));
    EXPECT_EQ(Flat(list[0]), Flat(zero));
    EXPECT_EQ(Flat(list.at(2)), Flat(edges));
    EXPECT_THROW(list.at(3), std::out_of_range);
}

TEST(PackedRecords, AContactsArraysAndLastFieldsComeBack)
{
    GContactRec contact;
    contact.DisplayName = "Ann Lee";
    contact.PrimaryEmail = "ann@example.org";
    contact.Phones[9] = "555-0100";
    contact.LastModificationTime = 46000.25;  // the last field of all
    PackedRecords<GContactRec> list;
    for (int i = 0; i < 1000; ++i)
        list.push_back(contact);
    EXPECT_EQ(Flat(list[999]), Flat(contact));
    list.clear();
    EXPECT_TRUE(list.empty());
}

}  // namespace

#include "PalmFields.h"

#include <iterator>

namespace velmora::palm {
namespace {

using model::FieldInfo;
using model::FieldType;

constexpr FieldType T = FieldType::Text;

constexpr FieldInfo kEarlyFields[] = {
    {1, "First Name", T, 32},    {2, "Last Name", T, 32},    {3, "Company", T, 256},   {4, "Job Title", T, 32},
    {5, "Work Phone", T, 32},    {6, "Home Phone", T, 32},   {7, "Fax", T, 32},        {8, "Other Phone", T, 32},
    {9, "E-mail", T, 32},        {10, "Main Phone", T, 32},  {11, "Pager", T, 32},     {12, "Mobile Phone", T, 32},
    {13, "Street", T, 256},      {14, "City", T, 32},        {15, "State", T, 32},     {16, "Zip Code", T, 32},
    {17, "Country", T, 32},      {18, "Custom 1", T, 64},    {19, "Custom 2", T, 64},  {20, "Custom 3", T, 64},
    {21, "Custom 4", T, 64},     {22, "Category", T, 16},    {23, "Note", T, 2048},
};

constexpr FieldInfo kExFields[] = {
    {1, "First Name", T, 32},     {2, "Last Name", T, 32},     {3, "Company", T, 256},       {4, "Job Title", T, 32},
    {5, "Work Phone", T, 32},     {6, "Home Phone", T, 32},    {7, "Fax", T, 32},            {8, "Other Phone", T, 32},
    {9, "E-mail", T, 32},         {10, "Main Phone", T, 32},   {11, "Pager", T, 32},         {12, "Mobile Phone", T, 32},
    {13, "Work Street", T, 256},  {14, "Work City", T, 32},    {15, "Work State", T, 32},    {16, "Work Zip", T, 32},
    {17, "Work Country", T, 32},  {18, "Home Street", T, 256}, {19, "Home City", T, 32},     {20, "Home State", T, 32},
    {21, "Home Zip", T, 32},      {22, "Home Country", T, 32}, {23, "Other Street", T, 256}, {24, "Other City", T, 32},
    {25, "Other State", T, 32},   {26, "Other Zip", T, 32},    {27, "Other Country", T, 32}, {28, "IM AIM", T, 32},
    {29, "IM MSN", T, 32},        {30, "IM Yahoo", T, 32},     {31, "IM AOL", T, 32},        {32, "IM IM", T, 32},
    {33, "Home Page", T, 256},    {34, "Birthday", FieldType::Date, 8},                      {35, "Custom 1", T, 256},
    {36, "Custom 2", T, 256},     {37, "Custom 3", T, 256},    {38, "Custom 4", T, 256},     {39, "Custom 5", T, 256},
    {40, "Custom 6", T, 256},     {41, "Custom 7", T, 256},    {42, "Custom 8", T, 256},     {43, "Custom 9", T, 256},
    {44, "Category", T, 16},      {45, "Note", T, 2048},
};

constexpr FieldInfo kEx2Fields[] = {
    {1, "First Name", T, 64},       {2, "Middle Name", T, 64},     {3, "Last Name", T, 64},
    {4, "English Name", T, 128},    {5, "Prefix", T, 32},          {6, "Suffix", T, 32},
    {7, "Nick Name", T, 64},        {8, "Company", T, 128},        {9, "Job Title", T, 128},
    {10, "Profession", T, 128},     {11, "Assistant Name", T, 64}, {12, "Assistant Phone", T, 64},
    {13, "Work Phone", T, 32},      {14, "Home Phone", T, 32},     {15, "Fax", T, 32},
    {16, "Other Phone", T, 32},     {17, "E-mail", T, 32},         {18, "Main Phone", T, 32},
    {19, "Pager", T, 32},           {20, "Mobile Phone", T, 32},   {21, "Work Street", T, 256},
    {22, "Work City", T, 32},       {23, "Work State", T, 32},     {24, "Work Zip", T, 32},
    {25, "Work Country", T, 32},    {26, "Home Street", T, 256},   {27, "Home City", T, 32},
    {28, "Home State", T, 32},      {29, "Home Zip", T, 32},       {30, "Home Country", T, 32},
    {31, "Other Street", T, 256},   {32, "Other City", T, 32},     {33, "Other State", T, 32},
    {34, "Other Zip", T, 32},       {35, "Other Country", T, 32},  {36, "IM AIM", T, 32},
    {37, "IM MSN", T, 32},          {38, "IM Yahoo", T, 32},       {39, "IM AOL", T, 32},
    {40, "IM IM", T, 32},           {41, "Home Page", T, 256},     {42, "Anniversary", FieldType::Integer, 4},
    {43, "Birthday", FieldType::Integer, 4},                       {44, "Custom 1", T, 256},
    {45, "Custom 2", T, 256},       {46, "Custom 3", T, 256},      {47, "Custom 4", T, 256},
    {48, "Custom 5", T, 256},       {49, "Custom 6", T, 256},      {50, "Custom 7", T, 256},
    {51, "Custom 8", T, 256},       {52, "Custom 9", T, 256},      {53, "Category", T, 32},
    {54, "Note", T, 2048},
};

// The number of the slot whose label code is `code`, when there is one.
template <class Number, std::size_t N>
std::optional<std::string> ByLabel(const Number (&numbers)[N], const std::int32_t (&labels)[N], int code)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (labels[i] == code)
            return std::string(numbers[i].view());
    }
    return std::nullopt;
}

std::optional<std::string> Text(const model::TextValue& value)
{
    return std::string(value.view());
}

std::optional<std::string> EarlyText(const PmAddrRec& r, int key)
{
    switch (key) {
    case 1: return Text(r.FirstName);
    case 2: return Text(r.LastName);
    case 3: return Text(r.Company);
    case 4: return Text(r.Title);
    case 13: return Text(r.Street);
    case 14: return Text(r.City);
    case 15: return Text(r.State);
    case 16: return Text(r.Zip);
    case 17: return Text(r.Country);
    case 22: return Text(r.CategoryName);
    case 23: return Text(r.Note);
    default: break;
    }
    if (key >= 5 && key <= 12)
        return ByLabel(r.Phone, r.PhoneLabel, key - 5);
    if (key >= 18 && key <= 21)
        return Text(r.Custom[key - 18]);
    return std::nullopt;
}

template <class Address>
std::optional<std::string> AddressText(const Address& a, int part)
{
    switch (part) {
    case 0: return Text(a.Street);
    case 1: return Text(a.City);
    case 2: return Text(a.State);
    case 3: return Text(a.Zip);
    default: return Text(a.Country);
    }
}

std::optional<std::string> ExText(const PmAddrExRec& r, int key)
{
    switch (key) {
    case 1: return Text(r.FirstName);
    case 2: return Text(r.LastName);
    case 3: return Text(r.Company);
    case 4: return Text(r.Title);
    case 33: return Text(r.HomePage);
    case 44: return Text(r.CategoryName);
    case 45: return Text(r.Note);
    default: break;
    }
    if (key >= 5 && key <= 12)
        return ByLabel(r.Phone, r.PhoneLabel, key - 5);
    if (key >= 13 && key <= 17)
        return AddressText(r.Work, key - 13);
    if (key >= 18 && key <= 22)
        return AddressText(r.Home, key - 18);
    if (key >= 23 && key <= 27)
        return AddressText(r.Other, key - 23);
    if (key >= 28 && key <= 32)
        return ByLabel(r.Im, r.ImLabel, key - 27);
    if (key >= 35 && key <= 43)
        return Text(r.Custom[key - 35]);
    return std::nullopt;
}

std::optional<std::string> Ex2Text(const PmAddrEx2Rec& r, int key)
{
    switch (key) {
    case 1: return Text(r.FirstName);
    case 2: return Text(r.MiddleName);
    case 3: return Text(r.LastName);
    case 4: return Text(r.EnglishName);
    case 5: return Text(r.Prefix);
    case 6: return Text(r.Suffix);
    case 7: return Text(r.NickName);
    case 8: return Text(r.Company);
    case 9: return Text(r.Title);
    case 10: return Text(r.Profession);
    case 11: return Text(r.AssistantName);
    case 12: return Text(r.AssistantPhone);
    case 41: return Text(r.Website);
    case 53: return Text(r.CategoryName);
    case 54: return Text(r.Note);
    default: break;
    }
    if (key >= 13 && key <= 20)
        return ByLabel(r.Phone, r.PhoneLabel, key - 13);
    if (key >= 21 && key <= 25)
        return AddressText(r.Work, key - 21);
    if (key >= 26 && key <= 30)
        return AddressText(r.Home, key - 26);
    if (key >= 31 && key <= 35)
        return AddressText(r.Other, key - 31);
    if (key >= 36 && key <= 40)
        return ByLabel(r.Chat, r.ChatLabel, key - 35);
    if (key >= 44 && key <= 52)
        return Text(r.Custom[key - 44]);
    return std::nullopt;
}

}  // namespace

std::span<const FieldInfo> PalmContactFields(int generation)
{
    switch (generation) {
    case kGenerationEarly: return kEarlyFields;
    case kGenerationEx: return kExFields;
    case kGenerationEx2: return kEx2Fields;
    default: return {};
    }
}

std::optional<std::string> PalmFieldText(const PmAddrSourceRec& record, int key)
{
    if (const auto* early = std::get_if<const PmAddrRec*>(&record.Record))
        return EarlyText(**early, key);
    if (const auto* ex = std::get_if<const PmAddrExRec*>(&record.Record))
        return ExText(**ex, key);
    if (const auto* ex2 = std::get_if<const PmAddrEx2Rec*>(&record.Record))
        return Ex2Text(**ex2, key);
    return std::nullopt;
}

}  // namespace velmora::palm

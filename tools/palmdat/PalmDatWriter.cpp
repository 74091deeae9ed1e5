#include "PalmDatWriter.h"

#include <cstring>

namespace velmora::tools {
namespace {

constexpr std::uint32_t kAddrEx = 0x41420200, kDateEx = 0x44420200, kTodoEx = 0x54440200, kMemoEx = 0x4D500200;
constexpr std::uint32_t kAddr = 0x41420100, kDate = 0x44420100, kTodo = 0x54440100, kMemo = 0x4D500100;

template <class Rec>
std::string ExFile(std::uint32_t version, const char* name, std::int32_t resourceId, std::uint16_t fields,
                   const std::vector<Rec>& records, const std::vector<PalmDatWriter::Category>& categories,
                   const std::vector<std::string>& labels = {})
{
    PalmDatWriter w;
    w.ExHeader(version, name, labels).Categories(categories);
    w.Schema(resourceId, fields, fields, static_cast<std::int32_t>(records.size() * fields));
    for (const Rec& r : records)
        w.Record(r);
    return w.Bytes();
}

template <class Rec>
std::string EarlyFile(std::uint32_t version, const char* name, std::string_view second, std::int32_t resourceId,
                      std::uint16_t fields, const std::vector<Rec>& records,
                      const std::vector<PalmDatWriter::Category>& categories)
{
    PalmDatWriter w;
    w.EarlyHeader(version, name, second).Categories(categories);
    w.Schema(resourceId, fields, fields, static_cast<std::int32_t>(records.size() * fields));
    for (const Rec& r : records)
        w.Record(r);
    return w.Bytes();
}

}  // namespace

PalmDatWriter& PalmDatWriter::Long(std::int32_t value)
{
    for (int i = 0; i < 4; ++i)
        mBytes += static_cast<char>((static_cast<std::uint32_t>(value) >> (8 * i)) & 0xFF);
    return *this;
}

PalmDatWriter& PalmDatWriter::Short(std::uint16_t value)
{
    mBytes += static_cast<char>(value & 0xFF);
    mBytes += static_cast<char>(value >> 8);
    return *this;
}

PalmDatWriter& PalmDatWriter::Byte(std::uint8_t value)
{
    mBytes += static_cast<char>(value);
    return *this;
}

PalmDatWriter& PalmDatWriter::Raw(std::string_view bytes)
{
    mBytes += bytes;
    return *this;
}

PalmDatWriter& PalmDatWriter::CString(std::string_view text)
{
    if (text.size() < 255) {
        Byte(static_cast<std::uint8_t>(text.size()));
    } else {
        Byte(0xFF);
        Short(static_cast<std::uint16_t>(text.size()));
    }
    return Raw(text);
}

PalmDatWriter& PalmDatWriter::Int(std::int32_t value, std::int32_t tag)
{
    return Long(tag).Long(value);
}

PalmDatWriter& PalmDatWriter::Text(std::string_view text)
{
    return Long(5).Long(0).CString(text);
}

PalmDatWriter& PalmDatWriter::Double(double value, std::int32_t tag)
{
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    Long(tag);
    for (int i = 0; i < 8; ++i)
        mBytes += static_cast<char>((bits >> (8 * i)) & 0xFF);
    return *this;
}

PalmDatWriter& PalmDatWriter::Ext(const palm::PalmExtField& field)
{
    Long(field.Tag).Long(field.Count);
    if (field.Count >= 1 && field.Count <= 3)
        Long(field.First).Long(field.Second).Long(static_cast<std::int32_t>(field.Data.size()));
    return Raw(std::string_view(reinterpret_cast<const char*>(field.Data.data()), field.Data.size()));
}

PalmDatWriter& PalmDatWriter::Repeat(const palm::PalmRepeat& r, const std::vector<std::int32_t>& exceptions)
{
    static constexpr const char* kClassNames[] = {"", "CDayName", "CWeekly", "CDayOfMonth", "CDateOfMonth",
                                                  "CDateOfYear", "CDayOfYear"};
    Long(8).Short(static_cast<std::uint16_t>(exceptions.size()));
    for (const std::int32_t date : exceptions)
        Long(date);
    if (r.Type == 0)
        return Short(0);
    if (!mClassDefined) {
        const std::string_view name = r.Type >= 1 && r.Type <= 6 ? kClassNames[r.Type] : "CUnknown";
        Short(0xFFFF).Short(1).Short(static_cast<std::uint16_t>(name.size())).Raw(name);
        mClassDefined = true;
    } else {
        Short(0x8001);
    }
    Long(r.Type).Long(r.Interval).Long(r.EndDate).Long(r.FirstDayOfWeek);
    switch (r.Type) {
    case 1: return Long(r.DayIndex);
    case 2: return Long(r.DayIndex).Byte(r.DaysMask);
    case 3: return Long(r.DayIndex).Long(r.WeekIndex);
    case 4: return Long(r.DayOfMonth);
    case 5: return Long(r.DayOfMonth).Long(r.MonthIndex);
    default: return *this;
    }
}

PalmDatWriter& PalmDatWriter::ExHeader(std::uint32_t version, std::string_view fileName,
                                       const std::vector<std::string>& customLabels)
{
    Raw(std::string_view("\xBE\xBA\xFE\xCA\x0F" "PalmSG Database00RV", 24));
    Long(static_cast<std::int32_t>(version)).Raw(std::string(24, '\0')).CString(fileName);
    const bool contacts = version == kAddrEx;
    Raw(std::string(contacts ? 11 : 43, '\0'));
    if (contacts) {
        for (std::size_t i = 0; i < 9; ++i)
            CString(i < customLabels.size() ? customLabels[i] : "Custom " + std::to_string(i + 1)).Long(0);
        Raw(std::string(42, '\0'));
    }
    return *this;
}

PalmDatWriter& PalmDatWriter::EarlyHeader(std::uint32_t version, std::string_view fileName, std::string_view secondText)
{
    return Long(static_cast<std::int32_t>(version)).CString(fileName).CString(secondText);
}

PalmDatWriter& PalmDatWriter::Categories(const std::vector<Category>& categories, std::int32_t nextFeedId)
{
    Long(nextFeedId).Long(static_cast<std::int32_t>(categories.size()));
    for (const Category& c : categories)
        Long(c.Index).Long(c.Id).Long(0).CString(c.Name).CString(c.Name);
    return *this;
}

PalmDatWriter& PalmDatWriter::Schema(std::int32_t resourceId, std::int32_t fieldsPerRow, std::uint16_t fieldCount,
                                     std::int32_t totalFields)
{
    Long(resourceId).Long(fieldsPerRow).Long(0).Long(2).Long(4).Short(fieldCount);
    for (std::uint16_t i = 0; i < fieldCount; ++i)
        Short(1);
    return Long(totalFields);
}

PalmDatWriter& PalmDatWriter::Head(const palm::PmExRecordHead& h)
{
    Int(h.RecordId).Int(0).Int(h.Status).Int(0).Int(h.Placement).Int(h.CategoryId).Bool(h.Private != 0);
    for (const palm::PalmExtField& ext : h.Ext)
        Ext(ext);
    return Text("").Text("");
}

PalmDatWriter& PalmDatWriter::Record(const palm::PmAddrExRec& r)
{
    Head(r).Text(r.FirstName.view()).Text(r.LastName.view()).Text(r.Title.view()).Text(r.Company.view());
    Int(0).Text(r.Note.view());
    for (const auto& phone : r.Phone)
        Text(phone.view());
    for (const std::int32_t label : r.PhoneLabel)
        Int(label);
    for (const auto& custom : r.Custom)
        Text(custom.view());
    for (const auto* address : {&r.Work, &r.Home, &r.Other}) {
        Int(0).Text(address->Street.view()).Text(address->City.view()).Text(address->State.view());
        Text(address->Zip.view()).Text(address->Country.view());
    }
    Text(r.Im[0].view()).Text(r.Im[1].view()).Int(r.ImLabel[0]).Int(r.ImLabel[1]).Text(r.HomePage.view());
    Double(r.Birthday).Bool(false).Int(0).Int(0);
    return Text("").Text("").Text("").Text("");
}

PalmDatWriter& PalmDatWriter::Record(const palm::PmDateExRec& r)
{
    Head(r).Date(r.Start).Date(r.End).Text(r.Description.view()).Int(0).Text(r.Note.view());
    Bool(r.Untimed != 0).Bool(r.AlarmSet != 0).Int(r.AlarmAdvance).Int(r.AlarmUnit);
    return Repeat(r.Repeat).Text(r.Location.view()).Int(0).Text("").Text("");
}

PalmDatWriter& PalmDatWriter::Record(const palm::PmTodoExRec& r)
{
    Head(r).Text(r.Description.view()).Date(r.DueDate).Bool(r.Completed != 0).Int(r.Priority).Text(r.Note.view());
    Bool(false).Date(0).Bool(r.Reminder != 0).Date(0).Int(0).Date(0);
    return Repeat(r.Repeat);
}

PalmDatWriter& PalmDatWriter::Record(const palm::PmMemoExRec& r)
{
    return Head(r).Text(r.Memo.view());
}

PalmDatWriter& PalmDatWriter::Record(const palm::PmAddrRec& r)
{
    Int(r.RecordId).Int(r.Status).Int(r.Placement);
    Text(r.LastName.view()).Text(r.FirstName.view()).Text(r.Title.view()).Text(r.Company.view());
    for (std::size_t i = 0; i < 5; ++i)
        Int(r.PhoneLabel[i]).Text(r.Phone[i].view());
    Text(r.Street.view()).Text(r.City.view()).Text(r.State.view()).Text(r.Zip.view()).Text(r.Country.view());
    Text(r.Note.view()).Int(0).Int(r.CategoryId);
    for (const auto& custom : r.Custom)
        Text(custom.view());
    return Int(0);
}

PalmDatWriter& PalmDatWriter::Record(const palm::PmDateRec& r)
{
    Int(r.RecordId).Int(r.Status).Int(r.Placement).Date(r.Start).Int(r.End).Text(r.Description.view()).Int(0);
    Text(r.Note.view()).Bool(r.Untimed != 0).Bool(r.Private != 0).Int(r.CategoryId).Bool(r.AlarmSet != 0);
    return Int(r.AlarmAdvance).Int(r.AlarmUnit).Repeat(r.Repeat);
}

PalmDatWriter& PalmDatWriter::Record(const palm::PmTodoRec& r)
{
    Int(r.RecordId).Int(r.Status).Int(r.Placement).Text(r.Description.view()).Date(r.DueDate);
    return Bool(r.Completed != 0).Int(r.Priority).Bool(r.Private != 0).Int(r.CategoryId).Text(r.Note.view());
}

PalmDatWriter& PalmDatWriter::Record(const palm::PmMemoRec& r)
{
    return Int(r.RecordId).Int(r.Status).Int(r.Placement).Text(r.Memo.view()).Bool(r.Private != 0).Int(r.CategoryId);
}

std::string PalmDatWriter::File(const std::vector<palm::PmAddrExRec>& records, const std::vector<Category>& categories)
{
    return ExFile(kAddrEx, "address.dat", 74, 73, records, categories);
}
std::string PalmDatWriter::File(const std::vector<palm::PmDateExRec>& records, const std::vector<Category>& categories)
{
    return ExFile(kDateEx, "datebook.dat", 54, 27, records, categories);
}
std::string PalmDatWriter::File(const std::vector<palm::PmTodoExRec>& records, const std::vector<Category>& categories)
{
    return ExFile(kTodoEx, "todo.dat", 44, 25, records, categories);
}
std::string PalmDatWriter::File(const std::vector<palm::PmMemoExRec>& records, const std::vector<Category>& categories)
{
    return ExFile(kMemoEx, "memopad.dat", 64, 14, records, categories);
}
std::string PalmDatWriter::File(const std::vector<palm::PmAddrRec>& records, const std::vector<Category>& categories)
{
    return EarlyFile(kAddr, "address.dat", "Birthday\nSpouse\n", 74, 30, records, categories);
}
std::string PalmDatWriter::File(const std::vector<palm::PmDateRec>& records, const std::vector<Category>& categories)
{
    return EarlyFile(kDate, "datebook.dat", "", 54, 15, records, categories);
}
std::string PalmDatWriter::File(const std::vector<palm::PmTodoRec>& records, const std::vector<Category>& categories)
{
    return EarlyFile(kTodo, "todo.dat", "", 44, 10, records, categories);
}
std::string PalmDatWriter::File(const std::vector<palm::PmMemoRec>& records, const std::vector<Category>& categories)
{
    return EarlyFile(kMemo, "memopad.dat", "", 64, 6, records, categories);
}

}  // namespace velmora::tools

#include "PmDBEx2Util.h"

#include "palm/PalmConversions.h"
#include "palm/PalmUsers.h"
#include "palm/dat/PmTime.h"

#include "diagnostics/CxDebugUtil.h"
#include "platform/CodePage.h"

#include <cstdlib>
#include <filesystem>

namespace velmora::palm {
namespace {

using diagnostics::CxDebugUtil;

// The decimal text-to-integer rule: blanks, a sign, then the leading digits.
std::int32_t DecimalOf(std::string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ')
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+'))
        negative = text[pos++] == '-';
    std::int64_t value = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos)
        value = std::min<std::int64_t>(value * 10 + (text[pos] - '0'), INT32_MAX);
    return static_cast<std::int32_t>(negative ? -value : value);
}

// The number at `pos`, up to the next blank or '+'.
std::int32_t NumberAt(std::string_view rule, std::size_t pos)
{
    if (pos >= rule.size())
        return 0;
    const auto end = rule.find_first_of(" +", pos);
    return DecimalOf(rule.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos));
}

std::int32_t NumberAfterFirstBlank(std::string_view rule)
{
    const auto blank = rule.find(' ');
    return blank == std::string_view::npos ? 0 : NumberAt(rule, blank + 1);
}

std::uint8_t DaysMask(std::string_view rule)
{
    static constexpr const char* kDays[] = {"SU ", "MO ", "TU ", "WE ", "TH ", "FR ", "SA "};
    std::uint8_t mask = 0;
    for (std::size_t day = 0; day < 7; ++day) {
        if (rule.find(kDays[day]) != std::string_view::npos)
            mask = static_cast<std::uint8_t>(mask | (1u << day));
    }
    return mask;
}

// After the last blank: "#0" for no end, else a date YYYYMMDD (a time after 'T' ignored) as
// local midnight.
std::int32_t EndDateOf(std::string_view rule)
{
    const auto blank = rule.rfind(' ');
    if (blank == std::string_view::npos)
        return 0;
    std::string_view end = rule.substr(blank + 1);
    if (end == "#0")
        return kPalmNoEnd;
    end = end.substr(0, 31);
    end = end.substr(0, end.find('T'));
    if (end.size() < 8)
        return 0;
    PmTime time;
    return time.FromFields(DecimalOf(end.substr(0, 4)), DecimalOf(end.substr(4, 2)), DecimalOf(end.substr(6, 2)), 0, 0, 0)
               ? time.GetValue()
               : 0;
}

}  // namespace

const PmCategoryEx2* PmCategoryEx2Mgr::FindByID(std::int32_t id) const
{
    for (const PmCategoryEx2& c : mCategories) {
        if (c.Id == id)
            return &c;
    }
    return nullptr;
}

bool ColumnAsInt(const PmDbValue& value, std::int32_t& target)
{
    if (value.ValueKind == PmDbValue::Kind::Integer) {
        target = value.Integer;
        return true;
    }
    if (value.ValueKind == PmDbValue::Kind::Text) {
        target = DecimalOf(value.Text);
        return true;
    }
    return false;
}

bool ColumnAsBool(const PmDbValue& value, std::int32_t& target)
{
    if (value.ValueKind != PmDbValue::Kind::Boolean)
        return false;
    target = value.Integer != 0 ? 1 : 0;
    return true;
}

bool ColumnAsText(const PmDbValue& value, std::string& target)
{
    if (value.ValueKind != PmDbValue::Kind::Text)
        return false;
    target = platform::Utf8ToAnsi(value.Text);
    return true;
}

PalmRepeat ParseRepeatRule(std::string_view rule, bool yearlyKnown, std::int32_t start)
{
    PalmRepeat repeat;
    if (rule.empty())
        return repeat;
    if (rule[0] == 'D') {
        repeat.Type = 1;
        repeat.Interval = NumberAt(rule, 1);
    } else if (rule[0] == 'W') {
        repeat.Type = 2;
        repeat.Interval = NumberAt(rule, 1);
        repeat.DaysMask = DaysMask(rule);
    } else if (rule.rfind("MP", 0) == 0) {
        repeat.Type = 3;
        repeat.Interval = NumberAt(rule, 2);
        repeat.WeekIndex = NumberAfterFirstBlank(rule) - 1;
        repeat.DaysMask = DaysMask(rule);
    } else if (rule.rfind("MD", 0) == 0) {
        repeat.Type = 4;
        repeat.Interval = NumberAt(rule, 2);
        repeat.DayOfMonth = NumberAfterFirstBlank(rule);
    } else if (rule[0] == 'Y' && yearlyKnown) {
        repeat.Type = 5;
        repeat.Interval = NumberAt(rule, 2);
        repeat.MonthIndex = NumberAfterFirstBlank(rule) - 1;
        repeat.DayOfMonth = PmTime(start).GetDay();
    } else {
        return repeat;
    }
    repeat.EndDate = EndDateOf(rule);
    return repeat;
}

bool PmDBEx2Util::OpenFile(int dataType, const std::string& path)
{
    std::error_code error;
    if (path.empty() || !std::filesystem::is_regular_file(path, error))
        return false;
    if (mAccessor)
        mAccessor->OpenDatabase(dataType, path);
    else
        mAccessor = std::make_unique<PmMDBAccessor>(dataType, path);
    LoadCategories();
    return true;
}

bool PmDBEx2Util::LoadCategories()
{
    VL_LOG(CxDebugUtil::kInfo, mKind.unit, "Start loading Palm Desktop category information.");
    mCategories.DeleteAll();
    PmDbRow row;
    for (bool fetched = mAccessor->SelectFirst("Category", {"ID", "Name", "Status", "Color"}, row); fetched;
         fetched = mAccessor->SelectNext(mAccessor->Statement(), row)) {
        PmCategoryEx2 category;
        if (row.size() == 4) {
            ColumnAsInt(row[0], category.Id);
            ColumnAsText(row[1], category.Name);
            ColumnAsInt(row[2], category.Status);
            ColumnAsInt(row[3], category.Color);
        }
        mCategories.Add(category);
        VL_LOG(CxDebugUtil::kInfo, mKind.unit, "Category loaded: %s", category.Name.c_str());
    }
    VL_LOG(CxDebugUtil::kInfo, mKind.unit, "Categories information loaded successfully.");
    return true;
}

std::string PmDBEx2Util::CategoryName(std::int32_t id) const
{
    const PmCategoryEx2* category = mCategories.FindByID(id);
    return category != nullptr ? std::string(category->Name.view()) : std::string();
}

bool PmDBEx2Util::LoadByUser(std::uint32_t userId)
{
    VL_LOG(CxDebugUtil::kInfo, mKind.unit, mKind.byUserLine, static_cast<int>(userId));
    std::string path;
    if (!GetUserDataFile(userId, mKind.subfolder, mKind.file, path)) {
        VL_LOG(CxDebugUtil::kError, mKind.unit, "Failed to get user database path by user ID.");
        return false;
    }
    VL_LOG(CxDebugUtil::kInfo, mKind.unit, "Get user file successfully, try loading file:%s", path.c_str());
    return LoadFile(path);
}

bool PmDBEx2Util::LoadFile(const std::string& path)
{
    if (path.empty()) {
        if (mKind.emptyPathLine != nullptr)
            VL_LOG(CxDebugUtil::kError, mKind.unit, "%s", mKind.emptyPathLine);
        return false;
    }
    VL_LOG(CxDebugUtil::kInfo, mKind.unit, mKind.loadingLine, path.c_str());
    if (!OpenFile(mKind.dataType, path)) {
        VL_LOG(CxDebugUtil::kError, mKind.unit, mKind.openFailedLine, path.c_str());
        return false;
    }
    return LoadMain();
}

bool PmDBEx2Util::LoadMain()
{
    VL_LOG(CxDebugUtil::kInfo, mKind.unit, "Start loading Palm Desktop %s main records.", mKind.loadName);
    ClearStore();
    PmDbRow row;
    bool fetched = mAccessor->SelectFirst("Main", mKind.columns, row);
    if (fetched)
        VL_LOG(CxDebugUtil::kInfo, mKind.unit, "Query first record in the %s database table successfully.", mKind.queryName);
    else
        VL_LOG(CxDebugUtil::kError, mKind.unit,
               "Failed to query the first record of the %s main table. Check if there is any records in the database table.",
               mKind.queryName);
    while (fetched) {
        AddRow(row.size() == mKind.columns.size() ? row : PmDbRow());
        fetched = mAccessor->SelectNext(mAccessor->Statement(), row);
        if (!fetched)
            VL_LOG(CxDebugUtil::kInfo, mKind.unit,
                   "Failed to query the next record of the %s main table. Check if it is the end of the table.",
                   mKind.queryName);
    }
    VL_LOG(CxDebugUtil::kInfo, mKind.unit, "Loading Palm Desktop %s main records completed successfully.", mKind.loadName);
    return true;
}

}  // namespace velmora::palm

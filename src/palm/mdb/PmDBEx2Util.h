#pragma once

#include "PalmEx2Records.h"
#include "PmMDBAccessor.h"

#include "palm/dat/PmDataMgr.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::palm {

// A category of a Palm Desktop 6 database ("Category": ID, Name, Status, Color).
struct PmCategoryEx2 {
    std::int32_t Id = 0;
    Text<256> Name;
    std::int32_t Status = 0;
    std::int32_t Color = 0;
};

// The categories in table order.
class PmCategoryEx2Mgr {
public:
    void Add(const PmCategoryEx2& category) { mCategories.push_back(category); }
    void DeleteAll() { mCategories.clear(); }
    std::size_t Count() const { return mCategories.size(); }
    const PmCategoryEx2* FindByID(std::int32_t id) const;

private:
    std::vector<PmCategoryEx2> mCategories;
};

// Column readers: as integer (integers, and texts by their leading decimal digits), as boolean
// (booleans only, non-zero giving 1), as text (texts only, in Windows-1252, cut to the field).
// A value of another kind fails and leaves the target as it was.
bool ColumnAsInt(const PmDbValue& value, std::int32_t& target);
bool ColumnAsBool(const PmDbValue& value, std::int32_t& target);
bool ColumnAsText(const PmDbValue& value, std::string& target);
template <std::size_t N>
bool ColumnAsText(const PmDbValue& value, Text<N>& target)
{
    std::string text;
    if (!ColumnAsText(value, text))
        return false;
    target = text;
    return true;
}

// A recurrence rule as Palm Desktop 6 stores it ("D1 #0", "W1 MO WE 20101231T000000",
// "MP1 2+ TU #0", "MD1 15 #0", "YM1 3 #0"): daily, weekly with the days named, monthly by the
// n-th week with the days named, monthly by date, yearly by month (calendar only, the day being
// that of `start`); the end after the last blank, "#0" for none. Anything else is no recurrence.
PalmRepeat ParseRepeatRule(std::string_view rule, bool yearlyKnown, std::int32_t start);

// What tells the four Palm Desktop 6 databases apart.
struct Ex2Kind {
    int dataType;
    const char* unit;
    const char* queryName;       // "Contacts", "Calendar", "Task", "Memo"
    const char* subfolder;
    const char* file;
    const char* emptyPathLine;   // null: an empty path fails silently
    const char* loadingLine;     // %s
    const char* openFailedLine;  // %s
    const char* byUserLine;      // %d
    const char* loadName;        // "Contacts", "Calendar", "Tasks", "Memos"
    std::vector<std::string> columns;
};

// The columns of "Main" that the reader of a data type (1-4) selects, in order; empty for
// other data types.
const std::vector<std::string>& Ex2Columns(int dataType);

// The base of the Palm Desktop 6 readers: the accessor and the category list.
class PmDBEx2Util {
public:
    virtual ~PmDBEx2Util() = default;

    // False for an empty path or a missing file; true otherwise, even when the database cannot
    // be read (the loads then find no rows).
    bool OpenFile(int dataType, const std::string& path);
    bool LoadCategories();
    const PmCategoryEx2Mgr& Categories() const { return mCategories; }

    bool LoadByUser(std::uint32_t userId);
    bool LoadFile(const std::string& path);
    bool Loaded() const { return mLoaded; }

protected:
    explicit PmDBEx2Util(const Ex2Kind& kind) : mKind(kind) {}
    // Clears the store, then takes the rows of "Main" one by one.
    virtual void ClearStore() = 0;
    virtual void AddRow(const PmDbRow& row) = 0;
    std::string CategoryName(std::int32_t id) const;

    const Ex2Kind& mKind;
    bool mLoaded = false;

private:
    bool LoadMain();

    std::unique_ptr<PmMDBAccessor> mAccessor;
    PmCategoryEx2Mgr mCategories;
};

// A reader of one record kind.
template <class Rec>
class PmEx2Reader : public PmDBEx2Util {
public:
    PmDataMgr<Rec>& GetDataMgr() { return mStore; }
    std::int32_t LargestRecordId() const { return mLargestId; }

protected:
    using PmDBEx2Util::PmDBEx2Util;
    // Reads a row of the kind's columns into the record, then derives what the kind derives.
    virtual void Read(Rec& record, const PmDbRow& row) = 0;

    void ClearStore() override
    {
        mStore.Clear();
        mLargestId = 0;
    }
    void AddRow(const PmDbRow& row) override
    {
        Rec record;
        Read(record, row);
        mLargestId = std::max(mLargestId, record.RecordId);
        mStore.Add(std::move(record));
    }

private:
    PmDataMgr<Rec> mStore;
    std::int32_t mLargestId = 0;
};

class PmAddrEx2Util final : public PmEx2Reader<PmAddrEx2Rec> {
public:
    PmAddrEx2Util();
    explicit PmAddrEx2Util(const std::string& path);

private:
    void Read(PmAddrEx2Rec& record, const PmDbRow& row) override;
};

class PmDateEx2Util final : public PmEx2Reader<PmDateEx2Rec> {
public:
    PmDateEx2Util();
    explicit PmDateEx2Util(const std::string& path);

private:
    void Read(PmDateEx2Rec& record, const PmDbRow& row) override;
};

class PmTodoEx2Util final : public PmEx2Reader<PmTodoEx2Rec> {
public:
    PmTodoEx2Util();
    explicit PmTodoEx2Util(const std::string& path);

private:
    void Read(PmTodoEx2Rec& record, const PmDbRow& row) override;
};

class PmMemoEx2Util final : public PmEx2Reader<PmMemoEx2Rec> {
public:
    PmMemoEx2Util();
    explicit PmMemoEx2Util(const std::string& path);

private:
    void Read(PmMemoEx2Rec& record, const PmDbRow& row) override;
};

}  // namespace velmora::palm

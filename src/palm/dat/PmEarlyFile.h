#pragma once

#include "PmDBUtil.h"
#include "PmDataMgr.h"

#include <array>
#include <cstdint>
#include <string>
#include <utility>

namespace velmora::palm {

// What tells the four kinds of earlier file apart: version value, sizes and log texts.
struct EarlyFileKind {
    LoadTexts load;
    std::uint32_t version;
    std::size_t nameCapacity;        // of the file name
    std::size_t secondTextCapacity;  // of the text after it; 0: the contacts' custom labels
    std::size_t fields;              // the fields a record of this kind has
    const char* subfolder;
    const char* file;
    const char* byUserLine;          // with %d and %s; null: none
    const char* noUserLine;          // with %d; null: none
    bool logsUnknownFields;          // contacts log each field index past their last
    // Contacts log each failed step with its own line; null entries log nothing: open (with
    // %s), version, file name, records.
    const char* stepLines[4];
};

// A data file of Palm Desktop before 4.1.2. Layout, integers little-endian:
//
//   Long       version value of the file kind
//   CString    the database's own file name
//   contacts:  custom labels: a length (byte, or 0xFF and a Short) and that many bytes of up
//              to four LF-separated labels; the others: a CString, kept and not used
//   categories (see PmDBUtil::LoadCategories)
//   schema:    Longs resource ID, fields per row, record ID, status and placement positions;
//              Short field count; that many Short field types
//   records:   Long total number of fields; then total / fields per row records of "fields
//              per row" typed fields each, decoded by their index
//
// A damaged record area keeps the records before the damage and the load succeeds.
class PmEarlyFile : public PmDBUtil {
public:
    bool LoadByUser(std::uint32_t userId);
    bool LoadFile(const std::string& path);
    // The same over the bytes of a file held in memory.
    bool LoadData(const void* data, std::size_t size);
    bool Loaded() const { return mLoaded; }

    const std::string& DatabaseName() const { return mDatabaseName; }
    const std::string& SecondText() const { return mSecondText; }
    // The address book's custom-field labels, at most four, from the text of the file header.
    const std::array<std::string, 9>& CustomLabels() const { return mCustomLabels; }

protected:
    explicit PmEarlyFile(const EarlyFileKind& kind) : mKind(kind) {}

    virtual bool LoadRecords() = 0;
    bool ReadRecordCount(std::uint32_t& records);
    void LogUnknownField(std::size_t index);
    void LogRecordError();
    std::int32_t FieldsPerRow() const { return mFieldsPerRow; }

    const EarlyFileKind& mKind;
    bool mLoaded = false;

private:
    const char* ReadSteps(const std::string& path);
    const char* ReadContent();
    bool LoadCustomLabels();
    bool LoadSchema();

    std::string mDatabaseName;
    std::string mSecondText;
    std::array<std::string, 9> mCustomLabels;
    std::int32_t mFieldsPerRow = 0;
};

// An earlier reader of one record kind. A record whose fields cannot all be read ends the
// record area; `Keep` may drop a record that was read whole.
template <class Rec>
class PmEarlyReader : public PmEarlyFile {
public:
    PmDataMgr<Rec>& GetDataMgr() { return mStore; }

protected:
    using PmEarlyFile::PmEarlyFile;

    virtual bool ReadField(Rec& record, std::size_t index) = 0;
    virtual bool Keep(const Rec&) const { return true; }

    bool LoadRecords() override
    {
        mStore.Clear();
        std::uint32_t records = 0;
        if (!ReadRecordCount(records))
            return false;
        const auto fields = static_cast<std::size_t>(FieldsPerRow());
        for (std::uint32_t r = 0; r < records; ++r) {
            Rec record;
            for (std::size_t index = 0; index < fields; ++index) {
                if (index >= mKind.fields) {
                    LogUnknownField(index);
                } else if (!ReadField(record, index)) {
                    LogRecordError();
                    return true;  // the records before the damage stay
                }
            }
            if (Keep(record))
                mStore.Add(std::move(record));
        }
        return true;
    }

private:
    PmDataMgr<Rec> mStore;
};

class PmAddrUtil final : public PmEarlyReader<PmAddrRec> {
public:
    PmAddrUtil();
    explicit PmAddrUtil(const std::string& path);

private:
    bool ReadField(PmAddrRec& record, std::size_t index) override;
};

class PmDateUtil final : public PmEarlyReader<PmDateRec> {
public:
    PmDateUtil();
    explicit PmDateUtil(const std::string& path);

private:
    bool ReadField(PmDateRec& record, std::size_t index) override;
    // Entries whose start or end is -1 are left out.
    bool Keep(const PmDateRec& record) const override { return record.Start != -1 && record.End != -1; }
};

class PmTodoUtil final : public PmEarlyReader<PmTodoRec> {
public:
    PmTodoUtil();
    explicit PmTodoUtil(const std::string& path);

private:
    bool ReadField(PmTodoRec& record, std::size_t index) override;
};

class PmMemoUtil final : public PmEarlyReader<PmMemoRec> {
public:
    PmMemoUtil();
    explicit PmMemoUtil(const std::string& path);

private:
    bool ReadField(PmMemoRec& record, std::size_t index) override;
};

}  // namespace velmora::palm

#pragma once

#include "PmDBUtil.h"
#include "PmDataMgr.h"

#include <array>
#include <cstdint>
#include <string>
#include <utility>

namespace velmora::palm {

// What tells the four kinds of 4.x file apart: version value, sizes and log texts.
struct ExFileKind {
    LoadTexts load;
    const char* name;          // "Contacts", "Calendar", "Tasks", "Memos"
    std::uint32_t version;
    std::size_t reserved2;     // bytes after the file name
    bool customLabels;         // contacts: nine custom labels and 42 more reserved bytes
    std::size_t fields;        // the fields a record of this kind has
    const char* subfolder;     // in the user's data folder
    const char* file;
    const char* byUserLine;    // "Start loading Palm Desktop Contacts by user ID: %d"
    const char* recordsFailed; // "Failed to load Contacts records."
};

// A data file of Palm Desktop 4.1.2 and later. Layout, integers little-endian:
//
//   24 bytes   magic: BE BA FE CA 0F (not checked) "PalmSG Database00RV"
//   Long       version value of the file kind
//   24 bytes   reserved
//   CString    the database's own file name (at most 260)
//   n bytes    reserved (11 for contacts, 43 for the other kinds)
//   contacts:  9 x (CString custom label, Long), then 42 reserved bytes
//   categories (see PmDBUtil::LoadCategories)
//   schema:    Longs resource ID, fields per row, record ID, status and placement positions;
//              Short field count; that many Short field types
//   records:   Long total number of fields; then total / fields per row records, each made of
//              "field count" typed fields decoded by their index
class PmExFile : public PmDBUtil {
public:
    struct Schema {
        std::int32_t ResourceId = 0;
        std::int32_t FieldsPerRow = 0;
        std::int32_t RecordIdPosition = 0;
        std::int32_t StatusPosition = 0;
        std::int32_t PlacementPosition = 0;
        std::uint16_t FieldCount = 0;
        std::vector<std::uint16_t> FieldTypes;
    };

    // The user's file of this kind (in the user's data folder).
    bool LoadByUser(std::uint32_t userId);
    // Every step logs its own failure; the file is closed afterwards in every case.
    bool LoadFile(const std::string& path);
    // The same over the bytes of a file held in memory.
    bool LoadData(const void* data, std::size_t size);
    // The result of the load done by a constructor given a path.
    bool Loaded() const { return mLoaded; }

    const std::string& DatabaseName() const { return mDatabaseName; }
    const std::array<std::string, 9>& CustomLabels() const { return mCustomLabels; }

protected:
    explicit PmExFile(const ExFileKind& kind) : mKind(kind) {}

    // Reads the record area into the store; false after a damaged record.
    virtual bool LoadRecords() = 0;
    // The record count from the total number of fields; false when it cannot be read.
    bool ReadRecordCount(std::uint32_t& records);
    // Logs the record-error line with the current position.
    void LogRecordError();
    // Fields 0-12, which every kind shares; the category's name is looked up with its ID.
    static constexpr std::size_t kHeadFields = 13;
    template <std::size_t N>
    bool ReadHeadField(PmExRecordHead& head, Text<N>& categoryName, std::size_t index)
    {
        if (!ReadHeadField(head, index))
            return false;
        if (index == 5)
            categoryName = CategoryName(head.CategoryId);
        return true;
    }

    const ExFileKind& mKind;
    Schema mSchema;
    bool mLoaded = false;

private:
    // Runs the steps; null on success, else the failed step's line ("" when already logged).
    const char* ReadSteps(const std::string& path);
    const char* ReadContent();
    bool CheckMagic();
    bool CheckVersion();
    bool LoadDescription();
    bool LoadCustomLabels();
    bool LoadSchema();
    bool Reserved(std::string& area, std::size_t size, const char* what);
    bool ReadHeadField(PmExRecordHead& head, std::size_t index);
    std::string CategoryName(std::int32_t id) const;

    std::string mReserved1, mReserved2, mReserved3;
    std::string mDatabaseName;
    std::array<std::string, 9> mCustomLabels;
};

// A 4.x reader of one record kind: reads each record field by field through ReadField.
template <class Rec>
class PmExReader : public PmExFile {
public:
    PmDataMgr<Rec>& GetDataMgr() { return mStore; }

protected:
    using PmExFile::PmExFile;

    virtual bool ReadField(Rec& record, std::size_t index) = 0;

    bool LoadRecords() override
    {
        mStore.Clear();
        std::uint32_t records = 0;
        if (!ReadRecordCount(records))
            return false;
        for (std::uint32_t r = 0; r < records; ++r) {
            Rec record;
            for (std::size_t index = 0; index < mSchema.FieldCount; ++index) {
                if (!ReadField(record, index)) {
                    LogRecordError();
                    return false;
                }
            }
            mStore.Add(std::move(record));
        }
        return true;
    }

private:
    PmDataMgr<Rec> mStore;
};

// The contacts of address\address.dat.
class PmAddrExUtil final : public PmExReader<PmAddrExRec> {
public:
    PmAddrExUtil();
    explicit PmAddrExUtil(const std::string& path);

private:
    bool ReadField(PmAddrExRec& record, std::size_t index) override;
};

// The calendar of datebook\datebook.dat.
class PmDateExUtil final : public PmExReader<PmDateExRec> {
public:
    PmDateExUtil();
    explicit PmDateExUtil(const std::string& path);

private:
    bool ReadField(PmDateExRec& record, std::size_t index) override;
};

// The to-do list of todo\todo.dat.
class PmTodoExUtil final : public PmExReader<PmTodoExRec> {
public:
    PmTodoExUtil();
    explicit PmTodoExUtil(const std::string& path);

private:
    bool ReadField(PmTodoExRec& record, std::size_t index) override;
};

// The memos of memopad\memopad.dat.
class PmMemoExUtil final : public PmExReader<PmMemoExRec> {
public:
    PmMemoExUtil();
    explicit PmMemoExUtil(const std::string& path);

private:
    bool ReadField(PmMemoExRec& record, std::size_t index) override;
};

}  // namespace velmora::palm

#pragma once

#include "model/CxFile.h"
#include "model/TextValue.h"

#include <algorithm>
#include <ranges>
#include <cstdint>
#include <cstdio>
#include <string>

namespace velmora::connectors {

// The binary record files of the helper exchange: a 32-bit record count, then the records, each
// its fields in order as the record's VisitFileFields lists them: texts as a 32-bit length and
// that many bytes without terminator, integers in 4 bytes, flags in 4 bytes (the value in the
// first), dates as 8-byte doubles, all little-endian. Connectors and helpers of every family
// read and write their data files with these functions.

namespace detail {

struct FieldReader {
    model::CxFile& file;
    bool ok = true;
    template <std::size_t N>
    void Text(const char*, model::Text<N>& value) { ok = ok && file.ReadString(value); }
    void Int(const char*, std::int32_t& value) { ok = ok && file.ReadInt32(value); }
    void Date(const char*, double& value) { ok = ok && file.ReadDouble(value); }
    void Flag(const char*, std::uint8_t& value)
    {
        bool flag = false;
        ok = ok && file.ReadFlag(flag);
        value = flag ? 1 : 0;
    }
};

struct FieldWriter {
    model::CxFile& file;
    bool ok = true;
    template <std::size_t N>
    void Text(const char*, const model::Text<N>& value) { ok = ok && file.WriteString(value.view()); }
    void Int(const char*, std::int32_t value) { ok = ok && file.WriteInt32(value); }
    void Date(const char*, double value) { ok = ok && file.WriteDouble(value); }
    void Flag(const char*, std::uint8_t value) { ok = ok && file.WriteFlag(value != 0); }
};

// Every element of an array field, in order.
template <class Visitor, class Array>
void VisitInts(Visitor& v, Array& values)
{
    for (auto& value : values)
        v.Int("", value);
}

template <class Visitor, class Array>
void VisitTexts(Visitor& v, Array& values)
{
    for (auto& value : values)
        v.Text("", value);
}

template <class Visitor, class Array>
void VisitDates(Visitor& v, Array& values)
{
    for (auto& value : values)
        v.Date("", value);
}

}  // namespace detail

// Reading fails on a record the file ends inside.
template <class Rec>
bool ReadRecord(model::CxFile& file, Rec& record)
{
    detail::FieldReader reader{file};
    VisitFileFields(record, reader);
    return reader.ok;
}

template <class Rec>
bool WriteRecord(model::CxFile& file, const Rec& record)
{
    detail::FieldWriter writer{file};
    VisitFileFields(record, writer);
    return writer.ok;
}

enum class DataFileResult { Ok, CannotOpen, Damaged };

// Calls onCount(count) once the count is read, then onRecord(Rec&&) for each record; a file that
// ends before its count is satisfied, or a negative count, is damaged. onRecord returns false
// to stop reading (the result is then Damaged).
template <class Rec, class OnCount, class OnRecord>
DataFileResult ReadDataFile(const std::string& path, OnCount onCount, OnRecord onRecord)
{
    model::CxFile file;
    if (!file.Open(path, "rb"))
        return DataFileResult::CannotOpen;
    std::int32_t count = 0;
    if (!file.ReadInt32(count) || count < 0)
        return DataFileResult::Damaged;
    onCount(count);
    for (std::int32_t i = 0; i < count; ++i) {
        Rec record;
        if (!ReadRecord(file, record) || !onRecord(std::move(record)))
            return DataFileResult::Damaged;
    }
    return DataFileResult::Ok;
}

// Reads a data file into a manager: each record converted by `convert(raw)` (which may adjust
// the raw record first) is stored in the manager, and the raw record kept at the end of `kept`
// (a PackedRecords list) and attached to the stored record as its source data. The caller
// clears both when the result is not Ok.
template <class Rec, class Manager, class Kept, class OnCount, class Convert>
DataFileResult ReadDataFileInto(const std::string& path, Manager& manager, Kept& kept, OnCount onCount, Convert convert)
{
    return ReadDataFile<Rec>(path, onCount, [&](Rec&& raw) {
        auto* stored = manager.Add(convert(raw));
        if (stored == nullptr)
            return false;
        kept.push_back(raw);
        stored->SourceData.PointAt(kept, static_cast<std::uint32_t>(kept.size() - 1));
        return true;
    });
}

// Writes a data file record by record beside its place, and renames the result over it once it
// is complete, so that a reader never meets half a file. A writer that ends uncommitted leaves
// nothing behind.
class DataFileWriter {
public:
    DataFileWriter() = default;
    DataFileWriter(const DataFileWriter&) = delete;
    DataFileWriter& operator=(const DataFileWriter&) = delete;
    ~DataFileWriter()
    {
        if (mFile.IsOpen()) {
            mFile.Close();
            std::remove(mPart.c_str());
        }
    }

    // Starts the file of `count` records.
    DataFileResult Open(const std::string& path, std::int32_t count)
    {
        mPath = path;
        mPart = path + ".part";
        if (!mFile.Open(mPart, "wb"))
            return DataFileResult::CannotOpen;
        mWritten = mFile.WriteInt32(count);
        return DataFileResult::Ok;
    }
    template <class Rec>
    void Write(const Rec& record)
    {
        mWritten = mWritten && WriteRecord(mFile, record);
    }
    // Ends the file after as many records as it announced.
    DataFileResult Commit()
    {
        const bool written = mWritten && mFile.Flush();
        mFile.Close();
        if (!written || std::rename(mPart.c_str(), mPath.c_str()) != 0) {
            std::remove(mPart.c_str());
            return DataFileResult::Damaged;
        }
        return DataFileResult::Ok;
    }

private:
    model::CxFile mFile;
    std::string mPath, mPart;
    bool mWritten = false;
};

// Writes the records, any range of them, as one data file. onCount(count) is called once the
// file is open.
template <class Records, class OnCount>
DataFileResult WriteDataFile(const std::string& path, Records&& records, OnCount onCount)
{
    const auto count = static_cast<std::int32_t>(std::ranges::distance(records));
    DataFileWriter writer;
    if (const DataFileResult opened = writer.Open(path, count); opened != DataFileResult::Ok)
        return opened;
    onCount(count);
    for (const auto& record : records)
        writer.Write(record);
    return writer.Commit();
}

}  // namespace velmora::connectors

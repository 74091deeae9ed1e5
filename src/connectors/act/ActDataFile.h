#pragma once

#include "ActRecords.h"

#include "model/CxFile.h"

#include <cstdio>
#include <string>

namespace velmora::connectors {

// An ACT! data file: a 32-bit record count, then the records (ActRecords.h). Connectors and the
// stand-in helpers read and write it with these two functions.
enum class DataFileResult { Ok, CannotOpen, Damaged };

// Calls onCount(count) once the count is read, then onRecord(Raw&&) for each record; a file that
// ends before its count is satisfied, or a negative count, is damaged. onRecord returns false
// to stop reading (the result is then Damaged).
template <class Raw, class OnCount, class OnRecord>
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
        Raw record;
        if (!ReadRecord(file, record) || !onRecord(std::move(record)))
            return DataFileResult::Damaged;
    }
    return DataFileResult::Ok;
}

// Writes beside the file and renames the result over it once it is complete, so a reader never
// meets half a file. onCount(count) is called once the file is open.
template <class Records, class OnCount>
DataFileResult WriteDataFile(const std::string& path, const Records& records, OnCount onCount)
{
    const std::string part = path + ".part";
    model::CxFile file;
    if (!file.Open(part, "wb"))
        return DataFileResult::CannotOpen;
    const auto count = static_cast<std::int32_t>(records.size());
    onCount(count);
    bool written = file.WriteInt32(count);
    for (const auto& record : records)
        written = written && WriteRecord(file, record);
    written = written && file.Flush();
    file.Close();
    if (!written || std::rename(part.c_str(), path.c_str()) != 0) {
        std::remove(part.c_str());
        return DataFileResult::Damaged;
    }
    return DataFileResult::Ok;
}

}  // namespace velmora::connectors

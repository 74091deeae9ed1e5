#pragma once

#include "SaveFile.h"
#include "palm/dat/PalmRecords.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::tools {

// Writes Palm Desktop .dat files value by value, in the layouts the readers of src/palm/dat
// read: the 4.x files of Palm Desktop 4.1.2 and later and the earlier files. Tests use it to
// build files with exactly the damage they need; the demo builds a Palm user with it.
class PalmDatWriter {
public:
    struct Category {
        std::int32_t Index;
        std::int32_t Id;
        std::string Name;
    };

    // Raw values, little-endian.
    PalmDatWriter& Long(std::int32_t value);
    PalmDatWriter& Short(std::uint16_t value);
    PalmDatWriter& Byte(std::uint8_t value);
    PalmDatWriter& Raw(std::string_view bytes);
    // Length byte (0xFF and a Short from 255 on), then the text.
    PalmDatWriter& CString(std::string_view text);

    // Typed fields.
    PalmDatWriter& Int(std::int32_t value, std::int32_t tag = 1);
    PalmDatWriter& Date(std::int32_t seconds) { return Int(seconds, 3); }
    PalmDatWriter& Bool(bool value) { return Int(value ? 1 : 0, 6); }
    PalmDatWriter& Text(std::string_view text);
    PalmDatWriter& Double(double value, std::int32_t tag = 68);
    PalmDatWriter& Ext(const palm::PalmExtField& field);
    // The repeat event: the first repeating record of a file defines the class, later ones
    // refer to it (DefineClassOnce keeps track).
    PalmDatWriter& Repeat(const palm::PalmRepeat& repeat, const std::vector<std::int32_t>& exceptions = {});

    // 4.x header: magic, version, reserved 1, file name, reserved 2 (11 bytes for contacts,
    // else 43), and for contacts the nine custom labels and reserved 3.
    PalmDatWriter& ExHeader(std::uint32_t version, std::string_view fileName,
                            const std::vector<std::string>& customLabels = {});
    // Earlier header: version, file name, then the second text (the contacts' custom labels).
    PalmDatWriter& EarlyHeader(std::uint32_t version, std::string_view fileName, std::string_view secondText);
    PalmDatWriter& Categories(const std::vector<Category>& categories, std::int32_t nextFeedId = 128);
    // Schema with `fieldCount` field types (all 1) and the total number of fields after it.
    PalmDatWriter& Schema(std::int32_t resourceId, std::int32_t fieldsPerRow, std::uint16_t fieldCount,
                          std::int32_t totalFields);

    // Whole records, field by field in index order.
    PalmDatWriter& Record(const palm::PmAddrExRec& r);
    PalmDatWriter& Record(const palm::PmDateExRec& r);
    PalmDatWriter& Record(const palm::PmTodoExRec& r);
    PalmDatWriter& Record(const palm::PmMemoExRec& r);
    PalmDatWriter& Record(const palm::PmAddrRec& r);
    PalmDatWriter& Record(const palm::PmDateRec& r);
    PalmDatWriter& Record(const palm::PmTodoRec& r);
    PalmDatWriter& Record(const palm::PmMemoRec& r);

    // Whole files of one kind: header, categories, schema as Palm Desktop writes it, records.
    static std::string File(const std::vector<palm::PmAddrExRec>& records, const std::vector<Category>& categories = {});
    static std::string File(const std::vector<palm::PmDateExRec>& records, const std::vector<Category>& categories = {});
    static std::string File(const std::vector<palm::PmTodoExRec>& records, const std::vector<Category>& categories = {});
    static std::string File(const std::vector<palm::PmMemoExRec>& records, const std::vector<Category>& categories = {});
    static std::string File(const std::vector<palm::PmAddrRec>& records, const std::vector<Category>& categories = {});
    static std::string File(const std::vector<palm::PmDateRec>& records, const std::vector<Category>& categories = {});
    static std::string File(const std::vector<palm::PmTodoRec>& records, const std::vector<Category>& categories = {});
    static std::string File(const std::vector<palm::PmMemoRec>& records, const std::vector<Category>& categories = {});

    const std::string& Bytes() const { return mBytes; }
    std::size_t Size() const { return mBytes.size(); }

private:
    PalmDatWriter& Head(const palm::PmExRecordHead& head);

    std::string mBytes;
    bool mClassDefined = false;
};

}  // namespace velmora::tools

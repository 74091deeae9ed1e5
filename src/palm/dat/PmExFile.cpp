#include "PmExFile.h"

#include "palm/PalmUsers.h"

#include "diagnostics/CxDebugUtil.h"
#include "platform/HexDump.h"


#include <algorithm>
#include <cstring>

namespace velmora::palm {
namespace {

using diagnostics::CxDebugUtil;

constexpr char kMagic[] = "PalmSG Database00RV";
constexpr std::size_t kMagicSize = 24;
constexpr std::size_t kMagicPrefix = 5;

constexpr CategoryTexts kCategoryTexts{
    "Failed to read the next feed ID.",
    "Failed to read categories count.",
    "Failed to read category index.",
    "Failed to read category ID.",
    "Failed to read category dirty field.",
    "Failed to read category name.",
    "Failed to read category file name.",
    "Failed to add category information.",
};

}  // namespace

bool PmExFile::LoadByUser(std::uint32_t userId)
{
    VL_LOG(CxDebugUtil::kInfo, mKind.load.unit, mKind.byUserLine, static_cast<int>(userId));
    std::string path;
    if (!GetUserDataFile(userId, mKind.subfolder, mKind.file, path)) {
        VL_LOG(CxDebugUtil::kError, mKind.load.unit, "Failed to get user database path by user ID.");
        return false;
    }
    VL_LOG(CxDebugUtil::kInfo, mKind.load.unit, "Get user file successfully, try loading file:%s", path.c_str());
    return LoadFile(path);
}

bool PmExFile::LoadFile(const std::string& path)
{
    mLoaded = BeginLoad(mKind.load, path) && EndLoad(mKind.load, path, ReadSteps(path));
    return mLoaded;
}

bool PmExFile::LoadData(const void* data, std::size_t size)
{
    mLoaded = LoadBytes(mKind.load, data, size, [this] { return ReadContent(); });
    return mLoaded;
}

const char* PmExFile::ReadSteps(const std::string& path)
{
    if (!Open(path, 2)) {
        VL_LOG(CxDebugUtil::kError, mKind.load.unit, "Failed to open file: %s", path.c_str());
        return "";
    }
    return ReadContent();
}

const char* PmExFile::ReadContent()
{
    if (!CheckMagic())
        return "Failed to check magic code.";
    if (!CheckVersion())
        return "Failed to check database version.";
    if (!LoadDescription())
        return "Failed to load database file descriptions.";
    if (mKind.customLabels && !LoadCustomLabels())
        return "Failed to load custom labels information.";
    if (!LoadCategories(mKind.load.unit, kCategoryTexts))
        return "Failed to load category information.";
    if (!LoadSchema())
        return "Failed to load database schema information.";
    if (!LoadRecords())
        return mKind.recordsFailed;
    return nullptr;
}

bool PmExFile::CheckMagic()
{
    VL_LOG(CxDebugUtil::kInfo, mKind.load.unit, "Start checking Palm Desktop %s database magic code.", mKind.name);
    char magic[kMagicSize + 1] = {};
    const bool read = ReadBytes(magic, kMagicSize);
    if (!read || std::memcmp(magic + kMagicPrefix, kMagic, kMagicSize - kMagicPrefix) != 0) {
        const std::string shown = read ? std::string(magic + kMagicPrefix, kMagicSize - kMagicPrefix) : std::string();
        VL_LOG(CxDebugUtil::kError, mKind.load.unit, "Incorrect database magic code: %s", shown.c_str());
        return false;
    }
    return true;
}

bool PmExFile::Reserved(std::string& area, std::size_t size, const char* what)
{
    area.assign(size, '\0');
    if (ReadBytes(area.data(), size))
        return true;
    VL_LOG(CxDebugUtil::kError, mKind.load.unit, "Failed to read %s field. Content=%s, Size=%d", what, "",
           static_cast<int>(BytesLeft()));
    return false;
}

bool PmExFile::CheckVersion()
{
    std::int32_t version = 0;
    if (!ReadLong(version) || static_cast<std::uint32_t>(version) != mKind.version) {
        VL_LOG(CxDebugUtil::kError, mKind.load.unit, "Incorrect database version:%d", version);
        return false;
    }
    return Reserved(mReserved1, 24, "reserved 1");
}

bool PmExFile::LoadDescription()
{
    if (!ReadCString(mDatabaseName, 260)) {
        VL_LOG(CxDebugUtil::kError, mKind.load.unit, "Failed to read database file name.");
        return false;
    }
    mDatabaseName.resize(std::min<std::size_t>(mDatabaseName.size(), 255));
    return Reserved(mReserved2, mKind.reserved2, "reserved 2");
}

bool PmExFile::LoadCustomLabels()
{
    for (std::string& label : mCustomLabels) {
        std::int32_t dropped = 0;
        if (!ReadCString(label, 256) || !ReadLong(dropped)) {
            VL_LOG(CxDebugUtil::kError, mKind.load.unit, "Failed to read custom label.");
            return false;
        }
    }
    return Reserved(mReserved3, 42, "reserved 3");
}

bool PmExFile::LoadSchema()
{
    const auto fail = [this](const char* message) {
        VL_LOG(CxDebugUtil::kError, mKind.load.unit, "%s", message);
        return false;
    };
    mSchema = Schema{};
    if (!ReadLong(mSchema.ResourceId))
        return fail("Failed to read resource ID.");
    if (!ReadLong(mSchema.FieldsPerRow))
        return fail("Failed to read fields per row.");
    if (!ReadLong(mSchema.RecordIdPosition))
        return fail("Failed to read Record ID Position.");
    if (!ReadLong(mSchema.StatusPosition))
        return fail("Failed to read Record Status Position.");
    if (!ReadLong(mSchema.PlacementPosition))
        return fail("Failed to read Placement Position.");
    if (!ReadShort(mSchema.FieldCount))
        return fail("Failed to read Fields Count.");
    // The record count is a quotient by the fields per row, and a record holds the kind's fields.
    if (mSchema.FieldsPerRow <= 0 || mSchema.FieldCount == 0 || mSchema.FieldCount > mKind.fields)
        return fail("Failed to read Fields Count.");
    for (std::uint16_t i = 0; i < mSchema.FieldCount; ++i) {
        std::uint16_t type = 0;
        if (!ReadShort(type)) {
            VL_LOG(CxDebugUtil::kError, mKind.load.unit, "Failed to read Field Type. Index=%d", i);
            return false;
        }
        mSchema.FieldTypes.push_back(type);
    }
    return true;
}

bool PmExFile::ReadRecordCount(std::uint32_t& records)
{
    VL_LOG(CxDebugUtil::kInfo, mKind.load.unit, "Start loading Palm Desktop %s records.", mKind.name);
    std::int32_t total = 0;
    if (!ReadLong(total)) {
        VL_LOG(CxDebugUtil::kError, mKind.load.unit, "Failed to read total fields count.");
        return false;
    }
    records = static_cast<std::uint32_t>(total) / static_cast<std::uint32_t>(mSchema.FieldsPerRow);
    return true;
}

void PmExFile::LogRecordError()
{
    VL_LOG(CxDebugUtil::kError, mKind.load.unit, "Error reading Palm Desktop %s, current file position: %d", mKind.name,
           static_cast<int>(GetFilePosition()));
}

std::string PmExFile::CategoryName(std::int32_t id) const
{
    std::string name;
    GetCategoryName(id, name);
    return name;
}

bool PmExFile::ReadHeadField(PmExRecordHead& head, std::size_t index)
{
    switch (index) {
    case 0: return ReadTypedInt(head.RecordId);
    case 2: return ReadTypedInt(head.Status);
    case 4: return ReadTypedInt(head.Placement);
    case 5: return ReadTypedInt(head.CategoryId);
    case 6: return ReadTypedInt(head.Private);
    case 7:
    case 8:
    case 9:
    case 10: return ReadExtField(head.Ext[index - 7]);
    case 11:
    case 12: return ReadUnusedText();
    default: return ReadUnusedInt();  // 1 and 3
    }
}

}  // namespace velmora::palm

#include "PmEarlyFile.h"

#include "palm/PalmUsers.h"

#include "diagnostics/CxDebugUtil.h"

namespace velmora::palm {
namespace {

using diagnostics::CxDebugUtil;

constexpr std::size_t kMaxCustomLabels = 4;
// Far more fields per row than any kind of file has (the address book has 30).
constexpr std::int32_t kMaxFieldsPerRow = 256;
constexpr std::size_t kMaxCustomLabelBytes = 512;

constexpr CategoryTexts kCategoryTexts{
    "Failed to read the next feed ID of the categories.",
    "Failed to read categories count.",
    "Failed to read category index.",
    "Failed to read category ID.",
    "Failed to read category dirty field.",
    "Failed to read the name of the category.",
    "Failed to read category file name.",
    "Failed to add category information.",
};

}  // namespace

bool PmEarlyFile::LoadByUser(std::uint32_t userId)
{
    std::string path;
    if (!GetUserDataFile(userId, mKind.subfolder, mKind.file, path)) {
        if (mKind.noUserLine != nullptr)
            VL_LOG(CxDebugUtil::kError, mKind.load.unit, mKind.noUserLine, static_cast<int>(userId));
        return false;
    }
    if (mKind.byUserLine != nullptr)
        VL_LOG(CxDebugUtil::kInfo, mKind.load.unit, mKind.byUserLine, static_cast<int>(userId), path.c_str());
    return LoadFile(path);
}

bool PmEarlyFile::LoadFile(const std::string& path)
{
    mLoaded = BeginLoad(mKind.load, path) && EndLoad(mKind.load, path, ReadSteps(path));
    return mLoaded;
}

bool PmEarlyFile::LoadData(const void* data, std::size_t size)
{
    mLoaded = LoadBytes(mKind.load, data, size, [this] { return ReadContent(); });
    return mLoaded;
}

const char* PmEarlyFile::ReadSteps(const std::string& path)
{
    if (!Open(path, 2)) {
        if (mKind.stepLines[0] != nullptr)
            VL_LOG(CxDebugUtil::kError, mKind.load.unit, mKind.stepLines[0], path.c_str());
        return "";
    }
    return ReadContent();
}

const char* PmEarlyFile::ReadContent()
{
    const auto step = [this](std::size_t which) { return mKind.stepLines[which] != nullptr ? mKind.stepLines[which] : ""; };
    std::int32_t version = 0;
    if (!ReadLong(version) || static_cast<std::uint32_t>(version) != mKind.version)
        return step(1);
    if (!ReadCString(mDatabaseName, mKind.nameCapacity))
        return step(2);
    if (mKind.secondTextCapacity == 0) {
        if (!LoadCustomLabels())
            return "Failed to load custom labels information.";
    } else if (!ReadCString(mSecondText, mKind.secondTextCapacity)) {
        return "";
    }
    if (!LoadCategories(mKind.load.unit, kCategoryTexts))
        return "Failed to load category information.";
    if (!LoadSchema())
        return "Failed to load database schema information.";
    if (!LoadRecords())
        return step(3);
    return nullptr;
}

// Up to four labels separated by LF, in a text of any length of which the part up to the
// fourth LF is kept (at most 512 bytes); the rest is passed over.
bool PmEarlyFile::LoadCustomLabels()
{
    VL_LOG(CxDebugUtil::kInfo, mKind.load.unit, "Start loading Palm Desktop address book custom label information.");
    std::uint8_t shortLength = 0;
    if (!ReadByte(shortLength)) {
        VL_LOG(CxDebugUtil::kError, mKind.load.unit, "Failed to read the length of custom labels.");
        return false;
    }
    std::size_t length = shortLength;
    if (shortLength == 0xFF) {
        std::uint16_t longLength = 0;
        if (!ReadShort(longLength)) {
            VL_LOG(CxDebugUtil::kError, mKind.load.unit, "Incorrect custom label length reading.");
            return false;
        }
        length = longLength;
    }
    std::string text(length, '\0');
    if (length > 0 && !ReadBytes(text.data(), length)) {
        VL_LOG(CxDebugUtil::kError, mKind.load.unit, "Custom label content reading error.");
        return false;
    }
    std::size_t kept = 0;
    std::size_t labels = 0;
    while (kept < text.size() && kept < kMaxCustomLabelBytes) {
        if (text[kept++] == '\n' && ++labels == kMaxCustomLabels) {
            VL_LOG(CxDebugUtil::kInfo, mKind.load.unit,
                   "For Palm Desktop ealier than v4.1.2, the max custom label is 4. Break now.");
            break;
        }
    }
    mSecondText = text.substr(0, kept);
    mCustomLabels = {};
    std::size_t label = 0;
    for (std::size_t begin = 0; begin < kept && label < kMaxCustomLabels;) {
        const std::size_t end = mSecondText.find('\n', begin);
        if (end == std::string::npos)
            break;
        std::string& name = mCustomLabels[label++];
        name = mSecondText.substr(begin, end - begin);
        if (!name.empty() && name.back() == '\r')
            name.pop_back();
        begin = end + 1;
    }
    return true;
}

bool PmEarlyFile::LoadSchema()
{
    const auto fail = [this](const char* message) {
        VL_LOG(CxDebugUtil::kError, mKind.load.unit, "%s", message);
        return false;
    };
    std::int32_t value = 0;
    if (!ReadLong(value))
        return fail("Failed to read schema resource ID.");
    if (!ReadLong(mFieldsPerRow))
        return fail("Failed to read fields per row.");
    if (!ReadLong(value))
        return fail("Failed to read resource ID field position.");
    if (!ReadLong(value))
        return fail("Failed to read status field position.");
    if (!ReadLong(value))
        return fail("Failed to read placement field position.");
    std::uint16_t count = 0;
    // The record count is a quotient by the fields per row, and the schema holds the kind's fields.
    // The fields past the kind's own read nothing, so a row announcing millions of them would
    // cost minutes per record doing nothing: a row holds at most kMaxFieldsPerRow.
    if (!ReadShort(count) || count > mKind.fields || mFieldsPerRow <= 0 || mFieldsPerRow > kMaxFieldsPerRow)
        return fail("Failed to read field count.");
    for (std::uint16_t i = 0; i < count; ++i) {
        std::uint16_t type = 0;
        if (!ReadShort(type)) {
            VL_LOG(CxDebugUtil::kError, mKind.load.unit, "Failed to read field type information. Field index=%d", i);
            return false;
        }
    }
    return true;
}

bool PmEarlyFile::ReadRecordCount(std::uint32_t& records)
{
    std::int32_t total = 0;
    if (!ReadLong(total)) {
        VL_LOG(CxDebugUtil::kError, mKind.load.unit, "Failed to read field count information.");
        return false;
    }
    records = static_cast<std::uint32_t>(total) / static_cast<std::uint32_t>(mFieldsPerRow);
    VL_LOG(CxDebugUtil::kInfo, mKind.load.unit, "Based on calculation, there are %d records in total.",
           static_cast<int>(records));
    return true;
}

void PmEarlyFile::LogUnknownField(std::size_t index)
{
    if (mKind.logsUnknownFields)
        VL_LOG(CxDebugUtil::kInfo, mKind.load.unit, "Unknown field ID read (ID=%d), ignore it.", static_cast<int>(index));
}

void PmEarlyFile::LogRecordError()
{
    VL_LOG(CxDebugUtil::kError, mKind.load.unit, "Damaged record at file position %d; the records before it are kept.",
           static_cast<int>(GetFilePosition()));
}

}  // namespace velmora::palm

#include "PmDBUtil.h"

#include "diagnostics/CxDebugUtil.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora::palm {
namespace {

constexpr std::size_t kBufferSize = 64 * 1024;

constexpr std::int32_t kTagInteger = 1;
constexpr std::int32_t kTagDate = 3;
constexpr std::int32_t kTagText = 5;
constexpr std::int32_t kTagBoolean = 6;
constexpr std::int32_t kTagRepeat = 8;

constexpr std::uint16_t kClassDefinition = 0xFFFF;

}  // namespace

PmDBUtil::PmDBUtil() : mBuffer(kBufferSize) {}

PmDBUtil::~PmDBUtil()
{
    Close();
}

bool PmDBUtil::Open(const std::string& path, int mode)
{
    Close();
    if (path.empty())
        return false;
    int flags = O_CLOEXEC;
    switch (mode) {
    case 0: flags |= O_RDONLY; break;
    case 1: flags |= O_WRONLY; break;
    case 2: flags |= O_RDWR; break;
    case 3: flags |= O_RDWR | O_CREAT | O_TRUNC; break;
    default: return false;
    }
    const int fd = ::open(path.c_str(), flags, 0600);
    if (fd < 0)
        return false;
    struct stat info {};
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return false;
    }
    mFd = fd;
    mPath = path;
    mFileSize = static_cast<std::uint64_t>(info.st_size);
    mBufferStart = 0;
    mBufferPos = mBufferEnd = 0;
    return true;
}

void PmDBUtil::OpenData(const void* data, std::size_t size)
{
    Close();
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    mBuffer.assign(bytes, bytes + (bytes != nullptr ? size : 0));
    mInMemory = true;
    mPath.clear();
    mFileSize = mBuffer.size();
    mBufferEnd = mBuffer.size();
}

void PmDBUtil::Close()
{
    if (mFd >= 0)
        ::close(mFd);  // releases the lock
    mFd = -1;
    if (mInMemory) {
        mInMemory = false;
        mBuffer.assign(kBufferSize, 0);
    }
    mBufferStart = 0;
    mBufferPos = mBufferEnd = 0;
}

std::int64_t PmDBUtil::GetFilePosition() const
{
    return IsOpen() ? static_cast<std::int64_t>(mBufferStart + mBufferPos) : 0;
}

std::uint64_t PmDBUtil::BytesLeft() const
{
    const auto position = static_cast<std::uint64_t>(GetFilePosition());
    return IsOpen() && position < mFileSize ? mFileSize - position : 0;
}

bool PmDBUtil::Fill()
{
    if (mInMemory)
        return false;  // everything is in the buffer already
    mBufferStart += mBufferEnd;
    mBufferPos = mBufferEnd = 0;
    for (;;) {
        const ssize_t got = ::read(mFd, mBuffer.data(), mBuffer.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        mBufferEnd = static_cast<std::size_t>(got);
        return true;
    }
}

bool PmDBUtil::ReadBytes(void* buffer, std::size_t count)
{
    if (!IsOpen() || buffer == nullptr || count == 0 || count > BytesLeft())
        return false;
    auto* out = static_cast<std::uint8_t*>(buffer);
    while (count > 0) {
        if (mBufferPos == mBufferEnd && !Fill())
            return false;
        const std::size_t take = std::min(count, mBufferEnd - mBufferPos);
        std::memcpy(out, mBuffer.data() + mBufferPos, take);
        mBufferPos += take;
        out += take;
        count -= take;
    }
    return true;
}

bool PmDBUtil::Skip(std::size_t count)
{
    if (!IsOpen() || count > BytesLeft())
        return false;
    while (count > 0) {
        if (mBufferPos == mBufferEnd && !Fill())
            return false;
        const std::size_t take = std::min(count, mBufferEnd - mBufferPos);
        mBufferPos += take;
        count -= take;
    }
    return true;
}

bool PmDBUtil::ReadLong(std::int32_t& value)
{
    std::uint8_t b[4];
    if (!ReadBytes(b, sizeof b))
        return false;
    value = static_cast<std::int32_t>(static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
                                      static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24);
    return true;
}

bool PmDBUtil::ReadShort(std::uint16_t& value)
{
    std::uint8_t b[2];
    if (!ReadBytes(b, sizeof b))
        return false;
    value = static_cast<std::uint16_t>(b[0] | b[1] << 8);
    return true;
}

bool PmDBUtil::ReadByte(std::uint8_t& value)
{
    return ReadBytes(&value, 1);
}

bool PmDBUtil::ReadDouble(double& value)
{
    std::uint8_t b[8];
    if (!ReadBytes(b, sizeof b))
        return false;
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i)
        bits = bits << 8 | b[i];
    std::memcpy(&value, &bits, sizeof value);
    return true;
}

bool PmDBUtil::ReadCString(std::string& text, std::size_t capacity, std::size_t* needed)
{
    text.clear();
    std::uint8_t shortLength = 0;
    if (capacity == 0 || !ReadByte(shortLength))
        return false;
    std::size_t length = shortLength;
    if (shortLength == 0xFF) {
        std::uint16_t longLength = 0;
        if (!ReadShort(longLength))
            return false;
        length = longLength;
    }
    if (length > capacity || length > BytesLeft()) {
        if (needed != nullptr)
            *needed = length;
        return false;
    }
    text.resize(length);
    return length == 0 || ReadBytes(text.data(), length);
}

bool PmDBUtil::ReadTypedInt(std::int32_t& value)
{
    std::int32_t tag = 0;
    if (!ReadLong(tag) || (tag != kTagInteger && tag != kTagBoolean && tag != kTagDate))
        return false;
    return ReadLong(value);
}

bool PmDBUtil::ReadTypedText(std::string& text)
{
    std::int32_t tag = 0;
    std::int32_t skipped = 0;
    if (!ReadLong(tag) || tag != kTagText || !ReadLong(skipped) || !ReadCString(text, 0xFFFF))
        return false;
    if (text.size() > kMaxText)
        text.resize(kMaxText);
    return true;
}

bool PmDBUtil::ReadUnusedInt()
{
    std::int32_t unused = 0;
    return ReadTypedInt(unused);
}

bool PmDBUtil::ReadUnusedText()
{
    return ReadTypedText(mScratch);
}

bool PmDBUtil::ReadTypedDouble(double& value)
{
    std::int32_t tag = 0;
    return ReadLong(tag) && ReadDouble(value);
}

bool PmDBUtil::ReadExtField(PalmExtField& field)
{
    field = PalmExtField{};
    if (!ReadLong(field.Tag) || !ReadLong(field.Count) || field.Count < 0)
        return false;
    if (field.Count == 0)
        return true;
    std::size_t length = 0;
    if (field.Count >= 4) {
        length = static_cast<std::size_t>(field.Count);
    } else {
        if (!ReadLong(field.First) || !ReadLong(field.Second) || !ReadLong(field.Length) || field.Length < 0)
            return false;
        length = static_cast<std::size_t>(field.Length);
    }
    if (length == 0)
        return true;
    if (length > BytesLeft())
        return false;
    field.Length = static_cast<std::int32_t>(length);
    field.Data.resize(length);
    return ReadBytes(field.Data.data(), length);
}

bool PmDBUtil::ReadRepeat(PalmRepeat& repeat)
{
    repeat = PalmRepeat{};
    std::int32_t tag = 0;
    std::uint16_t exceptions = 0;
    if (!ReadLong(tag) || tag != kTagRepeat || !ReadShort(exceptions) || !Skip(std::size_t{exceptions} * 4))
        return false;
    std::uint16_t classEntry = 0;
    if (!ReadShort(classEntry))
        return false;
    if (classEntry == 0)
        return true;
    if (classEntry == kClassDefinition) {
        std::uint16_t marker = 0;
        std::uint16_t nameLength = 0;
        // The class name ("CDayName", "CWeekly", ...) says nothing the type does not.
        if (!ReadShort(marker) || marker != 1 || !ReadShort(nameLength) || !Skip(nameLength))
            return false;
    }
    if (!ReadLong(repeat.Type) || !ReadLong(repeat.Interval) || !ReadLong(repeat.EndDate) ||
        !ReadLong(repeat.FirstDayOfWeek))
        return false;
    switch (repeat.Type) {
    case 1: return ReadLong(repeat.DayIndex);
    case 2: return ReadLong(repeat.DayIndex) && ReadByte(repeat.DaysMask);
    case 3: return ReadLong(repeat.DayIndex) && ReadLong(repeat.WeekIndex);
    case 4: return ReadLong(repeat.DayOfMonth);
    case 5: return ReadLong(repeat.DayOfMonth) && ReadLong(repeat.MonthIndex);
    default: return true;
    }
}

bool PmDBUtil::LoadCategories(const char* unit, const CategoryTexts& texts)
{
    mCategories = std::make_unique<PmCategoryMgr>();
    const auto fail = [&](const char* message) {
        VL_LOG(diagnostics::CxDebugUtil::kError, unit, "%s", message);
        return false;
    };
    std::int32_t count = 0;
    if (!ReadLong(mCategories->NextFeedId))
        return fail(texts.nextFeedId);
    if (!ReadLong(count) || count < 0 || count > static_cast<std::int32_t>(PmCategoryMgr::kSlots))
        return fail(texts.count);
    mCategories->Add(PmCategory(0, 0, "Unfiled"));
    for (std::int32_t i = 0; i < count; ++i) {
        std::int32_t index = 0;
        std::int32_t id = 0;
        std::int32_t changed = 0;
        std::string name;
        std::string fileName;
        if (!ReadLong(index))
            return fail(texts.index);
        if (!ReadLong(id))
            return fail(texts.id);
        if (!ReadLong(changed))
            return fail(texts.dirty);
        if (!ReadCString(name, 256))
            return fail(texts.name);
        VL_LOG(diagnostics::CxDebugUtil::kInfo, unit, "Read category:%s", name.c_str());
        if (!ReadCString(fileName, 256))
            return fail(texts.fileName);
        PmCategory category(index, id, name);
        category.SetFileName(fileName);
        category.SetChanged(changed != 0);
        if (!mCategories->Add(category))
            return fail(texts.add);
    }
    mCategories->Modified = false;
    return true;
}

bool PmDBUtil::BeginLoad(const LoadTexts& texts, const std::string& path)
{
    if (path.empty() && texts.emptyPath != nullptr) {
        VL_LOG(diagnostics::CxDebugUtil::kError, texts.unit, "%s", texts.emptyPath);
        return false;
    }
    VL_LOG(diagnostics::CxDebugUtil::kInfo, texts.unit, texts.loading, path.c_str());
    return true;
}

bool PmDBUtil::EndLoad(const LoadTexts& texts, const std::string& path, const char* failure)
{
    Close();
    if (failure != nullptr) {
        if (*failure != '\0')
            VL_LOG(diagnostics::CxDebugUtil::kError, texts.unit, "%s", failure);
        VL_LOG(diagnostics::CxDebugUtil::kError, texts.unit, texts.failure, path.c_str());
        return false;
    }
    if (texts.success != nullptr)
        VL_LOG(diagnostics::CxDebugUtil::kInfo, texts.unit, "%s", texts.success);
    return true;
}

bool PmDBUtil::GetCategoryName(std::int32_t id, std::string& name) const
{
    const PmCategory* category = mCategories ? mCategories->FindByID(id) : nullptr;
    if (category == nullptr)
        return false;
    name = category->GetName();
    return true;
}

}  // namespace velmora::palm

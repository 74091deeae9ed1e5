#pragma once

#include "PalmRecords.h"
#include "PmCategory.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace velmora::palm {

// The log lines of reading a category table, which differ between the readers.
struct CategoryTexts {
    const char* nextFeedId;
    const char* count;
    const char* index;
    const char* id;
    const char* dirty;
    const char* name;
    const char* fileName;
    const char* add;
};

// The lines a whole load logs.
struct LoadTexts {
    const char* unit;       // the reader's unit name in the debug log
    const char* emptyPath;  // null: an empty path fails at the open
    const char* loading;    // %s: the path
    const char* failure;    // %s: the path
    const char* success;    // null: none
};

// The base of every Palm Desktop .dat reader: the open file and its primitive encodings. All
// integers are little-endian; texts are Windows-1252 without terminator.
//
//   CString     length byte L; L = 0xFF: a 16-bit length follows; then the text
//   typed field 32-bit tag, then: 1 integer, 3 date, 6 boolean: a Long;
//               5 text: a Long (skipped) and a CString; 68: 8 bytes; 8: a repeat event
//
// The file is read through a buffer. Every read fails when the file ends before it is complete,
// and every stored length and count is checked against the bytes left before it is used, so a
// damaged file fails a read instead of yielding garbage.
class PmDBUtil {
public:
    // Texts longer than this are read whole and cut to it.
    static constexpr std::size_t kMaxText = 8191;

    PmDBUtil();
    PmDBUtil(const PmDBUtil&) = delete;
    PmDBUtil& operator=(const PmDBUtil&) = delete;
    virtual ~PmDBUtil();

    // Modes: 0 read only, 1 write only, 2 read and write (each of an existing file), 3 read and
    // write, created or emptied. The file is locked exclusively: a file another handle holds
    // locked (Palm Desktop running, another load) fails, and so does a read-only file in the
    // modes that write. Closes any open file first; an empty path fails.
    bool Open(const std::string& path, int mode);
    // Reads these bytes instead of a file (a copy is kept until Close), so that tests and fuzz
    // targets need no file.
    void OpenData(const void* data, std::size_t size);
    void Close();
    bool IsOpen() const { return mFd >= 0 || mInMemory; }
    const std::string& Path() const { return mPath; }

    bool ReadBytes(void* buffer, std::size_t count);
    bool Skip(std::size_t count);
    bool ReadLong(std::int32_t& value);
    bool ReadShort(std::uint16_t& value);
    bool ReadByte(std::uint8_t& value);
    bool ReadDouble(double& value);

    // A CString of at most `capacity` characters. A longer stored text fails (nothing more is
    // read) and, when `needed` is given, reports its length there.
    bool ReadCString(std::string& text, std::size_t capacity, std::size_t* needed = nullptr);
    // Tag 1, 3 or 6, then the Long.
    bool ReadTypedInt(std::int32_t& value);
    // Tag 5, a skipped Long, a CString of up to 65535 bytes of which kMaxText are kept.
    bool ReadTypedText(std::string& text);
    template <std::size_t N>
    bool ReadTypedText(Text<N>& text)
    {
        if (!ReadTypedText(mScratch))
            return false;
        text = mScratch;
        return true;
    }
    // A field read only to keep the file position.
    bool ReadUnusedInt();
    bool ReadUnusedText();
    // Any tag, then 8 bytes.
    bool ReadTypedDouble(double& value);
    bool ReadExtField(PalmExtField& field);
    // Tag 8; exception dates (read and dropped); a class entry: 0 no recurrence, 0xFFFF a class
    // definition (16-bit 1, 16-bit name length, name), anything else a reference to one; then
    // type, interval, end date, first day of the week and the type's own values.
    bool ReadRepeat(PalmRepeat& repeat);

    // Next feed ID, count, then per category index, ID, changed flag, name and file name;
    // "Unfiled" (index 0, ID 0) comes first. Replaces the category table.
    bool LoadCategories(const char* unit, const CategoryTexts& texts);
    // The name of the category with that ID; false when the table has none.
    bool GetCategoryName(std::int32_t id, std::string& name) const;
    const PmCategoryMgr* Categories() const { return mCategories.get(); }

    // The byte offset in the file; 0 when closed.
    std::int64_t GetFilePosition() const;
    std::uint64_t BytesLeft() const;

protected:
    // A load is BeginLoad (false: an empty path refused) and EndLoad with the failed step's
    // line (null on success, "" when the step logged its own), which closes the file.
    bool BeginLoad(const LoadTexts& texts, const std::string& path);
    bool EndLoad(const LoadTexts& texts, const std::string& path, const char* failure);
    // The same load over bytes in memory: `content()` reads them and names the failed step.
    template <class Content>
    bool LoadBytes(const LoadTexts& texts, const void* data, std::size_t size, Content content)
    {
        static const std::string kName = "(data in memory)";
        if (!BeginLoad(texts, kName))
            return false;
        OpenData(data, size);
        return EndLoad(texts, kName, content());
    }

private:
    bool Fill();

    int mFd = -1;
    bool mInMemory = false;  // the buffer holds the whole data
    std::string mPath;
    std::uint64_t mFileSize = 0;
    std::uint64_t mBufferStart = 0;  // file offset of mBuffer[0]
    std::vector<std::uint8_t> mBuffer;
    std::size_t mBufferPos = 0;
    std::size_t mBufferEnd = 0;
    std::string mScratch;
    std::unique_ptr<PmCategoryMgr> mCategories;
};

}  // namespace velmora::palm

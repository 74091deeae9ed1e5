#include "PeVersion.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <optional>
#include <string_view>
#include <vector>

namespace velmora::platform {
namespace {

// Bounds-checked little-endian reads at absolute file offsets.
class FileBytes {
public:
    explicit FileBytes(const std::string& path) : mIn(path, std::ios::binary) {}

    bool IsOpen() const { return mIn.is_open(); }

    std::optional<std::uint32_t> Read(std::uint64_t offset, std::size_t width)
    {
        std::array<unsigned char, 4> bytes{};
        mIn.clear();
        mIn.seekg(static_cast<std::streamoff>(offset));
        if (!mIn.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(width)))
            return std::nullopt;
        std::uint32_t value = 0;
        for (std::size_t i = width; i-- > 0;)
            value = (value << 8) | bytes[i];
        return value;
    }
    std::optional<std::uint32_t> U16(std::uint64_t offset) { return Read(offset, 2); }
    std::optional<std::uint32_t> U32(std::uint64_t offset) { return Read(offset, 4); }

private:
    std::ifstream mIn;
};

constexpr std::uint32_t kResourceTypeVersion = 16;
constexpr std::uint32_t kFixedFileInfoSignature = 0xFEEF04BD;
constexpr std::uint32_t kSubdirectoryBit = 0x80000000;

struct Section {
    std::uint32_t virtualAddress;
    std::uint32_t virtualSize;
    std::uint32_t rawOffset;
    std::uint32_t rawSize;
};

class PeImage {
public:
    explicit PeImage(FileBytes& file) : mFile(file) {}

    // Reads the headers and the section table; false when the file is not a PE image.
    bool ReadHeaders()
    {
        // DOS header: "MZ", and at 0x3C the offset of the PE signature.
        if (mFile.U16(0) != 0x5A4D)
            return false;
        const auto peOffset = mFile.U32(0x3C);
        if (!peOffset || mFile.U32(*peOffset) != 0x00004550)
            return false;
        // COFF header (20 bytes after the signature): section count at +2, optional header size at +16.
        const std::uint64_t coff = std::uint64_t{*peOffset} + 4;
        const auto sectionCount = mFile.U16(coff + 2);
        const auto optionalSize = mFile.U16(coff + 16);
        if (!sectionCount || !optionalSize)
            return false;
        // Optional header: magic 0x10B (PE32) or 0x20B (PE32+); the data directories start at
        // +96 or +112, preceded by their count; the resource directory is entry 2.
        const std::uint64_t optional = coff + 20;
        const auto magic = mFile.U16(optional);
        if (magic != 0x10B && magic != 0x20B)
            return false;
        const std::uint64_t directories = optional + (magic == 0x10B ? 96 : 112);
        const auto directoryCount = mFile.U32(directories - 4);
        if (!directoryCount || *directoryCount < 3 || directories + 24 > optional + *optionalSize)
            return false;
        const auto resourceRva = mFile.U32(directories + 16);
        if (!resourceRva || *resourceRva == 0)
            return false;
        mResourceRva = *resourceRva;
        // Section headers, 40 bytes each: virtual size +8, virtual address +12, raw size +16, raw offset +20.
        const std::uint64_t table = optional + *optionalSize;
        for (std::uint32_t i = 0; i < *sectionCount; ++i) {
            const std::uint64_t header = table + std::uint64_t{i} * 40;
            const auto vsize = mFile.U32(header + 8), vaddr = mFile.U32(header + 12);
            const auto rsize = mFile.U32(header + 16), roffset = mFile.U32(header + 20);
            if (!vsize || !vaddr || !rsize || !roffset)
                return false;
            mSections.push_back({*vaddr, *vsize, *roffset, *rsize});
        }
        return true;
    }

    std::optional<std::uint64_t> FileOffset(std::uint64_t rva) const
    {
        for (const auto& s : mSections) {
            const std::uint64_t size = std::max(s.virtualSize, s.rawSize);
            if (rva >= s.virtualAddress && rva < std::uint64_t{s.virtualAddress} + size) {
                const std::uint64_t delta = rva - s.virtualAddress;
                return delta < s.rawSize ? std::optional(std::uint64_t{s.rawOffset} + delta) : std::nullopt;
            }
        }
        return std::nullopt;
    }

    // Offset, relative to the resource section, of the entry with `id`, or of the first entry
    // when `id` is absent. A resource directory is 16 bytes with the named entry count at +12
    // and the numbered entry count at +14, followed by 8-byte entries (name or id, offset).
    std::optional<std::uint32_t> Entry(std::uint32_t directory, std::optional<std::uint32_t> id, bool wantSubdirectory)
    {
        const auto base = FileOffset(std::uint64_t{mResourceRva} + directory);
        if (!base)
            return std::nullopt;
        const auto named = mFile.U16(*base + 12), numbered = mFile.U16(*base + 14);
        if (!named || !numbered)
            return std::nullopt;
        for (std::uint32_t i = 0; i < *named + *numbered; ++i) {
            const std::uint64_t entry = *base + 16 + std::uint64_t{i} * 8;
            const auto name = mFile.U32(entry), target = mFile.U32(entry + 4);
            if (!name || !target)
                return std::nullopt;
            if (id && (i < *named || *name != *id))
                continue;
            if (((*target & kSubdirectoryBit) != 0) != wantSubdirectory)
                return std::nullopt;
            return *target & ~kSubdirectoryBit;
        }
        return std::nullopt;
    }

    std::optional<std::uint32_t> VersionResourceRva()
    {
        const auto types = Entry(0, kResourceTypeVersion, true);
        const auto names = types ? Entry(*types, std::nullopt, true) : std::nullopt;
        const auto leaf = names ? Entry(*names, std::nullopt, false) : std::nullopt;
        if (!leaf)
            return std::nullopt;
        // Resource data entry: RVA of the data, then its size.
        const auto dataEntry = FileOffset(std::uint64_t{mResourceRva} + *leaf);
        return dataEntry ? mFile.U32(*dataEntry) : std::nullopt;
    }

private:
    FileBytes& mFile;
    std::uint32_t mResourceRva = 0;
    std::vector<Section> mSections;
};

// VS_VERSIONINFO: length, value length, type (2 bytes each), the UTF-16 key "VS_VERSION_INFO"
// with its terminator, padding to 4 bytes, then VS_FIXEDFILEINFO: signature, structure version,
// file version most and least significant halves.
bool ReadFixedFileInfo(FileBytes& file, std::uint64_t start, FileVersion& version)
{
    constexpr std::u16string_view kKey = u"VS_VERSION_INFO";
    const auto valueLength = file.U16(start + 2);
    if (!valueLength || *valueLength < 52)
        return false;
    for (std::size_t i = 0; i <= kKey.size(); ++i) {
        const char16_t expected = i < kKey.size() ? kKey[i] : u'\0';
        if (file.U16(start + 6 + i * 2) != expected)
            return false;
    }
    const std::uint64_t fixed = start + 40;  // 6 + 32 bytes of key, padded to 4
    const auto signature = file.U32(fixed);
    const auto high = file.U32(fixed + 8), low = file.U32(fixed + 12);
    if (signature != kFixedFileInfoSignature || !high || !low)
        return false;
    version = {static_cast<std::uint16_t>(*high >> 16), static_cast<std::uint16_t>(*high & 0xFFFF),
               static_cast<std::uint16_t>(*low >> 16), static_cast<std::uint16_t>(*low & 0xFFFF)};
    return true;
}

}  // namespace

bool GetFileVersion(const std::string& path, FileVersion& version)
{
    version = {};
    FileBytes file(path);
    if (!file.IsOpen())
        return false;
    PeImage image(file);
    if (!image.ReadHeaders())
        return false;
    const auto rva = image.VersionResourceRva();
    const auto offset = rva ? image.FileOffset(*rva) : std::nullopt;
    if (!offset || !ReadFixedFileInfo(file, *offset, version)) {
        version = {};
        return false;
    }
    return true;
}

std::string FormatVersion(const FileVersion& version)
{
    return std::to_string(version.Major) + "." + std::to_string(version.Minor) + "." +
           std::to_string(version.Build) + "." + std::to_string(version.Revision);
}

}  // namespace velmora::platform

#pragma once

#include <cstdint>
#include <string>

namespace velmora::testing {

// Builds the smallest Windows executable that carries a version resource: a DOS header, the PE
// headers (PE32 or PE32+), one ".rsrc" section whose resource tree leads type 16 (version) ->
// id 1 -> language 0x409 -> a VS_VERSIONINFO with its VS_FIXEDFILEINFO.
struct PeBuilder {
    bool pe32Plus = false;
    bool withVersion = true;
    std::uint16_t major = 8, minor = 5, build = 3, revision = 21;

    // File offsets of fields that tests damage.
    static constexpr std::size_t kPeOffsetField = 0x3C;
    static constexpr std::size_t kHeaders = 0x40;       // "PE\0\0"
    static constexpr std::size_t kSection = 0x200;      // the resource section
    static constexpr std::size_t kVersionInfo = kSection + 0x58;

    std::string Build() const
    {
        std::string b(kSection + 0x58 + 92, '\0');
        auto put16 = [&](std::size_t at, std::uint32_t v) {
            b[at] = static_cast<char>(v & 0xFF);
            b[at + 1] = static_cast<char>((v >> 8) & 0xFF);
        };
        auto put32 = [&](std::size_t at, std::uint32_t v) {
            put16(at, v & 0xFFFF);
            put16(at + 2, v >> 16);
        };
        const std::uint32_t rva = 0x1000;
        b[0] = 'M';
        b[1] = 'Z';
        put32(kPeOffsetField, kHeaders);
        b.replace(kHeaders, 4, std::string("PE\0\0", 4));
        const std::size_t coff = kHeaders + 4;
        const std::uint32_t optionalSize = pe32Plus ? 240 : 224;
        put16(coff, pe32Plus ? 0x8664 : 0x14C);
        put16(coff + 2, 1);
        put16(coff + 16, optionalSize);
        const std::size_t optional = coff + 20;
        put16(optional, pe32Plus ? 0x20B : 0x10B);
        const std::size_t directories = optional + (pe32Plus ? 112 : 96);
        put32(directories - 4, 16);
        if (withVersion) {
            put32(directories + 16, rva);
            put32(directories + 20, 0x58 + 92);
        }
        const std::size_t section = optional + optionalSize;
        b.replace(section, 5, ".rsrc");
        put32(section + 8, 0x58 + 92);   // virtual size
        put32(section + 12, rva);        // virtual address
        put32(section + 16, 0x58 + 92);  // raw size
        put32(section + 20, kSection);   // raw offset

        // Resource tree: each directory has one numbered entry.
        const std::size_t s = kSection;
        put16(s + 14, 1);
        put32(s + 16, 16);
        put32(s + 20, 0x80000000 | 0x18);
        put16(s + 0x18 + 14, 1);
        put32(s + 0x18 + 16, 1);
        put32(s + 0x18 + 20, 0x80000000 | 0x30);
        put16(s + 0x30 + 14, 1);
        put32(s + 0x30 + 16, 0x409);
        put32(s + 0x30 + 20, 0x48);
        put32(s + 0x48, rva + 0x58);  // data entry: RVA and size of the version data
        put32(s + 0x48 + 4, 92);

        const std::size_t v = kVersionInfo;
        put16(v, 92);
        put16(v + 2, 52);
        const std::u16string key = u"VS_VERSION_INFO";
        for (std::size_t i = 0; i < key.size(); ++i)
            put16(v + 6 + i * 2, key[i]);
        put32(v + 40, 0xFEEF04BD);
        put32(v + 44, 0x10000);
        put32(v + 48, (std::uint32_t{major} << 16) | minor);
        put32(v + 52, (std::uint32_t{build} << 16) | revision);
        return b;
    }
};

}  // namespace velmora::testing

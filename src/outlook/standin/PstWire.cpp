#include "PstWire.h"

#include "LittleEndian.h"

#include <cstring>

namespace velmora::outlook::standin {
namespace {

constexpr std::string_view kMagic = "VPST";
constexpr std::uint8_t kVersion = 1;

class Writer {
public:
    void Bytes(std::string_view bytes) { mOut.append(bytes); }
    void U8(std::uint8_t v) { PutLe(mOut, v, 1); }
    void U16(std::uint16_t v) { PutLe(mOut, v, 2); }
    void U32(std::uint32_t v) { PutLe(mOut, v, 4); }
    void Counted(std::string_view bytes)
    {
        U32(static_cast<std::uint32_t>(bytes.size()));
        Bytes(bytes);
    }
    std::string Take() { return std::move(mOut); }

private:
    std::string mOut;
};

void WriteSet(Writer& w, const PstPropertySet& set)
{
    w.U32(static_cast<std::uint32_t>(set.size()));
    for (const PstProperty& p : set) {
        w.U8(static_cast<std::uint8_t>(p.Key.Kind));
        switch (p.Key.Kind) {
        case PstKeyKind::Tag: w.U16(p.Key.Tag); break;
        case PstKeyKind::NamedNumber:
            w.Bytes({reinterpret_cast<const char*>(p.Key.Set.data()), p.Key.Set.size()});
            w.U32(p.Key.Number);
            break;
        case PstKeyKind::NamedString:
            w.Bytes({reinterpret_cast<const char*>(p.Key.Set.data()), p.Key.Set.size()});
            w.Counted(Utf16LeBytes(p.Key.Name));
            break;
        case PstKeyKind::RtfText:
        case PstKeyKind::Identifier: break;
        }
        w.U16(p.Type);
        w.Counted(p.Value);
    }
}

using Reader = ByteReader;

void ReadGuid(Reader& r, Guid& guid)
{
    const std::string_view b = r.Bytes(guid.size());
    if (r.Ok())
        std::memcpy(guid.data(), b.data(), guid.size());
}

bool ReadSet(Reader& r, PstPropertySet& set)
{
    std::uint32_t count = 0;
    if (!r.Count(count, 7))  // the smallest property: kind, tag, type, length 0 ... at least 7 bytes
        return false;
    set.resize(count);
    for (PstProperty& p : set) {
        const std::uint8_t kind = r.U8();
        switch (kind) {
        case static_cast<std::uint8_t>(PstKeyKind::Tag): p.Key.Tag = r.U16(); break;
        case static_cast<std::uint8_t>(PstKeyKind::NamedNumber):
            ReadGuid(r, p.Key.Set);
            p.Key.Number = r.U32();
            break;
        case static_cast<std::uint8_t>(PstKeyKind::NamedString): {
            ReadGuid(r, p.Key.Set);
            const std::string_view name = r.Counted();
            if (name.size() % 2 != 0)
                r.Fail();
            p.Key.Name = Utf16LeText(name);
            break;
        }
        case static_cast<std::uint8_t>(PstKeyKind::RtfText):
        case static_cast<std::uint8_t>(PstKeyKind::Identifier): break;
        default: r.Fail(); break;
        }
        p.Key.Kind = static_cast<PstKeyKind>(kind);
        p.Type = r.U16();
        p.Value = std::string(r.Counted());
        if (!r.Ok())
            return false;
    }
    return r.Ok();
}

}  // namespace

std::string EncodeStore(const PstStore& store)
{
    Writer w;
    w.Bytes(kMagic);
    w.U8(kVersion);
    w.U8(0);
    w.Counted(store.RecordKey);
    w.U32(static_cast<std::uint32_t>(store.Folders.size()));
    for (const PstFolder& folder : store.Folders) {
        w.U8(static_cast<std::uint8_t>(folder.Kind));
        WriteSet(w, folder.Properties);
        w.U32(static_cast<std::uint32_t>(folder.Items.size()));
        for (const PstPropertySet& item : folder.Items)
            WriteSet(w, item);
    }
    return w.Take();
}

std::string EncodeError(std::string_view error)
{
    Writer w;
    w.Bytes(kMagic);
    w.U8(kVersion);
    w.U8(1);
    w.Counted(error);
    return w.Take();
}

bool DecodeStore(std::string_view bytes, PstStore& store, std::string& error)
{
    store = PstStore{};
    Reader r(bytes);
    if (r.Bytes(kMagic.size()) != kMagic || r.U8() != kVersion) {
        error = "the data file reader gave no answer";
        return false;
    }
    const std::uint8_t status = r.U8();
    if (status == 1) {
        const std::string_view text = r.Counted();
        error = r.Ok() ? std::string(text) : "the data file reader's error is damaged";
        return false;
    }
    std::uint32_t folders = 0;
    if (status == 0) {
        store.RecordKey = std::string(r.Counted());
        r.Count(folders, 9);  // kind, an empty property set, no items
    } else {
        r.Fail();
    }
    store.Folders.resize(r.Ok() ? folders : 0);
    for (PstFolder& folder : store.Folders) {
        const std::uint8_t kind = r.U8();
        if (kind < 1 || kind > 4)
            r.Fail();
        folder.Kind = static_cast<PstFolderKind>(kind);
        std::uint32_t items = 0;
        if (!ReadSet(r, folder.Properties) || !r.Count(items, 4))
            break;
        folder.Items.resize(items);
        for (PstPropertySet& item : folder.Items)
            if (!ReadSet(r, item))
                break;
        if (!r.Ok())
            break;
    }
    if (!r.Ok() || r.Left() != 0) {
        store = PstStore{};
        error = "the data file reader's answer is damaged";
        return false;
    }
    return true;
}

}  // namespace velmora::outlook::standin

#include "PstWriter.h"

#include "outlook/standin/LittleEndian.h"

#include <algorithm>
#include <array>
#include <map>
#include <string_view>
#include <utility>

namespace velmora::tools {

// The provider part of every entry identifier of our files.
const std::string kPstRecordKey = "VelmoraPstStore1";

namespace {

using outlook::standin::Guid;
using outlook::standin::PutLe;
using outlook::standin::SetLe;
using outlook::standin::Utf16LeBytes;
using outlook::standin::PstKey;
using outlook::standin::PstKeyKind;

// Sizes of the Unicode file: 512-byte pages (496 bytes of entries and a 16-byte trailer),
// blocks of at most 8192 bytes (8176 of data and a 16-byte trailer) on 64-byte boundaries,
// heap allocations of at most 3580 bytes.
constexpr std::size_t kPage = 512;
constexpr std::size_t kPageData = 496;
constexpr std::size_t kBlockData = 8176;
constexpr std::size_t kHeapAllocMax = 3580;
constexpr std::uint64_t kFirstAllocation = 0x4400;  // after the header, where the first allocation map lies

// Node identifier types and the fixed nodes.
constexpr std::uint32_t kNidNormalFolder = 0x02, kNidNormalMessage = 0x04, kNidHierarchyTable = 0x0D,
                        kNidContentsTable = 0x0E, kNidLtp = 0x1F;
constexpr std::uint32_t kNidMessageStore = 0x21, kNidNameToIdMap = 0x61, kNidRootFolder = 0x122;

// Property types and tags of the store's own properties.
constexpr std::uint16_t kInt16 = 0x0002, kInt32 = 0x0003, kBool = 0x000B, kUnicode = 0x001F, kBinary = 0x0102;

void Put8(std::string& s, std::uint8_t v) { PutLe(s, v, 1); }
void Put16(std::string& s, std::uint16_t v) { PutLe(s, v, 2); }
void Put32(std::string& s, std::uint32_t v) { PutLe(s, v, 4); }
void Put64(std::string& s, std::uint64_t v) { PutLe(s, v, 8); }

// The file's CRC: CRC-32 (polynomial 0xEDB88320) started at 0 and not inverted.
std::uint32_t Crc(std::string_view data)
{
    static const auto kTable = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t c = i;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    std::uint32_t crc = 0;
    for (char b : data)
        crc = kTable[(crc ^ static_cast<std::uint8_t>(b)) & 0xFF] ^ (crc >> 8);
    return crc;
}

std::uint16_t Signature(std::uint64_t ib, std::uint64_t bid)
{
    ib ^= bid;
    return static_cast<std::uint16_t>(static_cast<std::uint16_t>(ib >> 16) ^ static_cast<std::uint16_t>(ib));
}

struct SubnodeEntry {
    std::uint32_t Nid;
    std::uint64_t Data;
};

// The node database: blocks, their B-tree, the nodes and theirs, and the header.
class Ndb {
public:
    Ndb() : mFile(kFirstAllocation, '\0') {}

    // A block of at most 8176 bytes:
    //   data, padding to the 64-byte boundary less 16, then cb 2, signature 2, CRC 4, bid 8.
    std::uint64_t Block(std::string_view data, bool internal = false)
    {
        mFile.resize((mFile.size() + 63) / 64 * 64, '\0');
        const std::uint64_t ib = mFile.size();
        const std::uint64_t bid = mNextBid | (internal ? 2 : 0);
        mNextBid += 4;
        mFile.append(data);
        mFile.resize(ib + (data.size() + 16 + 63) / 64 * 64 - 16, '\0');
        Put16(mFile, static_cast<std::uint16_t>(data.size()));
        Put16(mFile, Signature(ib, bid));
        Put32(mFile, Crc(data));
        Put64(mFile, bid);
        mBlocks.push_back({bid, ib, static_cast<std::uint16_t>(data.size())});
        return bid;
    }

    // Data of any size: one block, or data blocks under XBLOCKs (and an XXBLOCK above them):
    //   btype 1, level 1 or 2, count 2, total size 4, then the blocks' bids, 8 each.
    std::uint64_t Data(std::string_view bytes)
    {
        std::vector<std::string> chunks;
        for (std::size_t at = 0; at < bytes.size() || chunks.empty(); at += kBlockData)
            chunks.emplace_back(bytes.substr(at, kBlockData));
        return Blocks(chunks);
    }

    // Data already cut into blocks (a heap keeps its own blocks).
    std::uint64_t Blocks(const std::vector<std::string>& chunks)
    {
        if (chunks.size() == 1)
            return Block(chunks[0]);
        constexpr std::size_t kPerXBlock = (kBlockData - 8) / 8;
        std::vector<std::pair<std::uint64_t, std::uint32_t>> level;  // bid, bytes under it
        for (const std::string& c : chunks)
            level.emplace_back(Block(c), static_cast<std::uint32_t>(c.size()));
        for (std::uint8_t depth = 1; level.size() > 1 || depth == 1; ++depth) {
            std::vector<std::pair<std::uint64_t, std::uint32_t>> up;
            for (std::size_t at = 0; at < level.size(); at += kPerXBlock) {
                const std::size_t n = std::min(kPerXBlock, level.size() - at);
                std::uint32_t total = 0;
                std::string x;
                Put8(x, 0x01);
                Put8(x, depth);
                Put16(x, static_cast<std::uint16_t>(n));
                Put32(x, 0);
                for (std::size_t i = 0; i < n; ++i) {
                    Put64(x, level[at + i].first);
                    total += level[at + i].second;
                }
                SetLe(x, 4, total, 4);
                up.emplace_back(Block(x, true), total);
            }
            level = std::move(up);
        }
        return level[0].first;
    }

    // A subnode block (SLBLOCK): btype 2, level 0, count 2, padding 4, then per subnode its nid 8,
    // data bid 8 and subnode bid 8 (none), in nid order.
    std::uint64_t Subnodes(std::vector<SubnodeEntry> entries)
    {
        if (entries.empty())
            return 0;
        std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) { return a.Nid < b.Nid; });
        std::string s;
        Put8(s, 0x02);
        Put8(s, 0);
        Put16(s, static_cast<std::uint16_t>(entries.size()));
        Put32(s, 0);
        for (const SubnodeEntry& e : entries) {
            Put64(s, e.Nid);
            Put64(s, e.Data);
            Put64(s, 0);
        }
        return Block(s, true);
    }

    void Node(std::uint32_t nid, std::uint64_t data, std::uint64_t sub, std::uint32_t parent)
    {
        mNodes.push_back({nid, data, sub, parent});
    }

    std::string Finish()
    {
        std::sort(mBlocks.begin(), mBlocks.end(), [](const auto& a, const auto& b) { return a.Bid < b.Bid; });
        std::sort(mNodes.begin(), mNodes.end(), [](const auto& a, const auto& b) { return a.Nid < b.Nid; });
        std::vector<Entry> blocks, nodes;
        for (const BlockEntry& b : mBlocks) {
            std::string e;
            Put64(e, b.Bid);
            Put64(e, b.Ib);
            Put16(e, b.Cb);
            Put16(e, 2);  // references
            Put32(e, 0);
            blocks.push_back({b.Bid, e});
        }
        for (const NodeEntry& n : mNodes) {
            std::string e;
            Put64(e, n.Nid);
            Put64(e, n.Data);
            Put64(e, n.Sub);
            Put32(e, n.Parent);
            Put32(e, 0);
            nodes.push_back({n.Nid, e});
        }
        const auto [bbtBid, bbtIb] = Tree(blocks, 0x80, 24);
        const auto [nbtBid, nbtIb] = Tree(nodes, 0x81, 32);
        Header(nbtBid, nbtIb, bbtBid, bbtIb);
        return std::move(mFile);
    }

private:
    struct BlockEntry {
        std::uint64_t Bid, Ib;
        std::uint16_t Cb;
    };
    struct NodeEntry {
        std::uint32_t Nid;
        std::uint64_t Data, Sub;
        std::uint32_t Parent;
    };
    struct Entry {
        std::uint64_t Key;
        std::string Bytes;
    };

    // A B-tree page: entries, then count 1, capacity 1, entry size 1, level 1, padding 4, and the
    // trailer: type 1, type again 1, signature 2, CRC 4, bid 8.
    std::pair<std::uint64_t, std::uint64_t> Page(const std::vector<Entry>& entries, std::size_t from, std::size_t n,
                                                 std::uint8_t type, std::uint8_t entrySize, std::uint8_t level)
    {
        mFile.resize((mFile.size() + kPage - 1) / kPage * kPage, '\0');
        const std::uint64_t ib = mFile.size();
        const std::uint64_t bid = mNextPageBid;
        mNextPageBid += 4;
        std::string page;
        for (std::size_t i = 0; i < n; ++i)
            page += entries[from + i].Bytes;
        page.resize(488, '\0');
        Put8(page, static_cast<std::uint8_t>(n));
        Put8(page, static_cast<std::uint8_t>(488 / entrySize));
        Put8(page, entrySize);
        Put8(page, level);
        Put32(page, 0);
        Put8(page, type);
        Put8(page, type);
        Put16(page, Signature(ib, bid));
        Put32(page, Crc(std::string_view(page).substr(0, kPageData)));
        Put64(page, bid);
        mFile += page;
        return {bid, ib};
    }

    std::pair<std::uint64_t, std::uint64_t> Tree(std::vector<Entry> entries, std::uint8_t type, std::uint8_t leafSize)
    {
        std::uint8_t level = 0;
        std::uint8_t size = leafSize;
        for (;;) {
            const std::size_t perPage = std::size_t{488} / size;
            std::vector<Entry> up;
            for (std::size_t at = 0; at < entries.size() || (at == 0 && entries.empty()); at += perPage) {
                const std::size_t n = std::min(perPage, entries.size() - at);
                const auto [bid, ib] = Page(entries, at, n, type, size, level);
                if (entries.size() <= perPage)
                    return {bid, ib};
                std::string e;
                Put64(e, entries[at].Key);
                Put64(e, bid);
                Put64(e, ib);
                up.push_back({entries[at].Key, e});
            }
            entries = std::move(up);
            size = 24;
            ++level;
        }
    }

    // The header, Unicode layout: magic "!BDN" 4, partial CRC 4, "SM" 2, version 23 2, client
    // version 19 2, platforms 1+1, reserved 4+4, unused bid 8, next page bid 8, unique 4, the
    // next node identifier of each of 32 types 128, unused 8, the root (reserved 4, file end 8,
    // last allocation map 8, free in them 8, free in page maps 8, node B-tree bid+ib 16, block
    // B-tree bid+ib 16, maps valid 1, reserved 1+2), align 4, free maps 128+128, sentinel 0x80,
    // encryption 1, reserved 2, next block bid 8, full CRC 4, reserved 3+1+32.
    void Header(std::uint64_t nbtBid, std::uint64_t nbtIb, std::uint64_t bbtBid, std::uint64_t bbtIb)
    {
        std::string h = "!BDN";
        Put32(h, 0);
        h += "SM";
        Put16(h, 23);
        Put16(h, 19);
        Put8(h, 1);
        Put8(h, 1);
        Put32(h, 0);
        Put32(h, 0);
        Put64(h, 0);
        Put64(h, mNextPageBid);
        Put32(h, 1);
        for (std::uint32_t type = 0; type < 32; ++type)
            Put32(h, (0x40000u << 5) | type);
        Put64(h, 0);
        Put32(h, 0);
        Put64(h, mFile.size());
        Put64(h, kFirstAllocation);
        Put64(h, 0);
        Put64(h, 0);
        Put64(h, nbtBid);
        Put64(h, nbtIb);
        Put64(h, bbtBid);
        Put64(h, bbtIb);
        Put8(h, 0);  // allocation maps not valid
        Put8(h, 0);
        Put16(h, 0);
        Put32(h, 0);
        h.append(256, '\xFF');
        Put8(h, 0x80);
        Put8(h, 0);  // no encryption
        Put16(h, 0);
        Put64(h, mNextBid);
        Put32(h, 0);
        h.append(36, '\0');
        SetLe(h, 4, Crc(std::string_view(h).substr(8, 471)), 4);
        SetLe(h, 524, Crc(std::string_view(h).substr(8, 516)), 4);
        mFile.replace(0, h.size(), h);
    }

    std::string mFile;
    std::uint64_t mNextBid = 4;
    std::uint64_t mNextPageBid = 0x100000;
    std::vector<BlockEntry> mBlocks;
    std::vector<NodeEntry> mNodes;
};

// A heap on a node: blocks of allocations, each block starting with its header (block 0 the
// heap header: page map offset 2, signature 0xEC, client signature 1, user root 4, fill levels
// 4; blocks 8, 136, 264, ... a bitmap header of 66 bytes; the others the page map offset 2) and
// ending with its page map: count 2, free 2, the allocations' offsets and the end, 2 each.
class Heap {
public:
    explicit Heap(std::uint8_t clientSignature) : mClient(clientSignature) {}

    std::uint32_t Alloc(std::string bytes)
    {
        if (mBlocks.empty() || !Fits(mBlocks.size() - 1, bytes.size()))
            mBlocks.push_back({});
        Block& b = mBlocks.back();
        b.Used += bytes.size();
        b.Allocs.push_back(std::move(bytes));
        return static_cast<std::uint32_t>(((mBlocks.size() - 1) << 16) | (b.Allocs.size() << 5));
    }

    std::vector<std::string> Serialize(std::uint32_t userRoot) const
    {
        std::vector<std::string> out;
        for (std::size_t i = 0; i < mBlocks.size(); ++i) {
            const Block& b = mBlocks[i];
            std::string s(HeaderSize(i), '\0');
            if (i == 0) {
                s[2] = static_cast<char>(0xEC);
                s[3] = static_cast<char>(mClient);
                SetLe(s, 4, userRoot, 4);
            }
            std::vector<std::uint16_t> offsets;
            for (const std::string& a : b.Allocs) {
                offsets.push_back(static_cast<std::uint16_t>(s.size()));
                s += a;
            }
            offsets.push_back(static_cast<std::uint16_t>(s.size()));
            if (s.size() % 2 != 0)
                s.push_back('\0');
            SetLe(s, 0, s.size(), 2);
            Put16(s, static_cast<std::uint16_t>(b.Allocs.size()));
            Put16(s, 0);
            for (std::uint16_t o : offsets)
                Put16(s, o);
            out.push_back(std::move(s));
        }
        return out;
    }

private:
    struct Block {
        std::vector<std::string> Allocs;
        std::size_t Used = 0;
    };

    static std::size_t HeaderSize(std::size_t index)
    {
        if (index == 0)
            return 12;
        return index >= 8 && (index - 8) % 128 == 0 ? 66 : 2;
    }

    bool Fits(std::size_t index, std::size_t size) const
    {
        const Block& b = mBlocks[index];
        const std::size_t mapSize = 4 + 2 * (b.Allocs.size() + 2);
        return HeaderSize(index) + b.Used + size + 1 + mapSize <= kBlockData;
    }

    std::uint8_t mClient;
    std::vector<Block> mBlocks;
};

// A B-tree on the heap: header (type 0xB5, key size 1, entry size 1, index levels 1, root 4),
// leaves of (key, data) sorted by key, index nodes of (first key, node) above them.
std::uint32_t BTree(Heap& heap, std::uint8_t keySize, std::uint8_t dataSize,
                    std::vector<std::pair<std::string, std::string>> records)
{
    std::uint8_t levels = 0;
    std::uint32_t root = 0;
    std::size_t recordSize = keySize + dataSize;
    while (!records.empty()) {
        const std::size_t perNode = kHeapAllocMax / recordSize;
        std::vector<std::pair<std::string, std::string>> up;
        for (std::size_t at = 0; at < records.size(); at += perNode) {
            std::string node;
            for (std::size_t i = at; i < std::min(records.size(), at + perNode); ++i)
                node += records[i].first + records[i].second;
            root = heap.Alloc(std::move(node));
            std::string hid;
            Put32(hid, root);
            up.emplace_back(records[at].first, hid);
        }
        if (up.size() == 1)
            break;
        records = std::move(up);
        recordSize = keySize + std::size_t{4};
        ++levels;
    }
    std::string header;
    Put8(header, 0xB5);
    Put8(header, keySize);
    Put8(header, dataSize);
    Put8(header, levels);
    Put32(header, root);
    return heap.Alloc(std::move(header));
}

// What one node of the file holds, ready to be written: its data bid and its subnodes.
struct NodeData {
    std::uint64_t Data = 0;
    std::uint64_t Sub = 0;
};

struct StoredValue {
    std::uint16_t Id;
    std::uint16_t Type;
    std::string Bytes;
};

bool InlineType(std::uint16_t type)
{
    return type == kInt16 || type == kInt32 || type == kBool || type == 0x0004 || type == 0x000A;
}

// A property context: a heap whose B-tree maps property identifiers to type 2 and value 4 (the
// value itself when it takes at most 4 bytes, else a heap allocation, or a subnode when larger
// than an allocation can be).
NodeData PropertyContext(Ndb& ndb, std::vector<StoredValue> values)
{
    std::sort(values.begin(), values.end(), [](const auto& a, const auto& b) { return a.Id < b.Id; });
    Heap heap(0xBC);
    std::vector<SubnodeEntry> subnodes;
    std::vector<std::pair<std::string, std::string>> records;
    for (const StoredValue& v : values) {
        std::string key, data;
        Put16(key, v.Id);
        Put16(data, v.Type);
        if (InlineType(v.Type)) {
            std::string padded = v.Bytes.substr(0, 4);
            padded.resize(4, '\0');
            data += padded;
        } else if (v.Bytes.size() <= kHeapAllocMax) {
            Put32(data, heap.Alloc(v.Bytes));
        } else {
            const auto nid = static_cast<std::uint32_t>(((subnodes.size() + 1) << 5) | kNidLtp);
            subnodes.push_back({nid, ndb.Data(v.Bytes)});
            Put32(data, nid);
        }
        records.emplace_back(key, data);
    }
    const std::uint32_t root = BTree(heap, 2, 6, std::move(records));
    return {ndb.Blocks(heap.Serialize(root)), ndb.Subnodes(std::move(subnodes))};
}

// A table context of the rows' identifiers: the table header (type 0x7C, columns 1, the ends
// of the 4-, 2- and 1-byte columns and of the existence bitmap 2 each, row index 4, rows 4,
// deprecated index 4, then per column tag 4, offset 2, size 1, bitmap bit 1), the row index
// (a heap B-tree from row identifier 4 to row number 4) and the rows (identifier 4, version 4,
// the bitmap 1), in the heap or, when larger than an allocation, in a subnode whose blocks each
// hold whole rows.
NodeData TableContext(Ndb& ndb, const std::vector<std::uint32_t>& rowIds)
{
    constexpr std::size_t kRowSize = 9;
    Heap heap(0x7C);
    std::vector<std::pair<std::string, std::string>> index;
    std::string rows;
    for (std::size_t i = 0; i < rowIds.size(); ++i) {
        std::string key, data;
        Put32(key, rowIds[i]);
        Put32(data, static_cast<std::uint32_t>(i));
        index.emplace_back(key, data);
        Put32(rows, rowIds[i]);
        Put32(rows, 0);
        Put8(rows, 0xC0);  // both columns present
    }
    const std::uint32_t rowIndex = BTree(heap, 4, 4, std::move(index));
    std::vector<SubnodeEntry> subnodes;
    std::uint32_t rowsRef = 0;
    if (rows.size() > kHeapAllocMax) {
        std::vector<std::string> chunks;
        const std::size_t perBlock = kBlockData / kRowSize * kRowSize;
        for (std::size_t at = 0; at < rows.size(); at += perBlock)
            chunks.push_back(rows.substr(at, perBlock));
        rowsRef = (1u << 5) | kNidLtp;
        subnodes.push_back({rowsRef, ndb.Blocks(chunks)});
    } else if (!rows.empty()) {
        rowsRef = heap.Alloc(rows);
    }
    std::string info;
    Put8(info, 0x7C);
    Put8(info, 2);
    for (int end : {8, 8, 8, 9})  // the 4-, 2- and 1-byte columns end at 8, the bitmap at 9
        Put16(info, static_cast<std::uint16_t>(end));
    Put32(info, rowIndex);
    Put32(info, rowsRef);
    Put32(info, 0);
    Put32(info, 0x67F20003);  // the row's identifier
    Put16(info, 0);
    Put8(info, 4);
    Put8(info, 0);
    Put32(info, 0x67F30003);  // the row's version
    Put16(info, 4);
    Put8(info, 4);
    Put8(info, 1);
    const std::uint32_t root = heap.Alloc(std::move(info));
    return {ndb.Blocks(heap.Serialize(root)), ndb.Subnodes(std::move(subnodes))};
}

StoredValue Unicode(std::uint16_t id, std::u16string_view text)
{
    return {id, kUnicode, Utf16LeBytes(text)};
}

StoredValue Int32(std::uint16_t id, std::uint32_t value)
{
    std::string b;
    Put32(b, value);
    return {id, kInt32, b};
}

StoredValue Boolean(std::uint16_t id, bool value)
{
    return {id, kBool, std::string(1, value ? '\1' : '\0')};
}

std::string EntryId(std::uint32_t nid)
{
    std::string id(4, '\0');
    id += kPstRecordKey;
    Put32(id, nid);
    return id;
}

// The name-to-id map: every named property of the messages gets identifier 0x8000 + its
// position. Streams: GUIDs 16 each; entries 8 each (number or string offset 4, the set and
// whether it is named by a string 2 (set index << 1 | string), position 2); strings (length 4,
// UTF-16LE, padded to 4).
class NameMap {
public:
    std::uint16_t IdOf(const PstKey& key)
    {
        for (std::size_t i = 0; i < mKeys.size(); ++i)
            if (mKeys[i] == key)
                return static_cast<std::uint16_t>(0x8000 + i);
        mKeys.push_back(key);
        return static_cast<std::uint16_t>(0x8000 + mKeys.size() - 1);
    }

    std::vector<StoredValue> Values() const
    {
        static constexpr Guid kPublicStrings = {0x29, 0x03, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
                                                0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};
        std::vector<Guid> guids;
        std::string entries, strings;
        for (std::size_t i = 0; i < mKeys.size(); ++i) {
            const PstKey& k = mKeys[i];
            std::uint16_t set = 2;
            if (k.Set != kPublicStrings) {
                auto at = std::find(guids.begin(), guids.end(), k.Set);
                if (at == guids.end())
                    at = guids.insert(guids.end(), k.Set);
                set = static_cast<std::uint16_t>(3 + (at - guids.begin()));
            }
            const bool named = k.Kind == PstKeyKind::NamedString;
            if (named) {
                Put32(entries, static_cast<std::uint32_t>(strings.size()));
                Put32(strings, static_cast<std::uint32_t>(k.Name.size() * 2));
                strings += Utf16LeBytes(k.Name);
                strings.resize((strings.size() + 3) / 4 * 4, '\0');
            } else {
                Put32(entries, k.Number);
            }
            Put16(entries, static_cast<std::uint16_t>(set << 1 | (named ? 1 : 0)));
            Put16(entries, static_cast<std::uint16_t>(i));
        }
        std::string guidStream;
        for (const Guid& g : guids)
            guidStream.append(reinterpret_cast<const char*>(g.data()), g.size());
        // Every stream is present, an empty one holding nothing the entries point at.
        for (std::string* s : {&guidStream, &entries, &strings})
            if (s->empty())
                s->assign(4, '\0');
        return {Int32(0x0001, 251), {0x0002, kBinary, guidStream}, {0x0003, kBinary, entries},
                {0x0004, kBinary, strings}};
    }

private:
    std::vector<PstKey> mKeys;
};

}  // namespace

std::string WritePst(const std::vector<PstFolderSpec>& folders)
{
    Ndb ndb;
    NameMap names;
    const auto folderNid = [](std::uint32_t index) { return (index << 5) | kNidNormalFolder; };
    const auto tableNid = [](std::uint32_t folder, std::uint32_t type) { return (folder & ~0x1Fu) | type; };
    const std::uint32_t topNid = folderNid(0x400);
    const std::uint32_t inboxNid = folderNid(0x401);
    std::vector<std::uint32_t> nids;
    for (std::size_t i = 0; i < folders.size(); ++i)
        nids.push_back(folderNid(static_cast<std::uint32_t>(0x402 + i)));

    // The default folders' entry identifiers, which the root folder and the inbox hold.
    std::vector<StoredValue> defaults;
    const std::pair<const char16_t*, std::uint16_t> kDefaultTags[] = {
        {u"IPF.Appointment", 0x36D0}, {u"IPF.Contact", 0x36D1}, {u"IPF.StickyNote", 0x36D3}, {u"IPF.Task", 0x36D4}};
    for (const auto& [cls, tag] : kDefaultTags) {
        for (std::size_t i = 0; i < folders.size(); ++i) {
            if (folders[i].ContainerClass == cls) {
                defaults.push_back({tag, kBinary, EntryId(nids[i])});
                break;
            }
        }
    }

    const auto folder = [&](std::uint32_t nid, std::uint32_t parent, std::u16string_view name,
                            std::u16string_view containerClass, const std::vector<std::uint32_t>& children,
                            const std::vector<std::uint32_t>& messages, bool holdsDefaults) {
        std::vector<StoredValue> values{Unicode(0x3001, name), Int32(0x3602, static_cast<std::uint32_t>(messages.size())),
                                        Int32(0x3603, 0), Boolean(0x360A, !children.empty())};
        if (!containerClass.empty())
            values.push_back(Unicode(0x3613, containerClass));
        if (holdsDefaults)
            values.insert(values.end(), defaults.begin(), defaults.end());
        const NodeData pc = PropertyContext(ndb, values);
        ndb.Node(nid, pc.Data, pc.Sub, parent);
        if (!children.empty()) {
            const NodeData h = TableContext(ndb, children);
            ndb.Node(tableNid(nid, kNidHierarchyTable), h.Data, h.Sub, 0);
        }
        const NodeData c = TableContext(ndb, messages);
        ndb.Node(tableNid(nid, kNidContentsTable), c.Data, c.Sub, 0);
    };

    // Message identifiers are given from the last folder to the first: libpff places each node
    // by searching the nodes placed before it, depth first, so a folder's messages are found
    // fastest when the folders after it in the tree have theirs placed already.
    std::uint32_t nextMessage = 0x10000;
    for (std::size_t i = folders.size(); i-- > 0;) {
        std::vector<std::uint32_t> messages;
        for (const PstMessage& m : folders[i].Messages) {
            const std::uint32_t nid = (nextMessage++ << 5) | kNidNormalMessage;
            std::vector<StoredValue> values;
            for (const PstProperty& p : m.Properties) {
                switch (p.Key.Kind) {
                case PstKeyKind::Tag: values.push_back({p.Key.Tag, p.Type, p.Value}); break;
                case PstKeyKind::NamedNumber:
                case PstKeyKind::NamedString: values.push_back({names.IdOf(p.Key), p.Type, p.Value}); break;
                default: break;
                }
            }
            const NodeData pc = PropertyContext(ndb, std::move(values));
            ndb.Node(nid, pc.Data, pc.Sub, nids[i]);
            messages.push_back(nid);
        }
        folder(nids[i], topNid, folders[i].Name, folders[i].ContainerClass, {}, messages, false);
    }
    std::vector<std::uint32_t> topChildren{inboxNid};
    topChildren.insert(topChildren.end(), nids.begin(), nids.end());
    folder(inboxNid, topNid, u"Inbox", u"IPF.Note", {}, {}, true);
    folder(topNid, kNidRootFolder, u"Top of Personal Folders", u"", topChildren, {}, false);
    folder(kNidRootFolder, kNidRootFolder, u"", u"", {topNid}, {}, true);

    const NodeData map = PropertyContext(ndb, names.Values());
    ndb.Node(kNidNameToIdMap, map.Data, map.Sub, 0);
    const NodeData store = PropertyContext(
        ndb, {{0x0FF9, kBinary, kPstRecordKey}, Unicode(0x3001, u"Personal Folders"), {0x35E0, kBinary, EntryId(topNid)}});
    ndb.Node(kNidMessageStore, store.Data, store.Sub, 0);
    return ndb.Finish();
}

}  // namespace velmora::tools

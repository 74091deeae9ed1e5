#pragma once

#include "model/TextValue.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>
#include <string_view>
#include <vector>

namespace velmora::connectors {

namespace detail {

inline void PutVarint(std::vector<char>& out, std::uint64_t value)
{
    for (; value >= 0x80; value >>= 7)
        out.push_back(static_cast<char>(value | 0x80));
    out.push_back(static_cast<char>(value));
}

// Packs the fields VisitFileFields lists: each field that is set is written after the number
// of unset ones before it (a varint); an unset field (an empty text, a zero, a date of all zero
// bits) costs nothing but its share of that number.
struct Packer {
    std::vector<char>& out;
    std::uint64_t unset = 0;

    template <std::size_t N>
    void Text(const char*, const model::Text<N>& value)
    {
        const std::string_view text = value.view();
        if (text.empty())
            return Skip();
        Set();
        PutVarint(out, text.size());
        out.insert(out.end(), text.begin(), text.end());
    }
    void Int(const char*, std::int32_t value)
    {
        if (value == 0)
            return Skip();
        Set();
        const auto bits = static_cast<std::uint32_t>(value);
        PutVarint(out, (bits << 1) ^ (value < 0 ? 0xFFFFFFFFu : 0u));  // small negatives stay short
    }
    void Date(const char*, double value)
    {
        std::uint64_t bits = 0;
        std::memcpy(&bits, &value, sizeof bits);
        if (bits == 0)
            return Skip();
        Set();
        const char* bytes = reinterpret_cast<const char*>(&bits);
        out.insert(out.end(), bytes, bytes + sizeof bits);
    }
    void Flag(const char*, std::uint8_t value)
    {
        if (value == 0)
            return Skip();
        Set();
        out.push_back(static_cast<char>(value));
    }

private:
    void Skip() { ++unset; }
    void Set()
    {
        PutVarint(out, unset);
        unset = 0;
    }
};

// The reverse. An unset field is set to zero (or emptied) whatever the record's own default.
struct Unpacker {
    const char* next;
    const char* end;
    std::uint64_t unset = 0;  // fields to leave unset before the next one stored

    Unpacker(const char* begin, const char* stop) : next(begin), end(stop) { Advance(); }

    template <std::size_t N>
    void Text(const char*, model::Text<N>& value)
    {
        if (!Stored()) {
            value = std::string_view();
            return;
        }
        const auto size = static_cast<std::size_t>(Varint());
        value = std::string_view(next, size);
        next += size;
        Advance();
    }
    void Int(const char*, std::int32_t& value)
    {
        if (!Stored()) {
            value = 0;
            return;
        }
        const auto bits = static_cast<std::uint32_t>(Varint());
        value = static_cast<std::int32_t>((bits >> 1) ^ (0u - (bits & 1u)));
        Advance();
    }
    void Date(const char*, double& value)
    {
        if (!Stored()) {
            value = 0.0;
            return;
        }
        std::memcpy(&value, next, sizeof value);
        next += sizeof value;
        Advance();
    }
    void Flag(const char*, std::uint8_t& value)
    {
        if (!Stored()) {
            value = 0;
            return;
        }
        value = static_cast<std::uint8_t>(*next++);
        Advance();
    }

private:
    bool Stored()
    {
        if (unset == 0)
            return true;
        --unset;
        return false;
    }
    void Advance() { unset = next < end ? Varint() : std::numeric_limits<std::uint64_t>::max(); }
    std::uint64_t Varint()
    {
        std::uint64_t value = 0;
        for (int shift = 0;; shift += 7) {
            const auto byte = static_cast<unsigned char>(*next++);
            value |= std::uint64_t{byte & 0x7Fu} << shift;
            if ((byte & 0x80) == 0)
                return value;
        }
    }
};

}  // namespace detail

// A connector's own list of the records its helper delivered, kept packed: only the fields a
// record sets take room, and most fields of a record are empty, so a hundred thousand Google
// contacts take some fifteen megabytes instead of a hundred and forty. The packed records lie one after another
// in blocks of a megabyte, which never move as the list grows. A record is unpacked when it is
// asked for; a replaced one is packed anew after the last.
template <class Rec>
class PackedRecords {
public:
    using Record = Rec;

    std::size_t size() const { return mSlots.size(); }
    bool empty() const { return mSlots.empty(); }
    void clear()
    {
        mBlocks = decltype(mBlocks)();
        mSlots = decltype(mSlots)();
        mUsed = 0;
    }
    void push_back(const Rec& record) { mSlots.push_back(Pack(record)); }
    void Replace(std::size_t position, const Rec& record) { mSlots.at(position) = Pack(record); }

    Rec operator[](std::size_t position) const
    {
        Rec record;
        const Slot slot = mSlots[position];
        const char* packed = mBlocks[slot.block].get() + slot.offset;
        detail::Unpacker unpacker(packed, packed + slot.size);
        VisitFileFields(record, unpacker);
        return record;
    }
    Rec at(std::size_t position) const
    {
        static_cast<void>(mSlots.at(position));
        return (*this)[position];
    }

private:
    static constexpr std::size_t kBlockBytes = std::size_t{1} << 20;

    struct Slot {
        std::uint32_t block;
        std::uint32_t offset;
        std::uint32_t size;
    };

    Slot Pack(const Rec& record)
    {
        mScratch.clear();
        detail::Packer packer{mScratch};
        VisitFileFields(record, packer);
        const std::size_t size = mScratch.size();
        // A record larger than a block gets a block of its own, full at once.
        if (mBlocks.empty() || kBlockBytes - mUsed < size) {
            mBlocks.push_back(std::make_unique<char[]>(std::max(kBlockBytes, size)));
            mUsed = 0;
        }
        if (size > 0)  // a record of only unset fields packs to nothing
            std::memcpy(mBlocks.back().get() + mUsed, mScratch.data(), size);
        const Slot slot{static_cast<std::uint32_t>(mBlocks.size() - 1), static_cast<std::uint32_t>(mUsed),
                        static_cast<std::uint32_t>(size)};
        mUsed = std::min(mUsed + size, kBlockBytes);
        return slot;
    }

    std::vector<std::unique_ptr<char[]>> mBlocks;
    std::size_t mUsed = 0;  // bytes taken in the last block
    std::vector<Slot> mSlots;
    std::vector<char> mScratch;
};

}  // namespace velmora::connectors

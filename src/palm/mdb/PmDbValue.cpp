#include "PmDbValue.h"

namespace velmora::palm {
namespace {

constexpr std::string_view kMagic = "VMDB";

void Put32(std::string& out, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

class Reader {
public:
    explicit Reader(std::string_view bytes) : mBytes(bytes) {}
    bool Take(std::size_t count, std::string_view& out)
    {
        if (count > mBytes.size() - mPos)
            return false;
        out = mBytes.substr(mPos, count);
        mPos += count;
        return true;
    }
    bool U8(std::uint8_t& value)
    {
        std::string_view b;
        if (!Take(1, b))
            return false;
        value = static_cast<std::uint8_t>(b[0]);
        return true;
    }
    bool U32(std::uint32_t& value)
    {
        std::string_view b;
        if (!Take(4, b))
            return false;
        value = 0;
        for (int i = 3; i >= 0; --i)
            value = value << 8 | static_cast<unsigned char>(b[static_cast<std::size_t>(i)]);
        return true;
    }
    std::size_t Left() const { return mBytes.size() - mPos; }

private:
    std::string_view mBytes;
    std::size_t mPos = 0;
};

}  // namespace

std::string EncodeRows(const std::vector<PmDbRow>& rows)
{
    std::string out(kMagic);
    out += '\0';
    Put32(out, static_cast<std::uint32_t>(rows.size()));
    for (const PmDbRow& row : rows) {
        Put32(out, static_cast<std::uint32_t>(row.size()));
        for (const PmDbValue& v : row) {
            out += static_cast<char>(v.ValueKind);
            if (v.ValueKind == PmDbValue::Kind::Integer || v.ValueKind == PmDbValue::Kind::Boolean) {
                Put32(out, static_cast<std::uint32_t>(v.Integer));
            } else if (v.ValueKind == PmDbValue::Kind::Text) {
                Put32(out, static_cast<std::uint32_t>(v.Text.size()));
                out += v.Text;
            }
        }
    }
    return out;
}

std::string EncodeError(std::string_view error)
{
    std::string out(kMagic);
    out += '\1';
    Put32(out, static_cast<std::uint32_t>(error.size()));
    out += error;
    return out;
}

bool DecodeRows(std::string_view bytes, std::vector<PmDbRow>& rows, std::string& error)
{
    rows.clear();
    Reader in(bytes);
    std::string_view magic;
    std::uint8_t status = 0;
    std::uint32_t count = 0;
    if (!in.Take(kMagic.size(), magic) || magic != kMagic || !in.U8(status) || status > 1 || !in.U32(count)) {
        error = "The database reader's answer is damaged.";
        return false;
    }
    if (status == 1) {
        std::string_view text;
        error = in.Take(count, text) ? std::string(text) : "The database reader failed.";
        return false;
    }
    // Every row takes at least its 4-byte value count, every value at least its kind byte.
    if (count > in.Left() / 4) {
        error = "The database reader's answer is damaged.";
        return false;
    }
    rows.reserve(count);
    for (std::uint32_t r = 0; r < count; ++r) {
        std::uint32_t values = 0;
        if (!in.U32(values) || values > in.Left()) {
            error = "The database reader's answer is damaged.";
            rows.clear();
            return false;
        }
        PmDbRow& row = rows.emplace_back(values);
        for (PmDbValue& v : row) {
            std::uint8_t kind = 0;
            std::uint32_t number = 0;
            std::string_view text;
            bool ok = in.U8(kind) && kind <= static_cast<std::uint8_t>(PmDbValue::Kind::Boolean);
            if (ok) {
                v.ValueKind = static_cast<PmDbValue::Kind>(kind);
                if (v.ValueKind == PmDbValue::Kind::Integer || v.ValueKind == PmDbValue::Kind::Boolean) {
                    ok = in.U32(number);
                    v.Integer = static_cast<std::int32_t>(number);
                } else if (v.ValueKind == PmDbValue::Kind::Text) {
                    ok = in.U32(number) && in.Take(number, text);
                    v.Text = text;
                }
            }
            if (!ok) {
                error = "The database reader's answer is damaged.";
                rows.clear();
                return false;
            }
        }
    }
    return true;
}

}  // namespace velmora::palm

#include "ParamParser.h"

#include "platform/AtomicFile.h"

#include <fstream>
#include <iterator>

namespace velmora::connectors {
namespace {

void Put32(std::string& out, std::int32_t value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        out += static_cast<char>((bits >> (8 * i)) & 0xFF);
}

// Reads a little-endian 32-bit value at `pos`, advancing it; nothing past the end.
std::optional<std::int32_t> Take32(std::string_view bytes, std::size_t& pos)
{
    if (bytes.size() - pos < 4 || pos > bytes.size())
        return std::nullopt;
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[pos + static_cast<std::size_t>(i)]);
    pos += 4;
    return static_cast<std::int32_t>(value);
}

}  // namespace

bool ParamParser::SetParam(std::int32_t id, std::int32_t type, std::string_view value)
{
    value = value.substr(0, kMaxValueBytes);
    for (auto& param : mParams) {
        if (param.id != id)
            continue;
        if (param.type != type)
            return false;
        param.value = value;
        return true;
    }
    mParams.push_back({id, type, std::string(value)});
    return true;
}

std::optional<std::string> ParamParser::Get(std::int32_t id) const
{
    for (const auto& param : mParams) {
        if (param.id == id)
            return param.value;
    }
    return std::nullopt;
}

std::string ParamParser::Bytes() const
{
    std::string out;
    Put32(out, static_cast<std::int32_t>(mParams.size()));
    for (const auto& param : mParams) {
        Put32(out, param.id);
        Put32(out, param.type);
        Put32(out, static_cast<std::int32_t>(param.value.size()));
        out += param.value;
    }
    return out;
}

bool ParamParser::Save(const std::string& path) const
{
    return platform::WriteFileAtomically(path, Bytes(), 0600);
}

bool ParamParser::Load(const std::string& path)
{
    mParams.clear();
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::size_t pos = 0;
    const auto count = Take32(bytes, pos);
    if (!count || *count < 0)
        return false;
    for (std::int32_t i = 0; i < *count; ++i) {
        const auto id = Take32(bytes, pos), type = Take32(bytes, pos), length = Take32(bytes, pos);
        if (!id || !type || !length || *length < 0 || static_cast<std::size_t>(*length) > bytes.size() - pos) {
            mParams.clear();
            return false;
        }
        SetParam(*id, *type, std::string_view(bytes).substr(pos, static_cast<std::size_t>(*length)));
        pos += static_cast<std::size_t>(*length);
    }
    return true;
}

}  // namespace velmora::connectors

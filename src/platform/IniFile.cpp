#include "IniFile.h"

#include "AsciiCase.h"
#include "AtomicFile.h"
#include "LineBreak.h"

#include <climits>
#include <fstream>
#include <iterator>

namespace velmora::platform {
namespace {

std::string_view Trim(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// The section name of a header line "[name]", or nothing for any other line.
std::optional<std::string_view> HeaderName(std::string_view line)
{
    line = Trim(line);
    if (line.size() < 2 || line.front() != '[')
        return std::nullopt;
    const auto close = line.find(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return Trim(line.substr(1, close - 1));
}

struct Entry {
    std::string_view key;
    std::string_view value;
};

std::optional<Entry> EntryOf(std::string_view line)
{
    const auto trimmed = Trim(line);
    if (trimmed.empty() || trimmed.front() == ';')
        return std::nullopt;
    const auto equals = line.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    return Entry{Trim(line.substr(0, equals)), Trim(line.substr(equals + 1))};
}

std::string Unquoted(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return std::string(value);
}

std::string Joined(std::string_view a, std::string_view b, std::string_view c)
{
    std::string text;
    text.reserve(a.size() + b.size() + c.size());
    text.append(a).append(b).append(c);
    return text;
}

}  // namespace

IniFile IniFile::Load(const std::string& path)
{
    IniFile file;
    std::ifstream in(path, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // A byte-order mark some editors put at the start would hide the first section.
    if (text.rfind("\xEF\xBB\xBF", 0) == 0)
        text.erase(0, 3);
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = FindLineBreak(text, start);
        if (end == std::string::npos)
            end = text.size();
        file.mLines.emplace_back(text, start, end - start);
        if (end < text.size() && text[end] == '\r')
            file.mCrLf = true;
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return file;
}

const std::unordered_map<std::string, std::size_t>& IniFile::Index() const
{
    if (mIndex)
        return *mIndex;
    mIndex.emplace();
    std::unordered_map<std::string, bool> sections;  // upper-case name: seen
    std::string current;
    bool active = false;  // a later section of a name already seen is not looked in
    for (std::size_t i = 0; i < mLines.size(); ++i) {
        if (const auto name = HeaderName(mLines[i])) {
            current = UpperAscii(*name);
            active = sections.emplace(current, true).second;
            continue;
        }
        if (!active)
            continue;
        if (const auto entry = EntryOf(mLines[i]))
            mIndex->emplace(current + '\n' + UpperAscii(entry->key), i);
    }
    return *mIndex;
}

std::optional<IniFile::Location> IniFile::FindSection(std::string_view section) const
{
    for (std::size_t i = 0; i < mLines.size(); ++i) {
        const auto name = HeaderName(mLines[i]);
        if (!name || !EqualsNoCase(*name, section))
            continue;
        std::size_t end = i + 1;
        while (end < mLines.size() && !HeaderName(mLines[end]))
            ++end;
        return Location{i, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> IniFile::FindKey(const Location& where, std::string_view key) const
{
    for (std::size_t i = where.header + 1; i < where.end; ++i) {
        const auto entry = EntryOf(mLines[i]);
        if (entry && EqualsNoCase(entry->key, key))
            return i;
    }
    return std::nullopt;
}

std::optional<std::string> IniFile::Get(std::string_view section, std::string_view key) const
{
    const auto& index = Index();
    const auto found = index.find(UpperAscii(section) + '\n' + UpperAscii(key));
    if (found == index.end())
        return std::nullopt;
    return Unquoted(EntryOf(mLines[found->second])->value);
}

std::string IniFile::GetString(std::string_view section, std::string_view key, std::string_view fallback,
                               std::size_t maxLength) const
{
    std::string value = Get(section, key).value_or(std::string(fallback));
    const std::size_t keep = maxLength == 0 ? 0 : maxLength - 1;
    if (value.size() > keep)
        value.resize(keep);
    return value;
}

int IniFile::GetInt(std::string_view section, std::string_view key, int fallback) const
{
    const auto value = Get(section, key);
    if (!value || value->empty())
        return fallback;
    std::size_t i = 0;
    const bool negative = (*value)[0] == '-';
    if ((*value)[0] == '-' || (*value)[0] == '+')
        i = 1;
    long long number = 0;
    for (; i < value->size() && (*value)[i] >= '0' && (*value)[i] <= '9'; ++i) {
        number = number * 10 + ((*value)[i] - '0');
        if (number > static_cast<long long>(INT_MAX) + 1)
            number = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative)
        number = -number;
    if (number > INT_MAX)
        number = INT_MAX;
    return static_cast<int>(number);
}

void IniFile::Set(std::string_view section, std::string_view key, std::string_view value)
{
    value = value.substr(0, FindLineBreak(value));
    mIndex.reset();
    const auto where = FindSection(section);
    if (!where) {
        if (!mLines.empty() && !Trim(mLines.back()).empty())
            mLines.emplace_back();
        mLines.push_back(Joined("[", section, "]"));
        mLines.push_back(Joined(key, "=", value));
        return;
    }
    if (const auto line = FindKey(*where, key)) {
        mLines[*line] = Joined(EntryOf(mLines[*line])->key, "=", value);
        return;
    }
    std::size_t insertAt = where->end;
    while (insertAt > where->header + 1 && Trim(mLines[insertAt - 1]).empty())
        --insertAt;
    mLines.insert(mLines.begin() + static_cast<std::ptrdiff_t>(insertAt), Joined(key, "=", value));
}

bool IniFile::Save(const std::string& path, mode_t mode) const
{
    std::string data;
    const char* eol = mCrLf ? "\r\n" : "\n";
    for (const auto& line : mLines)
        data.append(line).append(eol);
    return WriteFileAtomically(path, data, mode);
}

}  // namespace velmora::platform

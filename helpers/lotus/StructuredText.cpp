#include "StructuredText.h"

#include "model/CxDateTime.h"
#include "platform/AsciiCase.h"

#include <cctype>

namespace velmora::helpers {
namespace {

bool NameStart(char c)
{
    return std::isalpha(static_cast<unsigned char>(c)) != 0 || c == '$' || c == '_';
}

bool NameChar(char c)
{
    return NameStart(c) || std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// The item name of "Name: value", or empty for a continuation line.
std::string_view ItemName(std::string_view line)
{
    if (line.empty() || !NameStart(line[0]))
        return {};
    std::size_t end = 1;
    while (end < line.size() && NameChar(line[end]))
        ++end;
    return end < line.size() && line[end] == ':' ? line.substr(0, end) : std::string_view();
}

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

// Reads an unsigned number of at most `maxDigits` digits at `at`.
bool Number(std::string_view s, std::size_t& at, int maxDigits, int& value)
{
    int digits = 0;
    value = 0;
    while (at < s.size() && std::isdigit(static_cast<unsigned char>(s[at])) != 0 && digits < maxDigits) {
        value = value * 10 + (s[at++] - '0');
        ++digits;
    }
    return digits > 0;
}

}  // namespace

const std::string* NotesDocument::Find(std::string_view name) const
{
    for (const auto& [item, value] : Items)
        if (platform::EqualsNoCase(item, name))
            return &value;
    return nullptr;
}

std::string NotesDocument::First(std::initializer_list<std::string_view> names) const
{
    for (std::string_view name : names)
        if (const std::string* value = Find(name); value != nullptr && !value->empty())
            return *value;
    return {};
}

std::vector<NotesDocument> ParseStructuredText(std::string_view text)
{
    std::vector<NotesDocument> documents(1);
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = at;
        while (end < text.size() && text[end] != '\n' && text[end] != '\r')
            ++end;
        std::string_view line = text.substr(at, end - at);
        at = end;
        if (at < text.size() && text[at] == '\r')
            ++at;
        if (at < text.size() && text[at] == '\n')
            ++at;
        if (!line.empty() && line.front() == '\f') {
            if (!documents.back().Items.empty())
                documents.emplace_back();
            while (!line.empty() && line.front() == '\f')
                line.remove_prefix(1);
        }
        std::string clean;
        for (char c : line)
            if (c != '\f')
                clean += c;
        NotesDocument& doc = documents.back();
        const std::string_view name = ItemName(clean);
        if (!name.empty()) {
            doc.Items.emplace_back(std::string(name), std::string(Trim(std::string_view(clean).substr(name.size() + 1))));
        } else if (!doc.Items.empty() && !Trim(clean).empty()) {
            std::string& value = doc.Items.back().second;
            value += value.empty() ? "" : "\r\n";
            value += Trim(clean);
        }
    }
    if (documents.back().Items.empty())
        documents.pop_back();
    return documents;
}

double ParseNotesDate(std::string_view text)
{
    text = Trim(text);
    text = text.substr(0, std::min(text.find(','), text.find(';')));
    std::size_t at = 0;
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    int first = 0;
    if (!Number(text, at, 8, first))
        return 0;
    if (at == 8 && at <= text.size()) {  // 20251225
        year = first / 10000;
        month = first / 100 % 100;
        day = first % 100;
        if (at < text.size() && text[at] == 'T') {
            ++at;
            int hms = 0;
            const std::size_t from = at;
            if (Number(text, at, 6, hms) && at - from == 6) {
                hour = hms / 10000;
                minute = hms / 100 % 100;
                second = hms % 100;
            }
        }
        return model::MakeDate(year, month, day, hour, minute, second);
    }
    if (at < text.size() && text[at] == '-') {  // 2025-12-25
        year = first;
        ++at;
        if (!Number(text, at, 2, month) || at >= text.size() || text[at++] != '-' || !Number(text, at, 2, day))
            return 0;
    } else if (at < text.size() && text[at] == '/') {  // 12/25/2025
        month = first;
        ++at;
        if (!Number(text, at, 2, day) || at >= text.size() || text[at++] != '/' || !Number(text, at, 4, year))
            return 0;
        if (year < 100)
            year += year < 50 ? 2000 : 1900;
    } else {
        return 0;
    }
    if (at < text.size() && (text[at] == 'T' || text[at] == ' ')) {
        std::size_t t = at + 1;
        while (t < text.size() && text[t] == ' ')
            ++t;
        if (Number(text, t, 2, hour) && t < text.size() && text[t] == ':') {
            ++t;
            Number(text, t, 2, minute);
            if (t < text.size() && text[t] == ':') {
                ++t;
                Number(text, t, 2, second);
            }
            while (t < text.size() && text[t] == ' ')
                ++t;
            const std::string rest = platform::UpperAscii(text.substr(t, 2));
            if (rest == "PM" && hour < 12)
                hour += 12;
            else if (rest == "AM" && hour == 12)
                hour = 0;
        } else {
            hour = 0;
        }
    }
    if (hour > 23 || minute > 59 || second > 59)
        return 0;
    return model::MakeDate(year, month, day, hour, minute, second);
}

}  // namespace velmora::helpers

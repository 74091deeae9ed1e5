#include "VCard.h"

#include "platform/AsciiCase.h"

namespace velmora::helpers {
namespace {

// Joins folded lines: a line break followed by a space or tab continues the line.
std::vector<std::string> UnfoldedLines(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (!lines.empty() && !line.empty() && (line.front() == ' ' || line.front() == '\t'))
            lines.back() += line.substr(1);
        else
            lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

std::string Unescape(std::string_view value)
{
    std::string out;
    out.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        const char next = value[++i];
        if (next == 'n' || next == 'N')
            out += "\r\n";
        else
            out += next;
    }
    return out;
}

std::vector<std::string> Split(std::string_view value, char separator)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= value.size(); ++i) {
        if (i < value.size() && value[i] == '\\') {
            ++i;
            continue;
        }
        if (i == value.size() || value[i] == separator) {
            parts.push_back(Unescape(value.substr(start, i - start)));
            start = i + 1;
        }
    }
    return parts;
}

void AddTypes(VCardProperty& property, std::string_view values)
{
    for (const std::string& type : Split(values, ','))
        property.types.push_back(platform::UpperAscii(type));
}

// "group.NAME;PARAM=...:value"; the value starts at the first ':' outside a quoted parameter.
bool ParseProperty(std::string_view line, VCardProperty& property)
{
    bool quoted = false;
    std::size_t colon = std::string_view::npos;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '"')
            quoted = !quoted;
        else if (line[i] == ':' && !quoted) {
            colon = i;
            break;
        }
    }
    if (colon == std::string_view::npos || colon == 0)
        return false;
    property.value = line.substr(colon + 1);
    std::string_view head = line.substr(0, colon);
    std::vector<std::string_view> parts;
    quoted = false;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= head.size(); ++i) {
        if (i < head.size() && head[i] == '"')
            quoted = !quoted;
        if (i == head.size() || (head[i] == ';' && !quoted)) {
            parts.push_back(head.substr(start, i - start));
            start = i + 1;
        }
    }
    std::string_view name = parts.front();
    if (const auto dot = name.find('.'); dot != std::string_view::npos) {
        property.group = platform::UpperAscii(name.substr(0, dot));
        name = name.substr(dot + 1);
    }
    property.name = platform::UpperAscii(name);
    for (std::size_t i = 1; i < parts.size(); ++i) {
        const std::string_view parameter = parts[i];
        const auto equals = parameter.find('=');
        if (equals == std::string_view::npos) {
            AddTypes(property, parameter);  // vCard 2.1: TEL;HOME;FAX:...
            continue;
        }
        const std::string key = platform::UpperAscii(parameter.substr(0, equals));
        std::string_view value = parameter.substr(equals + 1);
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        if (key == "TYPE")
            AddTypes(property, value);
        else if (key == "LABEL")
            property.label = Unescape(value);
        else if (key == "PREF")
            property.types.push_back("PREF");
    }
    return !property.name.empty();
}

}  // namespace

bool VCardProperty::HasType(std::string_view type) const
{
    for (const auto& candidate : types) {
        if (candidate == type)
            return true;
    }
    return false;
}

std::string VCardProperty::Text() const
{
    return Unescape(value);
}

std::vector<std::string> VCardProperty::Components() const
{
    return Split(value, ';');
}

std::vector<std::string> VCardProperty::List() const
{
    return Split(value, ',');
}

std::string VCard::LabelOf(const VCardProperty& property) const
{
    if (property.group.empty())
        return {};
    for (const auto& other : properties) {
        if (other.group == property.group && other.name == "X-ABLABEL")
            return other.Text();
    }
    return {};
}

std::vector<VCard> ParseVCards(std::string_view text)
{
    if (text.rfind("\xEF\xBB\xBF", 0) == 0)
        text.remove_prefix(3);
    std::vector<VCard> cards;
    bool inCard = false;
    for (const std::string& line : UnfoldedLines(text)) {
        VCardProperty property;
        if (!ParseProperty(line, property))
            continue;
        if (property.name == "BEGIN" && platform::UpperAscii(property.value) == "VCARD") {
            cards.emplace_back();
            inCard = true;
        } else if (property.name == "END" && platform::UpperAscii(property.value) == "VCARD") {
            inCard = false;
        } else if (inCard) {
            cards.back().properties.push_back(std::move(property));
        }
    }
    return cards;
}

}  // namespace velmora::helpers

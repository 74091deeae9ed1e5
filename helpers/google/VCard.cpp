#include "VCard.h"

#include "platform/AsciiCase.h"
#include "platform/LineBreak.h"

namespace velmora::helpers {
namespace {

// Calls `take` with each unfolded line: a line break (CR LF, LF or CR alone) followed by a space
// or tab continues the line.
template <class Take>
void ForEachUnfoldedLine(std::string_view text, Take take)
{
    std::string line;
    bool haveLine = false;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = platform::FindLineBreak(text, start);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view piece = text.substr(start, end - start);
        if (haveLine && !piece.empty() && (piece.front() == ' ' || piece.front() == '\t')) {
            line += piece.substr(1);
        } else {
            if (haveLine)
                take(line);
            line.assign(piece);
            haveLine = true;
        }
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    if (haveLine)
        take(line);
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
        // A backslash escapes the next character; a last one stands for itself (as Unescape
        // keeps it), so that the last part is never lost and there is always one part.
        if (i + 1 < value.size() && value[i] == '\\') {
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
    if (!mLabels) {
        mLabels.emplace();
        for (const auto& other : properties)
            if (!other.group.empty() && other.name == "X-ABLABEL")
                mLabels->emplace(other.group, other.Text());  // the first label of a group counts
    }
    const auto found = mLabels->find(property.group);
    return found != mLabels->end() ? found->second : std::string();
}

std::vector<VCard> ParseVCards(std::string_view text)
{
    if (text.rfind("\xEF\xBB\xBF", 0) == 0)
        text.remove_prefix(3);
    std::vector<VCard> cards;
    bool inCard = false;
    // A card that ended (or was given up for a new one) without properties keeps nothing.
    const auto dropEmpty = [&cards] {
        if (!cards.empty() && cards.back().properties.empty())
            cards.pop_back();
    };
    ForEachUnfoldedLine(text, [&](const std::string& line) {
        VCardProperty property;
        if (!ParseProperty(line, property))
            return;
        if (property.name == "BEGIN" && platform::UpperAscii(property.value) == "VCARD") {
            dropEmpty();
            cards.emplace_back();
            inCard = true;
        } else if (property.name == "END" && platform::UpperAscii(property.value) == "VCARD") {
            dropEmpty();
            inCard = false;
        } else if (inCard) {
            cards.back().properties.push_back(std::move(property));
        }
    });
    dropEmpty();
    return cards;
}

}  // namespace velmora::helpers

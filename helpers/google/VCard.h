#pragma once

#include <optional>
#include <string>
#include <unordered_map>
#include <string_view>
#include <vector>

namespace velmora::helpers {

// One content line of a vCard: "group.NAME;PARAM=a,b;TYPE=x:value".
struct VCardProperty {
    std::string group;                // "item1" of "item1.EMAIL"; empty without a group
    std::string name;                 // upper case
    std::vector<std::string> types;   // every TYPE value, upper case (also 2.1-style bare parameters)
    std::string label;                // the VALUE of a LABEL parameter, if any
    std::string value;                // raw: escapes are undone by the accessors below

    bool HasType(std::string_view type) const;
    // The value with \n, \, \; and \\ undone (line breaks become CR LF).
    std::string Text() const;
    // The value split at unescaped ';' (N, ADR, ORG), each part unescaped.
    std::vector<std::string> Components() const;
    // The value split at unescaped ',' (CATEGORIES, NICKNAME), each part unescaped.
    std::vector<std::string> List() const;
};

struct VCard {
    std::vector<VCardProperty> properties;
    // The value of the X-ABLabel property of the same group (Apple and Google custom labels).
    // The labels are indexed by group on the first call, so a card of many groups costs time in
    // proportion to its properties, not their square.
    std::string LabelOf(const VCardProperty& property) const;

private:
    mutable std::optional<std::unordered_map<std::string, std::string>> mLabels;
};

// Every card of a vCard file (2.1, 3.0 or 4.0), after unfolding lines (ended by CR LF, LF or CR
// alone). Lines that are not properties are skipped; a card without END:VCARD ends with the file;
// a card without properties is not kept.
std::vector<VCard> ParseVCards(std::string_view text);

}  // namespace velmora::helpers

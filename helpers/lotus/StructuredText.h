#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velmora::helpers {

// One document of a Notes structured-text export: its items in file order.
struct NotesDocument {
    std::vector<std::pair<std::string, std::string>> Items;  // name, value (lines joined by CR LF)

    // The first item of that name (compared without regard to case), or null.
    const std::string* Find(std::string_view name) const;
    // The first non-empty value of the names, or "".
    std::string First(std::initializer_list<std::string_view> names) const;
};

// The documents of a structured-text export, as Notes writes one for any view: "Item: value"
// lines, a line that does not start with an item name continuing the item above, and
// documents separated by a form feed at the start of a line (a form feed elsewhere is dropped).
// An item name is a letter, '$' or '_' followed by letters, digits, '$' and '_'. Lines may end in
// CR LF, LF or CR. Documents without items are skipped.
std::vector<NotesDocument> ParseStructuredText(std::string_view text);

// A date as Notes writes it: "12/25/2025 09:00:00 AM" (month first; seconds and AM/PM optional),
// "2025-12-25T09:00:00", "2025-12-25 09:00", "20251225T090000", or a date alone; a zone name
// after the time is ignored, and of a list ("a, b" or "a; b") the first is taken. 0 when it is
// none of these.
double ParseNotesDate(std::string_view text);

}  // namespace velmora::helpers

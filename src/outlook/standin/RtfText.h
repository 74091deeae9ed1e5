#pragma once

#include <string>
#include <string_view>

namespace velmora::outlook::standin {

// The text of an RTF document, as Outlook shows a body it keeps only as RTF: control words and
// the groups that hold no text (font and colour tables, style sheets, pictures, any "\*"
// destination) are dropped; \par and \line become a line break (CR LF), \tab a tab; \'xx is
// that byte read as Windows-1252 (what Outlook writes for Western text); \uN is
// that character, the \ucN characters after it skipped. For RTF encapsulating HTML, the parts
// that only the RTF reader shows (\htmlrtf) are dropped as well. Unbalanced or truncated input
// gives the text read so far; nesting is bounded.
std::u16string RtfToText(std::string_view rtf);

}  // namespace velmora::outlook::standin

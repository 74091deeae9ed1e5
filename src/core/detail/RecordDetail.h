#pragma once

#include <string>
#include <vector>

namespace velmora::core {

// What a record detail dialog shows, built from a source's own record without any UI: the
// window's caption and header sentence, fields above the tabs, and the tabs with their fields,
// one read-only list each at most, and inner tabs. Texts are Windows-1252.

// One control with its caption. A Group opens a framed group that the fields after it belong
// to, up to the next Group or the end of the tab.
struct DetailField {
    enum class Control { Edit, Memo, Check, Radio, RadioEdit, Group };
    Control Kind = Control::Edit;
    std::string Caption{};
    std::string Value{};   // an edit's or memo's text, a RadioEdit's edit
    bool Checked = false;  // check boxes and radio buttons
    std::string Suffix{};  // a label after an edit ("days.", "weeks on:")
};

// A report list: column captions and rows of as many texts.
struct DetailList {
    std::string Name{};  // the control's name: "lvPhone", "lvMisc", "lvCustom", "lvDiff"
    std::vector<std::string> Columns{};
    std::vector<std::vector<std::string>> Rows{};
};

struct DetailTab {
    std::string Caption{};
    std::vector<DetailField> Fields{};
    std::vector<DetailList> Lists{};  // shown below the fields
    std::vector<DetailTab> Inner{};   // an inner page control, its first tab selected
};

struct RecordDetail {
    std::string Caption{};
    std::string Header{};
    int SourceApp = 0;  // whose image the header band shows (an AppType)
    std::vector<DetailField> Top{};  // above the tabs
    std::vector<DetailTab> Tabs{};   // the first one shown on opening
};

}  // namespace velmora::core

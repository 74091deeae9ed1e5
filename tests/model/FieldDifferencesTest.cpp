#include "model/FieldDifferences.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace velmora::model;

namespace {

std::vector<std::string> Rows(const std::vector<FieldDifference>& differences)
{
    std::vector<std::string> rows;
    for (const FieldDifference& d : differences)
        rows.push_back(d.Label + "|" + d.InAct + "|" + d.Written);
    return rows;
}

// Marks `source` against `inAct` as the loading step does and returns its differences; the
// list must be non-empty exactly when the record is marked Different.
template <class Manager, class Rec>
std::vector<std::string> Compared(const Rec& inAct, const Rec& source)
{
    Manager act, incoming;
    act.Add(&inAct);
    Rec* marked = incoming.Add(&source);
    incoming.CompareWith(&act);
    const std::vector<FieldDifference> differences =
        marked->MatchedRec != nullptr ? Differences(act, *marked->MatchedRec, *marked) : std::vector<FieldDifference>{};
    EXPECT_EQ(marked->Status == RecStatus::Different, !differences.empty());
    return Rows(differences);
}

CommAddrRec Contact()
{
    CommAddrRec r;
    r.FirstName = "Ann";
    r.LastName = "Lee";
    r.Email = "ann@acme.example";
    r.Company = "Acme";
    r.WorkAddr.Street = "1 Main St";
    return r;
}

TEST(FieldDifferences, ContactsListExactlyTheComparedFieldsTheMarkRestsOn)
{
    const struct {
        const char* name;
        std::function<void(CommAddrRec& act, CommAddrRec& source)> change;
        std::vector<std::string> rows;
    } cases[] = {
        {"identical", [](CommAddrRec&, CommAddrRec&) {}, {}},
        {"one compared field", [](CommAddrRec&, CommAddrRec& s) { s.Company = "Acme Corp"; }, {"Company|Acme|Acme Corp"}},
        {"empty in ACT!", [](CommAddrRec&, CommAddrRec& s) { s.Title = "Buyer"; }, {"Title|(empty)|Buyer"}},
        // An empty source value leaves ACT!'s value, so the migration writes what is there.
        {"empty in the source", [](CommAddrRec& a, CommAddrRec&) { a.Title = "Buyer"; }, {"Title|Buyer|Buyer (kept: the source has none)"}},
        {"case only", [](CommAddrRec&, CommAddrRec& s) { s.Company = "ACME"; }, {}},
        {"inner line break only", [](CommAddrRec& a, CommAddrRec& s) {
             a.WorkAddr.Street = "1 Main St\r\nFloor 2";
             s.WorkAddr.Street = "1 Main StFloor 2";
         }, {}},
        {"trailing line break", [](CommAddrRec& a, CommAddrRec&) { a.WorkAddr.Street = "1 Main St\r\n"; },
         {"(Work) Street|1 Main St (line break at end)|1 Main St"}},
        {"a field not compared", [](CommAddrRec&, CommAddrRec& s) {
             s.Note = "met at the fair";
             s.Hobby = "sailing";
         }, {}},
        {"two fields in list order", [](CommAddrRec&, CommAddrRec& s) {
             s.WorkPhone = "555-0100";
             s.HomeAddr.City = "Leeds";
         }, {"Work Phone|(empty)|555-0100", "(Home) City|(empty)|Leeds"}},
    };
    for (const auto& c : cases) {
        CommAddrRec act = Contact(), source = Contact();
        c.change(act, source);
        EXPECT_EQ((Compared<CommAddrMgr>(act, source)), c.rows) << c.name;
    }
}

TEST(FieldDifferences, OtherKindsFollowTheirOwnRules)
{
    CommDateRec entry;
    entry.Subject = "Team call";
    entry.Start = {.Year = 2026, .Month = 3, .DayOfWeek = 1, .Day = 2, .Hour = 14};
    entry.End = entry.Start;
    CommDateRec moved = entry;
    moved.Location = "Room 2";
    moved.Note = "agenda";  // not compared
    EXPECT_EQ((Compared<CommDateMgr>(entry, moved)), std::vector<std::string>{"Location|(empty)|Room 2"});

    // Task notes are not compared; a task's subject compares without case, line breaks counted.
    CommTaskRec task;
    task.Subject = "Call\r\nBob";
    CommTaskRec other = task;
    other.Priority = 1;
    EXPECT_EQ((Compared<CommTaskMgr>(task, other)), std::vector<std::string>{"Priority|Normal|High"});

    CommNoteRec note;
    note.Text = "Budget";
    CommNoteRec same = note;
    same.Subject = "Other";
    EXPECT_EQ((Compared<CommNoteMgr>(note, same)), std::vector<std::string>{});
}

TEST(FieldDifferences, ShownTextKeepsWhatTellsValuesApartVisible)
{
    const std::pair<std::string, std::string> cases[] = {
        {"", "(empty)"},
        {"Main St", "Main St"},
        {"Main St\r\n", "Main St (line break at end)"},
        {"\n", "(line break at end)"},
        {"a\r\nb\nc", "a (line break) b (line break) c"},
        {"a\r\rb", "a (line break)  (line break) b"},
    };
    for (const auto& [value, shown] : cases)
        EXPECT_EQ(ShownText(value), shown) << value;
}

}  // namespace

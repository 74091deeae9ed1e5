// The content of the record detail dialogs, from source records built here.
#include "connectors/google/GoogleRecords.h"
#include "connectors/lotus/LotusRecords.h"
#include "core/detail/DetailProviders.h"
#include "core/detail/RecordDifferences.h"
#include "model/CxDateTime.h"
#include "outlook/OlRecords.h"
#include "palm/PmSourceRec.h"
#include "palm/dat/PmTime.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace velmora;
using core::DetailField;
using core::DetailTab;
using core::RecordDetail;

namespace {

std::vector<std::string> Captions(const std::vector<DetailTab>& tabs)
{
    std::vector<std::string> captions;
    for (const DetailTab& tab : tabs)
        captions.push_back(tab.Caption);
    return captions;
}

const DetailTab& Tab(const std::vector<DetailTab>& tabs, const std::string& caption)
{
    for (const DetailTab& tab : tabs) {
        if (tab.Caption == caption)
            return tab;
    }
    ADD_FAILURE() << "no tab " << caption;
    static const DetailTab none;
    return none;
}

const DetailTab& Tab(const RecordDetail& d, const std::string& caption)
{
    return Tab(d.Tabs, caption);
}

// The rows of a tab's list, cells joined by "|".
std::vector<std::string> Rows(const DetailTab& tab)
{
    std::vector<std::string> rows;
    for (const core::DetailList& list : tab.Lists) {
        for (const std::vector<std::string>& row : list.Rows) {
            std::string line;
            for (const std::string& cell : row)
                line += (line.empty() ? "" : "|") + cell;
            rows.push_back(line);
        }
    }
    return rows;
}

// The tab's fields as "caption=value", check boxes and radio buttons as "caption" when checked.
std::vector<std::string> Fields(const std::vector<DetailField>& fields)
{
    std::vector<std::string> shown;
    for (const DetailField& f : fields) {
        using C = DetailField::Control;
        if (f.Kind == C::Check || f.Kind == C::Radio || f.Kind == C::RadioEdit) {
            if (f.Checked)
                shown.push_back("[x] " + f.Caption + (f.Kind == C::RadioEdit ? "=" + f.Value : ""));
        } else if (f.Kind != C::Group) {
            shown.push_back(f.Caption + "=" + f.Value);
        }
    }
    return shown;
}

std::vector<std::string> Fields(const DetailTab& tab)
{
    return Fields(tab.Fields);
}

template <class Common, class Raw>
Common Owning(Raw raw)
{
    Common common;
    common.SourceData.Own(std::move(raw));
    return common;
}

double Day(int year, int month, int day, int hour = 0, int minute = 0)
{
    return model::MakeDate(year, month, day, hour, minute);
}

TEST(RecordDetail, EveryDialogWithoutItsSourceRecordIsAnEmptyFrame)
{
    const model::CommAddrRec contact;  // no source record attached
    const model::CommDateRec entry;
    for (const RecordDetail& d : {core::GGAddrDetail(&contact), core::LNAddrDetail(nullptr), core::OLAddrDetail(&contact),
                                  core::PDAddrDetail(nullptr), core::GGDateDetail(&entry), core::LNDateDetail(&entry),
                                  core::OLDateDetail(nullptr), core::PDDateDetail(&entry), core::LNTaskDetail(nullptr),
                                  core::OLTaskDetail(nullptr), core::PDTaskDetail(nullptr), core::LNNoteDetail(nullptr),
                                  core::OLNoteDetail(nullptr), core::PDNoteDetail(nullptr)}) {
        EXPECT_FALSE(d.Caption.empty());
        EXPECT_TRUE(d.Top.empty()) << d.Caption;
        for (const DetailTab& tab : d.Tabs)
            EXPECT_TRUE(tab.Fields.empty() && tab.Lists.empty() && tab.Inner.empty()) << d.Caption << ": " << tab.Caption;
    }
    const RecordDetail palm = core::PDAddrDetail(nullptr);
    EXPECT_EQ(palm.Caption, "View Palm Desktop Contact Record Details");
    EXPECT_EQ(palm.Header, "View detail information of the Palm Desktop Contact record.");
    EXPECT_EQ(Captions(palm.Tabs),
              (std::vector<std::string>{"General Information", "Addresses", "Online Presense", "Custom Fields", "Notes"}));
}

TEST(RecordDetail, OutlookContactShowsOnlyFilledPhonesAndAlwaysTheGender)
{
    outlook::OlAddrRec raw;
    raw.FullName = "Ann Lee";
    raw.CompanyName = "Acme";
    raw.MobileTelephoneNumber = "555-0101";
    raw.Email1Address = "ann@acme.example";
    raw.Birthday = Day(1980, 5, 17);
    raw.HomeAddressCity = "Leeds";
    raw.UserNames[2] = "Region";
    raw.UserValues[2] = "North";
    raw.UserNames[3] = "Unset";
    const auto contact = Owning<model::CommAddrRec>(std::move(raw));
    const RecordDetail d = core::OLAddrDetail(&contact);

    EXPECT_EQ(Captions(d.Tabs),
              (std::vector<std::string>{"Phones and Emails", "Addresses", "Notes", "Misc Fields", "User-Defined Fields"}));
    EXPECT_EQ(Fields(d.Top), (std::vector<std::string>{"Name:=Ann Lee", "Company:=Acme", "Job Title:="}));
    EXPECT_EQ(Rows(Tab(d, "Phones and Emails")), (std::vector<std::string>{"Mobile Phone|555-0101", "Email 1|ann@acme.example"}));
    EXPECT_EQ(Rows(Tab(d, "Misc Fields")), (std::vector<std::string>{"Birthday|05/17/1980", "Gender|Not Specified"}));
    EXPECT_EQ(Rows(Tab(d, "User-Defined Fields")), std::vector<std::string>{"3|Region|North"});
    const DetailTab& addresses = Tab(d, "Addresses");
    EXPECT_EQ(Captions(addresses.Inner), (std::vector<std::string>{"Work", "Home", "Other", "Mail"}));
    EXPECT_EQ(Fields(Tab(addresses.Inner, "Home"))[1], "City:=Leeds");
}

outlook::OlDateRec Appointment(std::int32_t type)
{
    outlook::OlDateRec raw;
    raw.Subject = "Standup";
    raw.Start = Day(2026, 3, 2, 9, 5);
    raw.End = Day(2026, 3, 2, 9, 20);
    raw.RecurrenceType = type;
    raw.Interval = 1;
    return raw;
}

TEST(RecordDetail, OutlookAppointmentShowsOneRecurrenceTabByKindAndItsRange)
{
    const auto single = Owning<model::CommDateRec>(Appointment(outlook::olRecursNone));
    const RecordDetail once = core::OLDateDetail(&single);
    EXPECT_EQ(Captions(once.Tabs), (std::vector<std::string>{"General", "Notes", "Misc Fields"}));
    EXPECT_EQ(Fields(Tab(once, "General"))[1], "Date:=03/02/2026");
    EXPECT_EQ(Fields(Tab(once, "General"))[2], "Start time:=09:05:00");
    EXPECT_EQ(Rows(Tab(once, "Misc Fields")),
              (std::vector<std::string>{"Response Requested|No", "Response Status|None", "Reminder Set|No"}));

    auto weekly = Appointment(outlook::olRecursWeekly);
    weekly.DayOfWeekMask = 0b0001010;  // Monday and Wednesday
    weekly.Interval = 2;
    weekly.PatternEndDate = Day(4500, 12, 31);  // Outlook's "no end"
    weekly.ReminderSet = 1;
    weekly.ReminderTime = Day(2026, 3, 2, 8, 50);
    weekly.Sensitivity = 3;
    weekly.ResponseStatus = 3;
    weekly.ReminderPlaySound = 1;
    const auto series = Owning<model::CommDateRec>(std::move(weekly));
    const RecordDetail d = core::OLDateDetail(&series);
    const DetailTab& recurrence = Tab(d, "Recurrence");
    ASSERT_EQ(Captions(recurrence.Inner), std::vector<std::string>{"Weekly"});
    EXPECT_EQ(Fields(recurrence.Inner[0]), (std::vector<std::string>{"Every=2", "[x] Monday", "[x] Wednesday"}));
    EXPECT_EQ(Fields(recurrence), std::vector<std::string>{"[x] No end date"});
    EXPECT_EQ(Rows(Tab(d, "Misc Fields")),
              (std::vector<std::string>{"Response Requested|No", "Response Status|Accepted", "Reminder Set|Yes",
                                        "Reminder Time|08:50:00", "Reminder Override Default|No", "Reminder Play Sound|Yes"}))
        << "no sound file row without a file";
    EXPECT_EQ(Fields(Tab(d, "General")).back(), "[x] Private");

    const struct {
        std::int32_t type;
        const char* tab;
        std::vector<std::string> fields;
    } kinds[] = {
        {outlook::olRecursDaily, "Daily", {"Every=1"}},
        {outlook::olRecursMonthly, "Monthly", {"Every=1", "[x] Date"}},
        {outlook::olRecursMonthNth, "Monthly", {"Every=1", "[x] Day"}},
        {outlook::olRecursYearly, "Yearly", {"Every=1"}},
        {outlook::olRecursYearNth, "Yearly", {"Every=1"}},
    };
    for (const auto& kind : kinds) {
        auto raw = Appointment(kind.type);
        raw.PatternEndDate = Day(2026, 6, 30);
        const auto entry = Owning<model::CommDateRec>(std::move(raw));
        const RecordDetail detail = core::OLDateDetail(&entry);
        const DetailTab& tab = Tab(detail, "Recurrence");
        ASSERT_EQ(Captions(tab.Inner), std::vector<std::string>{kind.tab}) << kind.type;
        EXPECT_EQ(Fields(tab.Inner[0]), kind.fields) << kind.type;
        EXPECT_EQ(Fields(tab), std::vector<std::string>{"[x] End by=06/30/2026"}) << kind.type;
    }
}

TEST(RecordDetail, OutlookTasksAndNotesNameTheirCodes)
{
    outlook::OlTaskRec task;
    task.Subject = "Send offer";
    task.Importance = 2;
    task.Status = 9;
    task.Sensitivity = 2;
    task.TotalWork = 30;
    task.ReminderSet = 1;
    task.ReminderPlaySound = 1;
    task.ReminderSoundFile = "reminder.wav";
    const auto t = Owning<model::CommTaskRec>(std::move(task));
    const RecordDetail d = core::OLTaskDetail(&t);
    EXPECT_EQ(Fields(Tab(d, "General")), (std::vector<std::string>{"Description:=Send offer", "Priority:=High", "Due Date:=",
                                                                   "Category:=", "[x] Private"}));
    EXPECT_EQ(Rows(Tab(d, "Misc Fields")),
              (std::vector<std::string>{"Reminder Set|Yes", "Reminder Override Default|No", "Reminder Play Sound|Yes",
                                        "Reminder Sound File|reminder.wav", "Status|Unknown", "Team Task|No", "Total Work|30"}));

    for (const auto& [colour, row] : std::vector<std::pair<int, std::vector<std::string>>>{
             {3, {"Color|Yellow"}}, {4, {"Color|White"}}, {7, {}}}) {
        outlook::OlNoteRec note;
        note.Color = colour;
        const auto n = Owning<model::CommNoteRec>(std::move(note));
        EXPECT_EQ(Rows(Tab(core::OLNoteDetail(&n), "Misc Fields")), row) << colour;
    }
}

TEST(RecordDetail, LotusNotesShowsTenCustomRowsAndRecurrenceByRepeatUnit)
{
    connectors::LNContactRec contact;
    contact.DisplayName = "Ann Lee";
    contact.CustomValues[1] = "Gold";
    const auto c = Owning<model::CommAddrRec>(std::move(contact));
    const std::vector<std::string> custom = Rows(Tab(core::LNAddrDetail(&c), "Custom Fields"));
    ASSERT_EQ(custom.size(), 10u);
    EXPECT_EQ(custom[0], "1|[Empty]");
    EXPECT_EQ(custom[1], "2|Gold");
    EXPECT_EQ(custom[9], "10|[Empty]");

    const struct {
        const char* flag;
        const char* unit;
        std::vector<std::string> inner;
    } units[] = {{"1", "D", {"Daily"}}, {"1", "W", {"Weekly"}}, {"1", "MD", {"Monthly"}}, {"1", "MP", {"Monthly"}},
                 {"1", "Y", {"Yearly"}}, {"1", "X", {}},        {"0", "D", {}}};
    for (const auto& u : units) {
        connectors::LNEventRec event;
        event.RepeatFlag = u.flag;
        event.RepeatUnit = u.unit;
        event.RepeatInterval = "3";
        event.RepeatValue = "34";  // Monday and Friday
        const auto e = Owning<model::CommDateRec>(std::move(event));
        const RecordDetail d = core::LNDateDetail(&e);
        const bool shown = !u.inner.empty();
        ASSERT_EQ(Captions(d.Tabs).size(), shown ? 4u : 3u) << u.flag << u.unit;
        if (!shown)
            continue;
        const DetailTab& recurrence = Tab(d, "Recurrence");
        EXPECT_EQ(Captions(recurrence.Inner), u.inner) << u.unit;
        EXPECT_EQ(Fields(recurrence.Inner[0])[0], "Every=3") << u.unit;
        EXPECT_EQ(Fields(recurrence), std::vector<std::string>{"[x] No end date"}) << u.unit;
    }
    connectors::LNEventRec weekly;
    weekly.RepeatFlag = "1";
    weekly.RepeatUnit = "W";
    weekly.RepeatValue = "34";
    weekly.RepeatUntil = Day(2026, 9, 1);
    const auto w = Owning<model::CommDateRec>(std::move(weekly));
    const RecordDetail until = core::LNDateDetail(&w);
    EXPECT_EQ(Fields(Tab(until, "Recurrence").Inner[0]), (std::vector<std::string>{"Every=0", "[x] Monday", "[x] Friday"}));
    EXPECT_EQ(Fields(Tab(until, "Recurrence")), std::vector<std::string>{"[x] End by=09/01/2026"});

    connectors::LNNotebookRec notebook;
    notebook.BorderColor = 0xFF8000;
    const auto n = Owning<model::CommNoteRec>(std::move(notebook));
    EXPECT_EQ(Rows(Tab(core::LNNoteDetail(&n), "Misc Fields")), std::vector<std::string>{"Border Color|0xFF8000"});
}

TEST(RecordDetail, GoogleCalendarRecurrenceKindsAndContactCustomSlots)
{
    const struct {
        std::int32_t type;
        std::vector<std::string> inner;
        std::vector<std::string> fields;
    } kinds[] = {{0, {}, {}},
                 {1, {"Daily"}, {"Every=2"}},
                 {2, {"Weekly"}, {"Every=2", "[x] Sunday", "[x] Saturday"}},
                 {3, {"Monthly"}, {"Every=2", "[x] Day"}},
                 {4, {"Monthly"}, {"Every=2", "[x] Date"}},
                 {5, {"Yearly"}, {"Every=2"}},
                 {6, {"Yearly"}, {"Every=2"}},
                 {9, {}, {}}};
    for (const auto& kind : kinds) {
        connectors::GEventRec event;
        event.RecurrenceType = kind.type;
        event.Interval = 2;
        event.Weekdays = 1 | 64;
        event.RecurrenceStart = Day(2026, 1, 5, 10);
        const auto e = Owning<model::CommDateRec>(std::move(event));
        const RecordDetail d = core::GGDateDetail(&e);
        if (kind.inner.empty()) {
            EXPECT_EQ(Captions(d.Tabs), (std::vector<std::string>{"General", "Notes", "Misc Fields"})) << kind.type;
            continue;
        }
        const DetailTab& recurrence = Tab(d, "Recurrence");
        EXPECT_EQ(Captions(recurrence.Inner), kind.inner) << kind.type;
        EXPECT_EQ(Fields(recurrence.Inner[0]), kind.fields) << kind.type;
        EXPECT_EQ(Fields(recurrence), (std::vector<std::string>{"Start:=01/05/2026 10:00:00", "[x] No end date"}));
    }

    connectors::GContactRec contact;
    contact.CustomLabels[0] = "Region";
    contact.CustomFields[0] = "North";
    contact.CustomLabels[4] = "Tier";
    contact.CustomFields[6] = "orphan value";  // no label: no row
    contact.PhoneKinds[0] = 3;
    contact.Phones[0] = "555-0103";
    contact.EmailKinds[0] = 2;
    contact.Emails[0] = "ann@acme.example";
    const auto c = Owning<model::CommAddrRec>(std::move(contact));
    const RecordDetail d = core::GGAddrDetail(&c);
    EXPECT_EQ(Rows(Tab(d, "Custom Fields")), (std::vector<std::string>{"1|North", "5|[None]"}));
    EXPECT_EQ(Rows(Tab(d, "Phones and Emails")),
              (std::vector<std::string>{"Email(Work)|ann@acme.example", "Phone(Mobile)|555-0103"}));
    EXPECT_EQ(Captions(Tab(d, "Addresses").Inner), (std::vector<std::string>{"Work", "Home", "Other"}));
}

std::int32_t PalmSeconds(int year, int month, int day)
{
    palm::PmTime time;
    EXPECT_TRUE(time.FromFields(year, month, day, 12, 0, 0));
    return time.GetValue();
}

// A Palm common record pointing at its source block, as the front-ends attach it.
template <class Common, class Source, class Rec>
Common PalmRecord(Source& source, int generation, const Rec& record)
{
    source.Generation = generation;
    source.Record = &record;
    Common common;
    common.SourceData.PointAt(&source);
    return common;
}

TEST(RecordDetail, PalmContactLayoutFollowsTheGeneration)
{
    palm::PmAddrRec early;
    early.FirstName = "Ann";
    early.LastName = "Lee";
    early.PhoneLabel[0] = 7;
    early.Phone[0] = "555-0107";
    early.Custom[1] = "Gold";
    palm::PmAddrSourceRec earlySource;
    const std::array<std::string, 9> labels{"Region", "Level"};
    earlySource.CustomLabels = &labels;
    const auto e = PalmRecord<model::CommAddrRec>(earlySource, palm::kGenerationEarly, early);
    const RecordDetail first = core::PDAddrDetail(&e);
    EXPECT_EQ(Captions(first.Tabs), (std::vector<std::string>{"General Information", "Addresses", "Custom Fields", "Notes"}));
    EXPECT_EQ(Captions(Tab(first, "Addresses").Inner), std::vector<std::string>{"Address"});
    const std::vector<std::string> general = Fields(Tab(first, "General Information"));
    EXPECT_EQ(general[2], "English Name:=Ann Lee");
    EXPECT_EQ(general[6], "Primary Contact:=Mobile Phone");
    EXPECT_EQ(general.size(), 8u);  // six fields, the primary contact, the checked first of five phone rows
    EXPECT_EQ(general[7], "[x] Mobile Phone=555-0107");
    const std::vector<std::string> custom = Fields(Tab(first, "Custom Fields"));
    EXPECT_EQ(custom[0], "Region:=");
    EXPECT_EQ(custom[1], "Level:=Gold");
    EXPECT_EQ(custom[2], "Custom 3:=");

    palm::PmAddrEx2Rec latest;
    latest.Birthday = 1980 * 65536 + 5 * 256 + 17;
    latest.AssistantName = "Bea";
    latest.Chat[1] = "ann.im";
    latest.PrimaryContact = 2;
    for (std::int32_t i = 0; i < 7; ++i)
        latest.PhoneLabel[i] = i;
    palm::PmAddrSourceRec latestSource;
    const auto l = PalmRecord<model::CommAddrRec>(latestSource, palm::kGenerationEx2, latest);
    const RecordDetail third = core::PDAddrDetail(&l);
    EXPECT_EQ(Captions(third.Tabs),
              (std::vector<std::string>{"General Information", "Addresses", "Online Presense", "Custom Fields", "Notes"}));
    const DetailTab& addresses = Tab(third, "Addresses");
    EXPECT_EQ(Captions(addresses.Inner), (std::vector<std::string>{"Work", "Home", "Other"}));
    EXPECT_EQ(Fields(Tab(addresses.Inner, "Work"))[5], "Assistant Name:=Bea");
    EXPECT_EQ(Fields(Tab(addresses.Inner, "Home"))[6], "Birthday:=05/17/1980");
    EXPECT_EQ(Fields(Tab(addresses.Inner, "Home"))[3], "Zip:=");
    EXPECT_EQ(Fields(Tab(third, "Online Presense"))[1], "=ann.im");
    std::size_t phoneRows = 0;
    for (const DetailField& f : Tab(third, "General Information").Fields)
        phoneRows += f.Kind == DetailField::Control::RadioEdit ? 1 : 0;
    EXPECT_EQ(phoneRows, 6u);
    EXPECT_EQ(Fields(Tab(third, "General Information"))[6], "Primary Contact:=Fax");
}

TEST(RecordDetail, PalmCalendarRepeatEndsAndTheEarliestLayout)
{
    palm::PmDateRec early;
    early.Description = "Dentist";
    early.Repeat.Type = 2;
    early.Repeat.DaysMask = 0b0000100;
    early.Repeat.Interval = 1;
    palm::PmDateSourceRec earlySource;
    const auto e = PalmRecord<model::CommDateRec>(earlySource, palm::kGenerationEarly, early);
    const RecordDetail first = core::PDDateDetail(&e);
    EXPECT_EQ(Captions(first.Tabs), (std::vector<std::string>{"General", "Recurrence", "Notes"}));
    const DetailTab& weekly = Tab(first, "Recurrence");
    EXPECT_EQ(Fields(weekly.Inner[0]), (std::vector<std::string>{"Every=1", "[x] Tuesday"}));
    EXPECT_TRUE(Fields(weekly).empty());  // no repeat end: neither range button

    const struct {
        std::int32_t type;
        std::int32_t end;
        std::vector<std::string> inner, range;
    } cases[] = {
        {4, PalmSeconds(2026, 8, 31), {"Monthly", "[x] Date"}, {"[x] End by=08/31/2026"}},
        {3, PalmSeconds(2035, 1, 1), {"Monthly", "[x] Day"}, {"[x] End by="}},  // the date text stops at 2030
        {5, PalmSeconds(1999, 12, 30), {"Yearly", "[x] Date"}, {"[x] No end date"}},
        {6, 0x749DCEFF, {"Yearly", "[x] Day"}, {"[x] No end date"}},  // Palm's "no end", in 2031
        {1, PalmSeconds(2026, 8, 31), {"Daily"}, {"[x] End by=08/31/2026"}},
    };
    for (const auto& c : cases) {
        palm::PmDateExRec entry;
        entry.Repeat.Type = c.type;
        entry.Repeat.EndDate = c.end;
        entry.AlarmSet = 1;
        entry.AlarmAdvance = 10;
        palm::PmDateSourceRec source;
        const auto r = PalmRecord<model::CommDateRec>(source, palm::kGenerationEx, entry);
        const RecordDetail d = core::PDDateDetail(&r);
        const DetailTab& recurrence = Tab(d, "Recurrence");
        ASSERT_EQ(recurrence.Inner.size(), 1u) << c.type;
        std::vector<std::string> inner{recurrence.Inner[0].Caption};
        for (const std::string& f : Fields(recurrence.Inner[0]))
            if (f.starts_with("[x]"))
                inner.push_back(f);
        EXPECT_EQ(inner, c.inner) << c.type;
        EXPECT_EQ(Fields(recurrence), c.range) << c.type;
        EXPECT_EQ(Rows(Tab(d, "Misc Fields")), (std::vector<std::string>{"Reminder Set|Yes", "Reminder Advance|10 minutes"}));
    }

    palm::PmMemoEx2Rec memo;
    memo.Memo = "Shopping";
    memo.Private = 1;
    memo.CategoryName = "Home";
    palm::PmMemoSourceRec memoSource;
    const auto m = PalmRecord<model::CommNoteRec>(memoSource, palm::kGenerationEx2, memo);
    const RecordDetail note = core::PDNoteDetail(&m);
    EXPECT_EQ(Fields(Tab(note, "Notes")), std::vector<std::string>{"=Shopping"});
    EXPECT_EQ(Rows(Tab(note, "Misc Fields")), (std::vector<std::string>{"Private|Yes", "Category|Home"}));
}

TEST(RecordDetail, DifferencesTabOnlyWhenSomethingDiffers)
{
    RecordDetail d = core::OLNoteDetail(nullptr);
    core::AddDifferencesTab(d, {});
    EXPECT_EQ(Captions(d.Tabs), (std::vector<std::string>{"Notes", "Misc Fields"}));
    core::AddDifferencesTab(d, {{"Company", "Brix", "Brix Ltd"}});
    EXPECT_EQ(Captions(d.Tabs).back(), "Differences");
    EXPECT_EQ(Rows(d.Tabs.back()), std::vector<std::string>{"Company|Brix|Brix Ltd"});
}

}  // namespace

#include "PstDemo.h"

#include "PstItems.h"

#include "model/CxDateTime.h"

#include <string>

namespace velmora::tools {
namespace {

using model::MakeDate;

std::u16string Wide(const std::string& ascii)
{
    return std::u16string(ascii.begin(), ascii.end());
}

PstItem Contact(std::u16string_view first, std::u16string_view last, std::u16string_view email, std::u16string_view company)
{
    PstItem c(PstFolderKind::Contacts, u"IPM.Contact");
    c.Set(u"FirstName", first).Set(u"LastName", last).Set(u"FullName", std::u16string(first) + u" " + std::u16string(last));
    if (!email.empty())
        c.Set(u"Email1Address", email).Set(u"Email1AddressType", u"SMTP");
    if (!company.empty())
        c.Set(u"CompanyName", company);
    return c;
}

PstItem Appointment(std::u16string_view subject, double start, double end)
{
    PstItem a(PstFolderKind::Calendar, u"IPM.Appointment");
    a.Set(u"Subject", subject).SetDate(u"Start", start).SetDate(u"End", end);
    a.Set(u"Duration", static_cast<std::int32_t>((end - start) * 1440 + 0.5));
    return a;
}

RecurrencePattern Pattern(std::int32_t type, std::int32_t interval, double start, double end)
{
    RecurrencePattern p;
    p.RecurrenceType = type;
    p.Interval = interval;
    p.PatternStartDate = start;
    p.PatternEndDate = end;
    p.NoEndDate = end == 0;
    return p;
}

}  // namespace

std::vector<PstFolderSpec> DemoOutlookFolders()
{
    PstFolderSpec contacts{u"Contacts", u"IPF.Contact", {}};
    PstItem ann = Contact(u"Ann", u"Lee", u"ann.lee@acme.example", u"Acme Corporation");
    ann.Set(u"BusinessTelephoneNumber", u"555-0100x12")
        .Set(u"BusinessAddressStreet", u"1 Main Street")
        .Set(u"BusinessAddressCity", u"Springfield")
        .Set(u"BusinessAddressState", u"WA")
        .Set(u"BusinessAddressPostalCode", u"98052")
        .Set(u"BusinessAddressCountry", u"USA");
    PstItem bob = Contact(u"Bob", u"Marsh", u"bob@brix.example", u"Brix & Sons Ltd");
    bob.Set(u"JobTitle", u"Buyer")
        .Set(u"BusinessTelephoneNumber", u"555-0142")
        .Set(u"BusinessAddressStreet", u"7 Harbour Road")
        .Set(u"BusinessAddressCity", u"Springfield")
        .Set(u"BusinessAddressState", u"WA")
        .Set(u"BusinessAddressPostalCode", u"98052")
        .Set(u"BusinessAddressCountry", u"USA");
    bob.UserField(u"Account manager", u"Gina").UserField(u"Region", u"North-West").UserField(u"Visits", 4);
    PstItem dora = Contact(u"Dora", u"Kim", u"dora.kim@example.org", u"Kim Design");
    dora.Set(u"MobileTelephoneNumber", u"555-0199")
        .Set(u"JobTitle", u"Owner")
        .SetDate(u"Birthday", MakeDate(1975, 9, 14))
        .Set(u"Categories", u"Clients, Design")
        .Set(u"Gender", 1);
    dora.UserField(u"Referred by", u"Ann Lee");
    PstItem ed = Contact(u"Ed", u"Nov\u00E1k", u"ed.novak@example.net", u"");
    ed.Set(u"HomeAddressStreet", u"Via Roma 3").Set(u"HomeAddressCity", u"Torino")
        .Set(u"Body", u"Met at the trade fair, stand 12.");
    PstItem list(PstFolderKind::Contacts, u"IPM.DistList");
    list.Set(u"Subject", u"Trade fair team");
    for (PstItem* item : {&ann, &bob, &dora, &ed, &list})
        contacts.Messages.push_back(item->Message());

    PstFolderSpec calendar{u"Calendar", u"IPF.Appointment", {}};
    PstItem review = Appointment(u"Quarterly review", MakeDate(2008, 3, 7, 9, 0), MakeDate(2008, 3, 7, 10, 30));
    review.Set(u"Location", u"Room 1");
    PstItem standup = Appointment(u"Stand-up", MakeDate(2008, 3, 3, 9, 0), MakeDate(2008, 3, 3, 9, 15));
    standup.Recur(Pattern(0, 1, MakeDate(2008, 3, 3), MakeDate(2008, 6, 30)))
        .Set(u"ReminderSet", 1).Set(u"ReminderMinutesBeforeStart", 10);
    PstItem call = Appointment(u"Team call", MakeDate(2008, 3, 3, 14, 0), MakeDate(2008, 3, 3, 14, 30));
    RecurrencePattern weekly = Pattern(1, 2, MakeDate(2008, 3, 3), 0);
    weekly.DayOfWeekMask = 2 | 8;
    call.Recur(weekly);
    PstItem rent = Appointment(u"Pay the rent", MakeDate(2008, 3, 1, 8, 0), MakeDate(2008, 3, 1, 8, 30));
    RecurrencePattern monthly = Pattern(2, 1, MakeDate(2008, 3, 1), MakeDate(2008, 12, 1));
    monthly.DayOfMonth = 1;
    rent.Recur(monthly);
    PstItem board = Appointment(u"Board meeting", MakeDate(2008, 3, 25, 16, 0), MakeDate(2008, 3, 25, 18, 0));
    RecurrencePattern lastTuesday = Pattern(3, 1, MakeDate(2008, 3, 25), 0);
    lastTuesday.DayOfWeekMask = 4;
    lastTuesday.Instance = 5;
    board.Recur(lastTuesday);
    PstItem anniversary = Appointment(u"Company anniversary", MakeDate(2008, 5, 14), MakeDate(2008, 5, 15));
    RecurrencePattern yearly = Pattern(5, 1, MakeDate(2008, 5, 14), 0);
    yearly.DayOfMonth = 14;
    anniversary.Recur(yearly).Set(u"AllDayEvent", 1);
    PstItem fair = Appointment(u"Trade fair", MakeDate(2008, 10, 6, 9, 0), MakeDate(2008, 10, 6, 17, 0));
    RecurrencePattern firstMonday = Pattern(6, 1, MakeDate(2008, 10, 6), MakeDate(2012, 10, 1));
    firstMonday.DayOfWeekMask = 2;
    firstMonday.Instance = 1;
    fair.Recur(firstMonday).Set(u"Categories", u"Fairs");
    for (PstItem* item : {&review, &standup, &call, &rent, &board, &anniversary, &fair})
        calendar.Messages.push_back(item->Message());

    PstFolderSpec tasks{u"Tasks", u"IPF.Task", {}};
    const struct {
        const char16_t* Subject;
        std::int32_t Status, Importance, Sensitivity;
    } kTasks[] = {
        {u"Send the price list to Bob", 0, 1, 0},
        {u"Book the trade show stand", 1, 2, 0},
        {u"File the tax return", 2, 1, 2},
        {u"Wait for the printer's quote", 3, 0, 0},
        {u"Repaint the office", 4, 0, 1},
    };
    for (const auto& t : kTasks) {
        PstItem task(PstFolderKind::Tasks, u"IPM.Task");
        task.Set(u"Subject", t.Subject).Set(u"Status", t.Status).Set(u"Importance", t.Importance)
            .Set(u"Sensitivity", t.Sensitivity).Set(u"Complete", t.Status == 2 ? 1 : 0)
            .Set(u"PercentComplete", t.Status == 2 ? 100 : t.Status == 1 ? 50 : 0)
            .SetDate(u"DueDate", MakeDate(2008, 3, 10));
        tasks.Messages.push_back(task.Message());
    }

    PstFolderSpec notes{u"Notes", u"IPF.StickyNote", {}};
    const char16_t* const kColours[] = {u"blue", u"green", u"pink", u"yellow", u"white"};
    for (std::int32_t colour = 0; colour < 5; ++colour) {
        const std::u16string text = u"A " + std::u16string(kColours[colour]) + u" note";
        PstItem note(PstFolderKind::Notes, u"IPM.StickyNote");
        note.Set(u"Subject", text).Set(u"Body", text + u"\r\nwith a second line.").Set(u"Color", colour);
        notes.Messages.push_back(note.Message());
    }
    PstItem ann2(PstFolderKind::Notes, u"IPM.StickyNote");
    ann2.Set(u"Subject", u"Ann asked for a quote on 200 units.")
        .Set(u"Body", u"Ann asked for a quote on 200 units.\r\nCall back before Friday.").Set(u"Color", 3);
    notes.Messages.push_back(ann2.Message());
    return {contacts, calendar, tasks, notes};
}

std::vector<PstFolderSpec> BulkOutlookFolders(int contacts, int appointments)
{
    PstFolderSpec c{u"Contacts", u"IPF.Contact", {}};
    for (int i = 0; i < contacts; ++i) {
        const std::u16string n = Wide(std::to_string(i));
        PstItem item = Contact(u"First" + n, u"Last" + n, u"person" + n + u"@example.org", u"Company " + Wide(std::to_string(i % 500)));
        item.Set(u"BusinessTelephoneNumber", u"555-" + n).Set(u"BusinessAddressCity", u"Springfield")
            .Set(u"JobTitle", u"Title").Set(u"Body", u"Notes about person " + n);
        item.UserField(u"Customer number", n);
        c.Messages.push_back(item.Message());
    }
    PstFolderSpec cal{u"Calendar", u"IPF.Appointment", {}};
    for (int i = 0; i < appointments; ++i) {
        const double start = MakeDate(2008, 1, 1, 9, 0) + i % 1000;
        PstItem item = Appointment(u"Meeting " + Wide(std::to_string(i)), start, start + 1.0 / 24);
        item.Set(u"Location", u"Room " + Wide(std::to_string(i % 20)));
        if (i % 5 == 0) {
            RecurrencePattern p = Pattern(1, 1, static_cast<double>(static_cast<long>(start)), 0);
            p.DayOfWeekMask = 2;
            item.Recur(p);
        }
        cal.Messages.push_back(item.Message());
    }
    return {c, cal, {u"Tasks", u"IPF.Task", {}}, {u"Notes", u"IPF.StickyNote", {}}};
}

}  // namespace velmora::tools

// The Outlook readers against a fake object model that answers by name.
#include "outlook/CDispCmd.h"
#include "outlook/OlAddrUtil.h"
#include "outlook/OlDateUtil.h"
#include "outlook/OlNoteUtil.h"
#include "outlook/OlTaskUtil.h"

#include "model/CxDateTime.h"
#include "support/FakeOutlook.h"
#include "support/LoggedFiles.h"

#include <gtest/gtest.h>

#include <cstring>

namespace velmora::testing {
namespace {

using namespace outlook;

Variant Text(const std::u16string& value)
{
    return Variant::Bstr(value);
}

class OutlookReaders : public LoggedFiles {
protected:
    FakeOutlook mOutlook;

    // An item in the default folder `constant`, returned for filling in.
    FakeObject& AddItem(std::int32_t constant)
    {
        mOutlook.Folders[constant].Items.push_back(NewFake());
        return *mOutlook.Folders[constant].Items.back().get();
    }
};

TEST_F(OutlookReaders, DispCmdGettersAreTypedAndCutTextsToTheBuffer)
{
    Ref<FakeObject> object = NewFake();
    object->Properties[u"Long"] = Variant::I4(7);
    object->Properties[u"Short"] = Variant::I2(7);
    object->Properties[u"Empty"] = Variant{};
    object->Properties[u"Null"] = Variant::NullBstr();
    object->Properties[u"Text"] = Text(u"abcdef");
    object->Properties[u"Euro"] = Text(u"\u20AC5");
    object->Properties[u"Flag"] = Variant::Bool(true);
    object->EnglishOnly = {u"Text"};
    CDispCmd cmd(object.get());

    std::int32_t value = -1;
    EXPECT_EQ(cmd.GetLong(u"Long", value), S_OK);
    EXPECT_EQ(value, 7);
    value = -1;
    EXPECT_EQ(cmd.GetLong(u"Short", value), S_FALSE) << "no conversion between types";
    EXPECT_EQ(cmd.GetBool(u"Flag", value), S_OK);
    EXPECT_EQ(value, 1);

    char buffer[4] = {'x', 'x', 'x', 'x'};
    EXPECT_EQ(cmd.GetString(u"Empty", buffer, sizeof buffer), S_FALSE);
    EXPECT_EQ(buffer[0], 'x') << "VT_EMPTY leaves the buffer";
    EXPECT_EQ(cmd.GetString(u"Text", buffer, sizeof buffer), S_OK) << "found under 0x0409";
    EXPECT_STREQ(buffer, "abc");
    EXPECT_EQ(cmd.GetString(u"Null", buffer, sizeof buffer), S_OK);
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(cmd.GetString(u"Euro", buffer, sizeof buffer), S_OK);
    EXPECT_STREQ(buffer, "\x80" "5") << "UTF-16 to Windows-1252";
    EXPECT_EQ(cmd.GetString(u"Text", nullptr, 4), S_FALSE);
    model::Text<4> text;
    EXPECT_EQ(cmd.GetString(u"Text", text), S_OK);
    EXPECT_EQ(text, "abc");

    EXPECT_EQ(cmd.GetLong(u"Missing", value), DISP_E_UNKNOWNNAME);
    EXPECT_TRUE(Logged("Failed to call IDispatch->GetIDsOfNames, Name=Missing, hr=0x80020006"));
    EXPECT_EQ(CDispCmd(nullptr).GetLong(u"Long", value), E_INVALIDARG);
    EXPECT_EQ(cmd.GetLong(u"", value), E_INVALIDARG);
}

TEST_F(OutlookReaders, ReadersShareOneSessionThatEndsWithTheLast)
{
    mOutlook.Folders[10] = {};
    mOutlook.Folders[9] = {};
    {
        OlAddrUtil contacts;
        {
            OlDateUtil calendar;
            EXPECT_TRUE(contacts.IsConnected());
            EXPECT_TRUE(calendar.IsConnected());
            EXPECT_EQ(mOutlook.Created, 1);
            EXPECT_EQ(TheOutlookSession().ConnectCount, 2);
            EXPECT_TRUE(calendar.Load()) << "an empty folder loads";
            EXPECT_EQ(calendar.Manager().Count(), 0u);
        }
        EXPECT_TRUE(TheOutlookSession().Connected);
        // A reader whose folder cannot be opened leaves the session once, not again when destroyed.
        { OlTaskUtil tasks; EXPECT_FALSE(tasks.Load()); }
        EXPECT_EQ(TheOutlookSession().ConnectCount, 1);
        EXPECT_TRUE(contacts.Load());
    }
    EXPECT_FALSE(TheOutlookSession().Connected);
    EXPECT_EQ(TheOutlookSession().ConnectCount, 0);
    EXPECT_TRUE(Logged("Get Outlook MAPI namespace object successfully."));
    EXPECT_TRUE(Logged("Failed to call \"GetDefaultFolder\" method.") == false) << "only the calendar logs it";
}

TEST_F(OutlookReaders, WithoutOutlookConnectingFailsAtTheClassIdentifier)
{
    UnregisterClass(u"Outlook.Application");
    OlAddrUtil contacts;
    EXPECT_FALSE(contacts.IsConnected());
    EXPECT_FALSE(contacts.Load());
    EXPECT_TRUE(Logged("Can not get the CLSID of Outlook.Application, hr=0x800401f3"));
    EXPECT_EQ(TheOutlookSession().ConnectCount, 0);
}

TEST_F(OutlookReaders, ContactsKeepTheirValuesAndUserDefinedFields)
{
    mOutlook.Folders[10].Name = u"A contacts folder with a long name";
    FakeObject& item = AddItem(10);
    item.Properties[u"FirstName"] = Text(std::u16string(40, u'F'));
    item.Properties[u"LastName"] = Text(u"Lee");
    item.Properties[u"Email1Address"] = Text(u"ann@example.org");
    item.Properties[u"Body"] = Text(std::u16string(3000, u'n'));
    item.Properties[u"Birthday"] = Variant::Date(model::MakeDate(1975, 9, 14));
    item.Properties[u"Gender"] = Variant::I4(2);
    Ref<FakeObject> users = NewFake();
    users->Properties[u"Count"] = Variant::I4(12);
    std::vector<Ref<FakeObject>> properties;
    for (int i = 1; i <= 12; ++i) {
        Ref<FakeObject> p = NewFake();
        const std::u16string n(1, static_cast<char16_t>(u'a' + i));
        p->Properties[u"Name"] = Text(u"Field " + n);
        p->Properties[u"Value"] = i == 2 ? Variant::I4(5) : Text(u"value " + n);
        properties.push_back(p);
    }
    users->Methods[u"Item"] = [properties](const DispParams& params, Variant* result) {
        const Variant* index = params.Args[0].AsByRef();  // a VT_I4 by reference, from 1
        *result = Variant::Dispatch(properties.at(static_cast<std::size_t>(index->AsI4() - 1)).get());
        return S_OK;
    };
    item.Methods[u"UserProperties"] = Returning(users);
    AddItem(10);  // a distribution list: no contact property at all

    OlAddrUtil reader;
    ASSERT_TRUE(reader.SetMappedField(0, 32));
    ASSERT_TRUE(reader.SetMappedField(1, 5));
    EXPECT_FALSE(reader.SetMappedField(10, 32));
    ASSERT_TRUE(reader.Load());
    ASSERT_EQ(reader.Manager().Count(), 2u);
    const model::CommAddrRec& c = *reader.Manager().At(0);
    const OlAddrRec raw = *c.SourceData.Get<OlAddrRec>();
    EXPECT_EQ(raw.FirstName.size(), 40u);
    EXPECT_EQ(c.FirstName.size(), 31u);
    EXPECT_EQ(raw.Body.size(), 2047u);
    EXPECT_EQ(raw.FolderName, "A contacts folder with a long ");
    EXPECT_TRUE(Logged("Got the name of the Contacts folder: A contacts folder with a long \r\n"));
    EXPECT_EQ(raw.Gender, 2);
    EXPECT_EQ(c.Birthday, model::MakeDate(1975, 9, 14));
    EXPECT_EQ(c.Email, "ann@example.org");
    EXPECT_EQ(c.CustomLabel[0], "Field b");
    EXPECT_EQ(c.Custom[0], "value b");
    EXPECT_EQ(c.CustomLabel[1], "Field c");
    EXPECT_EQ(c.Custom[1], "") << "a number is not kept";
    EXPECT_EQ(c.CustomLabel[9], "Field k") << "ten of twelve";
    EXPECT_EQ(c.MappedCustom[0].view(), raw.FirstName.view()) << "key 32, the first name as Outlook holds it";
    EXPECT_EQ(c.MappedCustom[1], "") << "key 5, a date, fills nothing";
    EXPECT_EQ(c.SourceType, 3);
    const model::CommAddrRec& list = *reader.Manager().At(1);
    EXPECT_TRUE(list.FirstName.empty());
    EXPECT_TRUE(Logged("Failed to get the \"UserProperties\" of contact item, hr=0x80020006."));
}

TEST_F(OutlookReaders, FieldTableHasItsSeventyFiveEntries)
{
    EXPECT_EQ(OlAddrUtil::FieldCount(), 75u);
    EXPECT_EQ(OlAddrUtil::FieldKeyAt(0), 1);
    EXPECT_EQ(OlAddrUtil::FieldKeyAt(74), 78);
    EXPECT_EQ(OlAddrUtil::FieldKeyAt(75), 0);
    EXPECT_STREQ(OlAddrUtil::FieldLabelAt(75), "N/A");
    for (int key : {24, 27, 30})
        EXPECT_EQ(OlAddrUtil::FindField(key), nullptr);
    EXPECT_EQ(OlAddrUtil::FindField(68)->Size, 2048);
    EXPECT_EQ(OlAddrUtil::FindField(75)->Size, 64);
}

TEST_F(OutlookReaders, CalendarReminderDurationAndRecurrence)
{
    struct Case {
        const char* name;
        std::int32_t version;
        double reminderTime;
        std::int32_t set, minutes;
        std::int32_t on, lead, unit;
    };
    const double start = model::MakeDate(2008, 3, 7, 10, 0);
    const Case cases[] = {
        {"11: 15 minutes before", 3, model::MakeDate(2008, 3, 7, 9, 45), 0, 0, 1, 15, 1},
        {"11: at the start", 3, start, 1, 30, 0, 0, 0},
        {"12: reminder off", 4, 0, 0, 120, 0, 0, 0},
        {"12: 120 minutes", 4, 0, 1, 120, 1, 2, 2},
        {"12: 90 minutes", 6, 0, 1, 90, 1, 1, 2},
        {"12: 2880 minutes", 5, 0, 1, 2880, 1, 2, 3},
    };
    for (const Case& k : cases) {
        OlDateRec r{};
        r.Start = start;
        r.End = start;
        r.ReminderTime = k.reminderTime;
        r.ReminderSet = k.set;
        r.ReminderMinutesBeforeStart = k.minutes;
        r.RecurrenceType = olRecursNone;
        const model::CommDateRec c = ToCommon(r, k.version);
        EXPECT_EQ(c.ReminderOn, k.on) << k.name;
        EXPECT_EQ(c.ReminderLead, k.lead) << k.name;
        EXPECT_EQ(c.ReminderUnit, k.unit) << k.name;
    }
    EXPECT_EQ(DurationMinutes(model::SystemTimeOf(model::MakeDate(2008, 3, 7, 23, 0)),
                              model::SystemTimeOf(model::MakeDate(2008, 3, 8, 1, 0))),
              -1320);
    OlRecurrenceFields yearly{.RecurrenceType = olRecursYearly, .Interval = 2, .DayOfMonth = 14, .MonthOfYear = 9,
                              .PatternEndDate = model::MakeDate(4500, 12, 31)};
    const model::RecurrenceRule rule = RecurrenceOf(yearly);
    EXPECT_EQ(rule.Kind, 6);
    EXPECT_EQ(rule.Interval, 1) << "the yearly interval is not used";
    EXPECT_EQ(rule.Month, 9);
    EXPECT_EQ(rule.HasEnd, 1) << "a far-future end still is an end";
    EXPECT_EQ(rule.EndDate.Year, 4500);
    OlRecurrenceFields monthNth{.RecurrenceType = olRecursMonthNth, .Interval = 1, .DayOfWeekMask = 4, .Instance = 5};
    EXPECT_EQ(RecurrenceOf(monthNth), (model::RecurrenceRule{.Kind = 3, .Interval = 1, .Weekdays = 4, .WeekOfMonth = 5}));
}

TEST_F(OutlookReaders, CalendarItemsReadTheReminderByVersionAndSurviveAMissingPattern)
{
    FakeObject& item = AddItem(9);
    item.Properties[u"Subject"] = Text(u"Review");
    item.Properties[u"Start"] = Variant::Date(model::MakeDate(2008, 3, 7, 10, 0));
    item.Properties[u"End"] = Variant::Date(model::MakeDate(2008, 3, 7, 11, 30));
    item.Properties[u"ReminderSet"] = Variant::Bool(true);
    item.Properties[u"ReminderMinutesBeforeStart"] = Variant::I4(15);
    item.Properties[u"ReminderTime"] = Variant::Date(model::MakeDate(2008, 3, 7, 9, 0));
    item.Properties[u"IsRecurring"] = Variant::Bool(true);
    item.Methods[u"GetRecurrencePattern"] = [](const DispParams&, Variant*) { return E_FAIL; };

    OlDateUtil reader;
    TheOutlookSession().OutlookVersionCode = 4;
    ASSERT_TRUE(reader.Load());
    const model::CommDateRec* c = reader.Manager().At(0);
    EXPECT_EQ(c->ReminderLead, 15);
    EXPECT_EQ(c->DurationMinutes, 90);
    EXPECT_EQ(c->Recurrence.Kind, 0) << "a pattern that cannot be read is no daily series";
    EXPECT_EQ(TimesLogged("The recurrence pattern of a recurring item cannot be read"), 1u);

    TheOutlookSession().OutlookVersionCode = 3;
    ASSERT_TRUE(reader.Load());
    EXPECT_EQ(reader.Manager().At(0)->ReminderLead, 1);
    EXPECT_EQ(reader.Manager().At(0)->ReminderUnit, 2) << "60 minutes from the reminder time";
}

TEST_F(OutlookReaders, TaskPrioritiesSensitivitiesAndStates)
{
    struct Case {
        std::int32_t importance, sensitivity, status, response;
        std::int32_t priority, outSensitivity, isPrivate, taskStatus, outResponse;
    };
    const Case cases[] = {
        {2, 2, 4, 2, 1, 2, 1, 4, 2},
        {0, 1, 7, 9, 2, 1, 1, 0, 0},
        {1, 0, 1, 3, 0, 0, 0, 1, 3},
        {5, 4, 0, 0, 0, 0, 0, 0, 0},
    };
    for (const Case& k : cases) {
        OlTaskRec r{};
        r.Importance = k.importance;
        r.Sensitivity = k.sensitivity;
        r.Status = k.status;
        r.ResponseState = k.response;
        const model::CommTaskRec c = ToCommon(r);
        EXPECT_EQ(c.Priority, k.priority);
        EXPECT_EQ(c.Sensitivity, k.outSensitivity);
        EXPECT_EQ(c.Private, k.isPrivate);
        EXPECT_EQ(c.TaskStatus, k.taskStatus);
        EXPECT_EQ(c.ResponseState, k.outResponse);
        EXPECT_EQ(c.DueDate, 0) << "no due date stays none";
    }
    OlTaskRec due{};
    due.DueDate = model::MakeDate(2025, 12, 25);
    EXPECT_EQ(ToCommon(due).DueDate, model::VariantToTimeT(due.DueDate));
}

TEST_F(OutlookReaders, NotesKeepThirtyCharactersOfTheEntryIdentifier)
{
    for (int i = 0; i < 2; ++i) {
        FakeObject& note = AddItem(12);
        note.Properties[u"EntryID"] = Text(std::u16string(40, u'0') + static_cast<char16_t>(u'1' + i));
        note.Properties[u"Body"] = Text(u"text");
        note.Properties[u"Color"] = Variant::I4(3);
        note.Properties[u"Saved"] = Variant::Bool(true);
    }
    OlNoteUtil reader;
    ASSERT_TRUE(reader.Load());
    ASSERT_EQ(reader.Manager().Count(), 2u);
    EXPECT_EQ(reader.Manager().At(0)->IdText, reader.Manager().At(1)->IdText);
    EXPECT_EQ(reader.Manager().At(0)->IdText.size(), 30u);
    EXPECT_EQ(reader.Manager().At(0)->Color, 3);
    EXPECT_EQ(reader.Manager().At(0)->SourceData.Get<OlNoteRec>()->Saved, 1);
}

}  // namespace
}  // namespace velmora::testing

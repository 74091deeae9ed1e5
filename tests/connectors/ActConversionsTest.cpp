#include "connectors/act/ActConversions.h"

#include "model/CxDateTime.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

using namespace velmora::connectors;
using namespace velmora::model;

TEST(ActContactConversion, PhonesJoinAndSplitAtTheLetterX)
{
    ActContactRec act;
    act.BusinessPhone = "555-1234";
    act.BusinessPhoneExtension = "12";
    act.HomePhone = "555-9999";
    act.FaxExtension = "7";  // an extension without a number is no phone
    const CommAddrRec common = ToCommon(act);
    EXPECT_EQ(common.WorkPhone, "555-1234x12");
    EXPECT_EQ(common.HomePhone, "555-9999");
    EXPECT_EQ(common.WorkFax, "");

    const struct {
        const char* phone;
        const char* number;
        const char* extension;
    } cases[] = {{"555-1234x12", "555-1234", "12"}, {"555-1234", "555-1234", ""}, {"x9", "", "9"}};
    for (const auto& c : cases) {
        ActContactRec back;
        back.BusinessPhoneExtension = "old";
        CommAddrRec source;
        source.WorkPhone = c.phone;
        FromCommon(source, back);
        EXPECT_EQ(back.BusinessPhone, c.number) << c.phone;
        EXPECT_EQ(back.BusinessPhoneExtension, c.extension) << c.phone;
    }
}

TEST(ActContactConversion, StreetsAreUpToThreeLines)
{
    ActContactRec act;
    act.HomeAddress1 = "Flat 2";
    act.HomeAddress3 = "1 Main St";
    EXPECT_EQ(ToCommon(act).HomeAddr.Street, "Flat 2\r\n1 Main St");

    CommAddrRec source;
    source.WorkAddr.Street = "Line 1\r\nLine 2\r\nLine 3\r\nLine 4";
    source.OtherAddr.Street = "Only line";
    ActContactRec back;
    back.SecondaryAddress2 = "old second line";
    FromCommon(source, back);
    EXPECT_EQ(back.BusinessAddress1, "Line 1");
    EXPECT_EQ(back.BusinessAddress2, "Line 2");
    EXPECT_EQ(back.BusinessAddress3, "Line 3");
    EXPECT_EQ(back.SecondaryAddress1, "Only line");
    EXPECT_EQ(back.SecondaryAddress2, "") << "missing lines become empty";
}

TEST(ActContactConversion, EmptySourceValuesNeverEraseActData)
{
    ActContactRec act;
    act.Company = "Acme";
    act.BusinessPhone = "555-1234";
    act.BusinessPhoneExtension = "12";
    act.HomeAddress1 = "1 Main St";
    act.Birthday = 30000;
    act.UserDefined3 = "gold";
    act.ReferredBy = "Dana";  // no common counterpart: never touched
    CommAddrRec source;
    source.FirstName = "Ann";
    source.Custom.Set(1, "own value");
    source.Custom.Set(4, "own value");
    source.MappedCustom.Set(4, "mapped value");
    FromCommon(source, act);
    EXPECT_EQ(act.FirstName, "Ann");
    EXPECT_EQ(act.Company, "Acme");
    EXPECT_EQ(act.BusinessPhone, "555-1234");
    EXPECT_EQ(act.BusinessPhoneExtension, "12");
    EXPECT_EQ(act.HomeAddress1, "1 Main St");
    EXPECT_EQ(act.Birthday, 30000);
    EXPECT_EQ(act.UserDefined3, "gold");
    EXPECT_EQ(act.UserDefined2, "own value");
    EXPECT_EQ(act.UserDefined5, "mapped value") << "a mapped value wins over the record's own";
    EXPECT_EQ(act.ReferredBy, "Dana");
}

TEST(ActCalendarConversion, RepetitionsBothWays)
{
    const struct {
        int frequency, mode, value, interval, weekOfMonth, month;  // ACT!
        int kind, weekdays, dayOfMonth, commonMonth, commonWeek;   // common
        int writtenMode;                                           // mode written back
    } cases[] = {
        {0, 5, 9, 1, 0, 0, 0, 0, 0, 0, 0, 0},
        {1, 3, 1, 3, 0, 0, 1, 0, 0, 0, 0, 3},
        {2, 2, 2 | 8, 2, 0, 0, 2, 2 | 8, 0, 0, 0, 2},  // every 2 weeks on Monday and Wednesday
        {3, 1, 15, 1, 0, 0, 4, 0, 15, 0, 0, 1},
        {3, 2, 4, 1, 2, 0, 3, 4, 0, 0, 2, 2},
        {4, 1, 25, 1, 0, 12, 6, 0, 25, 12, 0, 1},
        {4, 3, 32, 1, 4, 11, 5, 32, 0, 11, 4, 3},
    };
    for (const auto& c : cases) {
        ActCalendarRec act;
        act.RecurrenceFrequency = c.frequency;
        act.RecurrenceMode = c.mode;
        act.RecurrenceValue = c.value;
        act.RecurrenceInterval = c.interval;
        act.RecurrenceWeekOfMonth = c.weekOfMonth;
        act.RecurrenceMonth = c.month;
        const CommDateRec common = ToCommon(act);
        const RecurrenceRule& rule = common.Recurrence;
        EXPECT_EQ(rule.Kind, c.kind) << "frequency " << c.frequency << " mode " << c.mode;
        EXPECT_EQ(rule.Interval, c.interval);
        EXPECT_EQ(rule.Weekdays, c.weekdays);
        EXPECT_EQ(rule.DayOfMonth, c.dayOfMonth);
        EXPECT_EQ(rule.Month, c.commonMonth);
        EXPECT_EQ(rule.WeekOfMonth, c.commonWeek);

        ActCalendarRec back;
        FromCommon(common, back);
        EXPECT_EQ(back.RecurrenceFrequency, c.kind == 0 ? 0 : c.frequency) << "kind " << c.kind;
        EXPECT_EQ(back.RecurrenceMode, c.writtenMode);
        EXPECT_EQ(back.RecurrenceValue, c.kind == 0 ? 0 : c.value);
        EXPECT_EQ(back.RecurrenceInterval, c.kind == 0 ? 0 : c.interval);
        EXPECT_EQ(back.RecurrenceWeekOfMonth, c.commonWeek);
        EXPECT_EQ(back.RecurrenceMonth, c.commonMonth);
    }
}

TEST(ActCalendarConversion, EntriesAndEndDates)
{
    ActCalendarRec act;
    act.Regarding = "Review";
    act.ActivityType = 9;
    act.Start = 39514.375;  // 7 March 2008 09:00
    act.RecurrenceFrequency = 1;
    act.RecurrenceEnd = 0.5;  // a time on 30 December 1899: no end
    CommDateRec common = ToCommon(act);
    EXPECT_EQ(common.ActivityType, 0) << "unknown activity types become appointments";
    EXPECT_EQ(common.Start.Hour, 9);
    EXPECT_EQ(common.Recurrence.HasEnd, 0);
    EXPECT_EQ(common.SourceType, RecordSource::Act);

    act.RecurrenceEnd = 39600;
    common = ToCommon(act);
    EXPECT_EQ(common.Recurrence.HasEnd, 1);
    EXPECT_EQ(common.Recurrence.EndDate.Year, 2008);

    ActCalendarRec back;
    back.Location = "kept";
    back.Start = 1000;
    common.Location = "";
    common.Start = {};  // no start: the ACT! start stays
    common.End = {2008, 3, 0, 7, 10, 0, 0, 0};
    FromCommon(common, back);
    EXPECT_EQ(back.Location, "kept");
    EXPECT_EQ(back.Start, 1000);
    EXPECT_NEAR(back.End, 39514.41667, 1e-4);
    EXPECT_EQ(back.RecurrenceEnd, 39600);
}

TEST(ActTodoConversion, PrioritiesAndDueDates)
{
    ::setenv("TZ", "UTC", 1);
    ::tzset();
    const struct {
        int act, common;
    } priorities[] = {{0, 1}, {1, 0}, {2, 2}};
    for (const auto& p : priorities) {
        ActTodoRec act;
        act.Priority = p.act;
        EXPECT_EQ(ToCommon(act).Priority, p.common);
        ActTodoRec back;
        CommTaskRec common;
        common.Priority = p.common;
        FromCommon(common, back);
        EXPECT_EQ(back.Priority, p.act);
    }
    ActTodoRec act;
    act.DueDate = 25569.5;  // 1 January 1970 12:00
    EXPECT_EQ(ToCommon(act).DueDate, 43200);
    act.DueDate = 0;
    EXPECT_EQ(ToCommon(act).DueDate, 0);

    ActTodoRec fresh;
    CommTaskRec noDueDate;
    noDueDate.Subject = "Call";
    FromCommon(noDueDate, fresh);
    EXPECT_EQ(fresh.DueDate, 0) << "a to-do without due date is written with 0";
    CommTaskRec due = noDueDate;
    due.DueDate = 43200;
    FromCommon(due, fresh);
    EXPECT_DOUBLE_EQ(fresh.DueDate, 25569.5);
    ::unsetenv("TZ");
    ::tzset();
}

TEST(ActNoteConversion, TextsReachActCutTo8191Characters)
{
    ActNoteRec act;
    act.NoteText = "From ACT!";
    act.CreateTime = 39500;
    const CommNoteRec common = ToCommon(act);
    EXPECT_EQ(common.Subject, "") << "ACT! notes have no subject";
    EXPECT_EQ(common.Text, "From ACT!");
    EXPECT_EQ(common.CreationTime, 39500);

    CommNoteRec source;
    source.Text = std::string(9000, 'n');
    ActNoteRec back;
    back.CreateTime = 39500;
    FromCommon(source, back);
    EXPECT_EQ(back.NoteText.size(), 8191u);
    EXPECT_EQ(back.CreateTime, 39500);
}

#include "model/CommAddrMgr.h"
#include "model/CommDateMgr.h"
#include "model/CommNoteMgr.h"
#include "model/CommTaskMgr.h"

#include <gtest/gtest.h>

#include <string>

using namespace velmora::model;

namespace {

CommAddrRec Contact(const char* first, const char* last, const char* email, const char* company = "")
{
    CommAddrRec r;
    r.FirstName = first;
    r.LastName = last;
    r.Email = email;
    r.Company = company;
    return r;
}

TEST(CommAddrMgr, MarksNewDifferentAndSameAgainstTheFirstIdenticalOrLastCorresponding)
{
    CommAddrMgr act;
    const CommAddrRec stored[] = {Contact("Ann", "Lee", "ann@x.org", "Acme"), Contact("Ann", "Lee", "ann@x.org", "Brix"),
                                  Contact("Ann", "Lee", "ann@x.org", "Acme"), Contact("", "", "", "Acme"),
                                  Contact("", "", "", "Brix")};
    for (const auto& r : stored)
        act.Add(&r);

    CommAddrMgr source;
    const CommAddrRec incoming[] = {
        Contact("ANN", "lee", "Ann@X.org", "acme"),  // identical to 0 and 2: the first wins
        Contact("Ann", "Lee", "ann@x.org", "Corp"),  // corresponds to 0-2, differs from all: the last
        Contact("Bo", "Lee", "ann@x.org", "Acme"),   // corresponds to nothing
        Contact("", "", "", "brix"),                 // empty keys correspond to empty keys
        Contact("", "", "", "Dyn"),
    };
    for (const auto& r : incoming)
        source.Add(&r);
    ASSERT_TRUE(source.CompareWith(&act));

    const struct {
        std::int32_t status;
        const CommAddrRec* matched;
    } expected[] = {{RecStatus::Same, act.At(0)},     {RecStatus::Different, act.At(2)}, {RecStatus::New, nullptr},
                    {RecStatus::Same, act.At(4)},     {RecStatus::Different, act.At(4)}};
    for (std::size_t i = 0; i < source.Count(); ++i) {
        EXPECT_EQ(source.At(i)->Status, expected[i].status) << "record " << i;
        EXPECT_EQ(source.At(i)->MatchedRec, expected[i].matched) << "record " << i;
    }
    EXPECT_FALSE(source.CompareWith(nullptr));
}

TEST(CommAddrMgr, KeysMatchAcrossCaseAndInnerLineBreaksButNotATrailingOne)
{
    CommAddrMgr act;
    const CommAddrRec stored = Contact("Mary\r\nAnn", "Lee", "m@x.org");
    act.Add(&stored);
    CommAddrRec* found = nullptr;
    std::size_t index = 0;
    const CommAddrRec sameKey = Contact("MARYANN", "lee", "M@X.ORG");
    EXPECT_EQ(act.FindMatch(&sameKey, found, index), MatchResult::Identical);
    const CommAddrRec trailing = Contact("MaryAnn\r\n", "Lee", "m@x.org");
    EXPECT_EQ(act.FindMatch(&trailing, found, index), MatchResult::NoMatch);
    EXPECT_EQ(index, 1u);
}

TEST(CommAddrMgr, MergeKeepsStoredTextsWhereTheIncomingOnesAreEmpty)
{
    CommAddrMgr act;
    CommAddrRec stored = Contact("Ann", "Lee", "a@x.org", "Acme");
    stored.Salutation = "Dear Ann";
    stored.Birthday = 30000;
    act.Add(&stored);

    CommAddrRec incoming = Contact("", "", "", "");
    incoming.Title = "CEO";
    EXPECT_TRUE(act.UpdateAt(&incoming, 0));
    const CommAddrRec& merged = *act.At(0);
    EXPECT_EQ(merged.Company, "Acme");
    EXPECT_EQ(merged.FirstName, "Ann");
    EXPECT_EQ(merged.Title, "CEO");
    EXPECT_EQ(merged.Birthday, 0) << "dates are always copied";
    EXPECT_EQ(merged.Salutation, "Dear Ann") << "the salutation is never merged";

    incoming.Company = std::string(100, 'c');
    EXPECT_TRUE(act.UpdateAt(&incoming, 0));
    EXPECT_EQ(act.At(0)->Company.view(), std::string(63, 'c'));

    EXPECT_FALSE(act.UpdateAt(&incoming, act.Count()));
    EXPECT_FALSE(act.UpdateAt(nullptr, 0));
}

TEST(CommAddrMgr, OwnedSourceBlocksAreCopiedWithTheRecordAndBorrowedOnesShared)
{
    struct Raw {
        std::string name;
    };
    Raw borrowed{"kept by the connector"};
    CommAddrMgr manager;
    CommAddrRec record = Contact("Ann", "Lee", "");
    record.SourceData.Own(Raw{"owned"});
    CommAddrRec* stored = manager.Add(&record);
    ASSERT_NE(stored, nullptr);
    ASSERT_TRUE(stored->SourceData.Get<Raw>());
    EXPECT_NE(stored->SourceData.Data(), record.SourceData.Data());
    EXPECT_EQ(stored->SourceData.Get<Raw>()->name, "owned");
    EXPECT_EQ(stored->SourceData.Size(), sizeof(Raw));
    EXPECT_FALSE(stored->SourceData.Get<int>());

    // Re-pointing the stored copy at a block owned elsewhere frees its own copy first.
    stored->SourceData.PointAt(&borrowed);
    EXPECT_EQ(stored->SourceData.Size(), 0u);
    const CommAddrRec* again = manager.Add(stored);
    EXPECT_EQ(again->SourceData.Data(), &borrowed);
    EXPECT_EQ(again->SourceData.Get<Raw>()->name, "kept by the connector");
    manager.Clear();
    EXPECT_EQ(manager.Count(), 0u);
    EXPECT_EQ(borrowed.name, "kept by the connector");
}

CommDateRec Entry(const char* subject, int day, int hour, const char* location, int allDay = 0)
{
    CommDateRec r;
    r.Subject = subject;
    r.Start = {2008, 3, 0, static_cast<std::uint16_t>(day), static_cast<std::uint16_t>(hour), 0, 0, 0};
    r.End = {2008, 3, 0, static_cast<std::uint16_t>(day), static_cast<std::uint16_t>(hour + 1), 0, 0, 0};
    r.Location = location;
    r.AllDay = allDay;
    return r;
}

TEST(CommDateMgr, EntriesOnTheSameDayCorrespondWhateverTheirTimes)
{
    CommDateMgr act;
    const CommDateRec stored = Entry("Review", 7, 9, "Room 1");
    act.Add(&stored);
    CommDateMgr source;
    const CommDateRec incoming[] = {Entry("REVIEW", 7, 15, "room 1"), Entry("Review", 7, 15, "Room 2"),
                                    Entry("Review", 7, 9, "Room 1", 1), Entry("Review", 8, 9, "Room 1")};
    for (const auto& r : incoming)
        source.Add(&r);
    source.CompareWith(&act);
    EXPECT_EQ(source.At(0)->Status, RecStatus::Same);
    EXPECT_EQ(source.At(1)->Status, RecStatus::Different);
    EXPECT_EQ(source.At(2)->Status, RecStatus::New) << "all-day does not correspond to timed";
    EXPECT_EQ(source.At(3)->Status, RecStatus::New);
}

TEST(CommDateMgr, MergeReplacesStartAndEndButKeepsAStoredLocationOverAnEmptyOne)
{
    CommDateMgr act;
    CommDateRec stored = Entry("Review", 7, 9, "Room 1");
    stored.ActivityType = 2;
    act.Add(&stored);
    CommDateRec incoming = Entry("", 9, 14, "");
    incoming.Recurrence.Kind = 2;
    incoming.ActivityType = 0;
    ASSERT_TRUE(act.UpdateAt(&incoming, 0));
    const CommDateRec& merged = *act.At(0);
    EXPECT_EQ(merged.Subject, "Review");
    EXPECT_EQ(merged.Location, "Room 1");
    EXPECT_EQ(merged.Start, incoming.Start);
    EXPECT_EQ(merged.End, incoming.End);
    EXPECT_EQ(merged.Recurrence.Kind, 2);
    EXPECT_EQ(merged.ActivityType, 2);
}

CommTaskRec Task(const char* subject, int priority, int due)
{
    CommTaskRec r;
    r.Subject = subject;
    r.Priority = priority;
    r.DueDate = due;
    return r;
}

TEST(CommTaskMgr, PriorityDecidesSameOrDifferentAndTheDueDateDoesNot)
{
    CommTaskMgr act;
    const CommTaskRec first = Task("Call Bob", 0, 1000);
    act.Add(&first);
    const CommTaskRec other = Task("Write", 0, 0);
    act.Add(&other);

    CommTaskRec* found = nullptr;
    std::size_t index = 99;
    const CommTaskRec laterDue = Task("call bob", 0, 999999);
    EXPECT_EQ(act.FindMatch(&laterDue, found, index), MatchResult::Identical);
    const CommTaskRec high = Task("Call Bob", 1, 1000);
    EXPECT_EQ(act.FindMatch(&high, found, index), MatchResult::KeyMatch);
    EXPECT_EQ(index, 0u);
    EXPECT_EQ(found, act.At(0));

    ASSERT_TRUE(act.UpdateAt(&high, index));
    EXPECT_EQ(act.At(0)->Priority, 1);
    EXPECT_EQ(act.FindMatch(&high, found, index), MatchResult::Identical);
}

TEST(CommNoteMgr, MergeKeepsTheSubjectOverAnEmptyOneAndMarksTheNoteSame)
{
    CommNoteMgr act;
    CommNoteRec stored;
    stored.Subject = "Plans";
    stored.Text = "old";
    stored.Status = RecStatus::Different;
    act.Add(&stored);
    CommNoteRec incoming;
    incoming.Text = "new";
    incoming.Color = 3;
    ASSERT_TRUE(act.UpdateAt(&incoming, 0));
    EXPECT_EQ(act.At(0)->Subject, "Plans");
    EXPECT_EQ(act.At(0)->Text, "new");
    EXPECT_EQ(act.At(0)->Color, 3);
    EXPECT_EQ(act.At(0)->Status, RecStatus::Same);
}

// ACT! notes have no subject and ACT! contacts no note: notes match by their text, a note without
// text matches nothing, and a contact's note is not compared.
TEST(Matching, WhatACTCannotHoldDecidesNothing)
{
    CommNoteMgr act;
    CommNoteRec actNote;
    actNote.Text = "Ann asked for a quote.";
    act.Add(&actNote);
    CommNoteRec emptyAct;
    act.Add(&emptyAct);
    CommNoteMgr source;
    CommNoteRec memo;
    memo.Subject = "Quote";
    memo.Text = "ANN asked for a quote.";
    source.Add(&memo);
    CommNoteRec blank;
    blank.Subject = "Empty";
    source.Add(&blank);
    source.CompareWith(&act);
    EXPECT_EQ(source.At(0)->Status, RecStatus::Same);
    EXPECT_EQ(source.At(0)->MatchedRec, act.At(0));
    EXPECT_EQ(source.At(1)->Status, RecStatus::New) << "an empty note corresponds to no other note";

    CommAddrMgr contacts;
    CommAddrRec inAct;
    inAct.FirstName = "Ed";
    inAct.Email = "ed@example.net";
    contacts.Add(&inAct);
    CommAddrMgr from;
    CommAddrRec withNote = inAct;
    withNote.Note = "Met at the fair.";
    from.Add(&withNote);
    from.CompareWith(&contacts);
    EXPECT_EQ(from.At(0)->Status, RecStatus::Same);
}

}  // namespace

// The indexed managers against the linear reference, on random records drawn so that keys
// collide often: equal up to case or inner line breaks, different by a trailing line break,
// empty, duplicated, with identical and different twins, and crowds sharing one key.
#include "LinearReference.h"

#include "model/CommAddrMgr.h"
#include "model/CommDateMgr.h"
#include "model/CommNoteMgr.h"
#include "model/CommTaskMgr.h"

#include <gtest/gtest.h>

#include <cctype>
#include <random>
#include <string>
#include <vector>

using namespace velmora::model;
using velmora::testing::LinearFindMatch;

namespace {

class Draw {
public:
    explicit Draw(unsigned seed) : mRng(seed) {}

    int Int(int low, int high) { return std::uniform_int_distribution<int>(low, high)(mRng); }
    bool Chance(int percent) { return Int(1, 100) <= percent; }
    template <class T>
    const T& Pick(const std::vector<T>& items) { return items[static_cast<std::size_t>(Int(0, static_cast<int>(items.size()) - 1))]; }

    // A text from a small pool, often changed in ways the comparisons see through (letter
    // case, line breaks inside) and sometimes in ways they do not (a trailing line break).
    std::string Text(const std::vector<std::string>& pool)
    {
        std::string text = Pick(pool);
        if (Chance(30)) {
            for (char& c : text) {
                if (Chance(50) && std::isalpha(static_cast<unsigned char>(c)))
                    c = static_cast<char>(std::isupper(static_cast<unsigned char>(c)) ? std::tolower(c) : std::toupper(c));
            }
        }
        if (Chance(15) && text.size() > 1)
            text.insert(static_cast<std::size_t>(Int(1, static_cast<int>(text.size()) - 1)), Pick(kBreaks));
        if (Chance(8))
            text += Pick(kBreaks);
        return text;
    }

private:
    inline static const std::vector<std::string> kBreaks = {"\r\n", "\r", "\n"};
    std::mt19937 mRng;
};

const std::vector<std::string> kNames = {"", "", "anna", "Bob", "carl smith", "Dora", "ed"};
const std::vector<std::string> kValues = {"", "555-0100", "Acme Inc", "main st", "x"};

struct AddrKind {
    using Manager = CommAddrMgr;
    using Rec = CommAddrRec;
    static constexpr bool kClearsFound = false;
    static Rec Make(Draw& d)
    {
        Rec r;
        r.FirstName = d.Text(kNames);
        r.LastName = d.Text(kNames);
        r.Email = d.Text({"", "a@x.org", "B@X.ORG"});
        r.WorkPhone = d.Text(kValues);
        r.Company = d.Text(kValues);
        r.HomeAddr.Street = d.Text(kValues);
        r.Note = d.Text(kValues);
        r.Hobby = d.Text(kValues);  // merged but never compared
        return r;
    }
};

struct DateKind {
    using Manager = CommDateMgr;
    using Rec = CommDateRec;
    static constexpr bool kClearsFound = true;
    static velmora::platform::SystemTime Day(Draw& d)
    {
        velmora::platform::SystemTime t;
        t.Year = 2008;
        t.Month = static_cast<std::uint16_t>(d.Int(3, 4));
        t.Day = static_cast<std::uint16_t>(d.Int(1, 3));
        t.Hour = static_cast<std::uint16_t>(d.Int(0, 23));
        return t;
    }
    static Rec Make(Draw& d)
    {
        Rec r;
        r.Subject = d.Text(kNames);
        r.Start = Day(d);
        r.End = Day(d);
        r.AllDay = d.Int(0, 1);
        r.Location = d.Text(kValues);
        r.Note = d.Text(kValues);
        return r;
    }
};

struct TaskKind {
    using Manager = CommTaskMgr;
    using Rec = CommTaskRec;
    static constexpr bool kClearsFound = false;
    static Rec Make(Draw& d)
    {
        Rec r;
        r.Subject = d.Text(kNames);
        r.Priority = d.Int(0, 2);
        r.DueDate = d.Int(0, 3) * 86400;
        r.Note = d.Text(kValues);
        return r;
    }
};

struct NoteKind {
    using Manager = CommNoteMgr;
    using Rec = CommNoteRec;
    static constexpr bool kClearsFound = false;
    static Rec Make(Draw& d)
    {
        Rec r;
        // Most notes have no subject, as ACT! notes never do; some have no text, and match nothing.
        r.Subject = d.Chance(70) ? std::string() : d.Text(kNames);
        r.Text = d.Text(kValues);
        r.Color = d.Int(0, 3);
        return r;
    }
};

template <class Kind>
class ManagerDifferential : public ::testing::Test {};

using Kinds = ::testing::Types<AddrKind, DateKind, TaskKind, NoteKind>;
TYPED_TEST_SUITE(ManagerDifferential, Kinds);

template <class Kind>
void ExpectSameAnswer(typename Kind::Manager& manager, const typename Kind::Rec* record, const char* what)
{
    using Rec = typename Kind::Rec;
    // Both start from the same sentinel so that "found left as the caller set it" is checked too.
    Rec sentinel;
    Rec* expectedFound = &sentinel;
    Rec* actualFound = &sentinel;
    std::size_t expectedIndex = 7777, actualIndex = 7777;
    const int expected = LinearFindMatch(manager, record, expectedFound, expectedIndex, Kind::kClearsFound);
    const int actual = manager.FindMatch(record, actualFound, actualIndex);
    ASSERT_EQ(actual, expected) << what;
    ASSERT_EQ(actualFound, expectedFound) << what;
    ASSERT_EQ(actualIndex, expectedIndex) << what;
}

TYPED_TEST(ManagerDifferential, FindMatchAgreesWithTheLinearScanThroughAddsAndMerges)
{
    using Rec = typename TypeParam::Rec;
    for (unsigned seed = 1; seed <= 6; ++seed) {
        Draw draw(seed);
        typename TypeParam::Manager target;
        for (int i = 0; i < 150; ++i) {
            const Rec record = TypeParam::Make(draw);
            target.Add(&record);
            if (draw.Chance(20))
                target.Add(&record);  // an identical twin
        }
        for (int step = 0; step < 1500; ++step) {
            const int action = draw.Int(0, 9);
            if (action < 5) {
                const Rec probe = TypeParam::Make(draw);
                ExpectSameAnswer<TypeParam>(target, &probe, "fresh record");
            } else if (action < 7) {
                const auto position = static_cast<std::size_t>(draw.Int(0, static_cast<int>(target.Count()) - 1));
                ExpectSameAnswer<TypeParam>(target, target.At(position), "stored record");
            } else if (action < 8) {
                const Rec record = TypeParam::Make(draw);
                ASSERT_NE(target.Add(&record), nullptr);
            } else {
                const Rec record = TypeParam::Make(draw);
                const auto position = static_cast<std::size_t>(draw.Int(0, static_cast<int>(target.Count())));
                ASSERT_EQ(target.UpdateAt(&record, position), position < target.Count());
            }
        }
        ExpectSameAnswer<TypeParam>(target, nullptr, "null record");
    }
}

TYPED_TEST(ManagerDifferential, CompareWithMarksLikeTheLinearScan)
{
    using Rec = typename TypeParam::Rec;
    Draw draw(42);
    typename TypeParam::Manager target, source;
    for (int i = 0; i < 400; ++i) {
        const Rec record = TypeParam::Make(draw);
        target.Add(&record);
        source.Add(draw.Chance(30) ? &record : nullptr);  // some sources are exact twins
        const Rec other = TypeParam::Make(draw);
        source.Add(&other);
    }
    for (auto* manager : {&source, &target}) {
        ASSERT_TRUE(manager->CompareWith(&target));  // the target is also compared with itself
        for (std::size_t i = 0; i < manager->Count(); ++i) {
            const Rec* record = manager->At(i);
            Rec* found = nullptr;
            std::size_t index = 0;
            const int result = LinearFindMatch(target, record, found, index, TypeParam::kClearsFound);
            const std::int32_t status = result == MatchResult::NoMatch    ? RecStatus::New
                                        : result == MatchResult::KeyMatch ? RecStatus::Different
                                                                          : RecStatus::Same;
            ASSERT_EQ(record->Status, status) << "record " << i;
            ASSERT_EQ(record->MatchedRec, found) << "record " << i;
        }
    }
}

}  // namespace

// Memory and matching speed of the common record managers at the size of a business ACT!
// database: 100,000 contacts (and as many calendar entries, tasks and notes), compared with as
// many source records of which about 70 % share a key with an ACT! record, a tenth of those
// with a differing compared field. Run the release build:
//   cmake --preset release && cmake --build --preset release && ./build/release/bench/record_bench
#include "BenchData.h"

#include "model/CommAddrMgr.h"
#include "model/CommDateMgr.h"
#include "model/CommNoteMgr.h"
#include "model/CommTaskMgr.h"

#include <malloc.h>

#include <chrono>
#include <cstdio>
#include <random>
#include <string>

using namespace velmora::model;
using velmora::bench::Contact;

namespace {

constexpr int kRecords = 100'000;

std::size_t HeapInUse()
{
    // Large blocks (the index's arrays) are mapped apart from the heap's arena.
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

template <class F>
double Seconds(F&& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The source side: 70 % share a key with ACT! record n (a tenth of those with another work
// phone, some written in other letter case), the rest are new.
CommAddrRec SourceContact(int n, std::mt19937& rng)
{
    const int roll = static_cast<int>(rng() % 100);
    if (roll >= 70)
        return Contact(kRecords + n);
    CommAddrRec r = Contact(n);
    if (roll < 7)
        r.WorkPhone = "(555) 000-0000";
    if (roll % 5 == 0)
        r.LastName = "LASTNAME" + std::to_string(n);
    return r;
}

template <class Manager>
void ReportComparison(const char* kind, Manager& act, Manager& source)
{
    const std::size_t before = HeapInUse();
    double build = Seconds([&] {
        typename Manager::Record* found = nullptr;
        std::size_t index = 0;
        act.FindMatch(act.At(0), found, index);  // the first search builds the index
    });
    const std::size_t indexBytes = HeapInUse() - before;
    const double compare = Seconds([&] { source.CompareWith(&act); });
    int counts[3] = {};
    for (std::size_t i = 0; i < source.Count(); ++i)
        ++counts[source.At(i)->Status];
    std::printf("%-9s CompareWith %d x %d: %.3f s (index build %.3f s, total %.3f s); index memory %.1f MB (%.0f bytes per ACT! record); same %d, new %d, different %d\n",
                kind, static_cast<int>(source.Count()), static_cast<int>(act.Count()), compare, build, build + compare,
                static_cast<double>(indexBytes) / 1e6, static_cast<double>(indexBytes) / static_cast<double>(act.Count()),
                counts[RecStatus::Same], counts[RecStatus::New], counts[RecStatus::Different]);
}

void Contacts()
{
    const std::size_t before = HeapInUse();
    CommAddrMgr act;
    for (int n = 0; n < kRecords; ++n) {
        const CommAddrRec record = Contact(n);
        act.Add(&record);
    }
    const std::size_t used = HeapInUse() - before;
    std::printf("contacts  %d typical contacts in a manager: %.1f MB, %zu bytes per record (heap included; the record itself is %zu bytes)\n",
                kRecords, static_cast<double>(used) / 1e6, used / kRecords, sizeof(CommAddrRec));

    std::mt19937 rng(1);
    CommAddrMgr source;
    for (int n = 0; n < kRecords; ++n) {
        const CommAddrRec record = SourceContact(n, rng);
        source.Add(&record);
    }
    ReportComparison("contacts", act, source);
}

void Calendar()
{
    CommDateMgr act, source;
    std::mt19937 rng(2);
    for (int n = 0; n < kRecords; ++n) {
        CommDateRec r;
        r.Subject = "Meeting " + std::to_string(n % 20000);  // subjects repeat across days
        r.Start = {2008, static_cast<std::uint16_t>(1 + n % 12), 0, static_cast<std::uint16_t>(1 + n % 28), 9, 0, 0, 0};
        r.End = r.Start;
        r.Location = "Room " + std::to_string(n % 10);
        act.Add(&r);
        if (rng() % 100 < 70) {
            if (rng() % 10 == 0)
                r.Location = "Elsewhere";
            r.Start.Hour = 15;  // the time of day takes no part
        } else {
            r.Subject = "New meeting " + std::to_string(n);
        }
        source.Add(&r);
    }
    ReportComparison("calendar", act, source);
}

void Tasks()
{
    CommTaskMgr act, source;
    std::mt19937 rng(3);
    for (int n = 0; n < kRecords; ++n) {
        CommTaskRec r;
        r.Subject = "Call customer " + std::to_string(n);
        r.Priority = n % 3;
        act.Add(&r);
        if (rng() % 100 < 70) {
            if (rng() % 10 == 0)
                r.Priority = (r.Priority + 1) % 3;
        } else {
            r.Subject = "Follow up " + std::to_string(n);
        }
        source.Add(&r);
    }
    ReportComparison("tasks", act, source);
}

// ACT! notes have no subject: every one of them shares the empty key, one crowd of 100,000.
void Notes()
{
    CommNoteMgr act, source;
    std::mt19937 rng(4);
    for (int n = 0; n < kRecords; ++n) {
        CommNoteRec r;
        r.Text = "Called about order " + std::to_string(n) + "; wants a quote by Friday.";
        act.Add(&r);
        if (rng() % 100 >= 70)
            r.Subject = "Memo " + std::to_string(n);
        else if (rng() % 10 == 0)
            r.Text = "Changed text " + std::to_string(n);
        source.Add(&r);
    }
    ReportComparison("notes", act, source);
}

}  // namespace

int main()
{
    Contacts();
    Calendar();
    Tasks();
    Notes();
    return 0;
}

#pragma once

#include "connectors/act/ActRecords.h"

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct sqlite3;

namespace velmora::helpers {

using connectors::ActCalendarRec;
using connectors::ActContactRec;
using connectors::ActNoteRec;
using connectors::ActTodoRec;

// Where each kind of ACT! record lives in the store, and how the helpers speak of it.
template <class Raw>
struct StoreKind;
template <>
struct StoreKind<ActContactRec> {
    static constexpr const char* Table = "contacts";
    static constexpr const char* Noun = "contacts";
};
template <>
struct StoreKind<ActCalendarRec> {
    static constexpr const char* Table = "calendar";
    static constexpr const char* Noun = "calendar entries";
};
template <>
struct StoreKind<ActTodoRec> {
    static constexpr const char* Table = "todos";
    static constexpr const char* Noun = "to-dos";
};
template <>
struct StoreKind<ActNoteRec> {
    static constexpr const char* Table = "notes";
    static constexpr const char* Noun = "notes";
};

// The stand-in ACT! database: an SQLite file (the PAD file itself, mode 0600) with one table per
// record kind, one column per field of the record layout, and the database's users with salted
// hashes of their passwords. Texts are kept in UTF-8, so that other SQLite tools read them; the
// records this class hands in and out are Windows-1252, as the exchange files are. Records are
// kept in the order they were added; each has a unique record ID. A store of an older layout
// (texts in Windows-1252, passwords in plain text: schema version 0) is upgraded when opened.
class ActStore {
public:
    using Progress = std::function<bool(std::size_t done, std::size_t total)>;  // false stops

    // Opens an existing store; nothing and a clear `error` when the file is missing, is not a
    // database, or is a database of something else.
    static std::unique_ptr<ActStore> Open(const std::string& path, std::string& error);
    // Makes a new, empty store with one user; fails when the file exists.
    static std::unique_ptr<ActStore> Create(const std::string& path, const std::string& user,
                                            const std::string& password, std::string& error);
    ~ActStore();
    ActStore(const ActStore&) = delete;
    ActStore& operator=(const ActStore&) = delete;

    // User names compare without case, passwords exactly.
    bool CheckLogin(const std::string& user, const std::string& password, std::string& error) const;

    // Every record of a kind, in the order they were added.
    template <class Raw>
    bool ReadAll(std::vector<Raw>& records, std::string& error, const Progress& progress = {}) const;
    // The same one record at a time: `start(total)` first, then `take(record)` for each (it may
    // move from the record; false from it stops). A database that changes while it is read
    // fails, so that `total` holds.
    template <class Raw>
    bool ReadEach(const std::function<bool(std::size_t total)>& start, const std::function<bool(Raw& record)>& take,
                  std::string& error, const Progress& progress = {}) const;

    // Applies every record marked changed (State 2) in one transaction: Operation 1 inserts the
    // record under a new record ID, 2 updates the stored record with its record ID. Any failure
    // applies nothing and says why. The same transaction journals the submission under
    // `migration` (a new identifier when empty): each record touched, with the row as it was
    // before (for an update) and as it was written, so that the migration can be undone.
    template <class Raw>
    bool Apply(const std::vector<Raw>& records, std::string& error, const Progress& progress = {},
               const std::string& migration = {});

    // What undoing one migration's records of a kind did.
    struct UndoResult {
        bool NothingToUndo = false;  // no submission of it is journaled, or it was undone already
        std::size_t Removed = 0;     // records it added, deleted
        std::size_t Restored = 0;    // records it updated, written back as they were
        std::size_t Left = 0;        // records changed since, left as they are
    };
    // Undoes the submissions of `migration` of one kind, the last first, in one transaction
    // that marks them undone. A record that no longer is what the migration wrote is left.
    template <class Raw>
    bool Undo(const std::string& migration, UndoResult& result, std::string& error, const Progress& progress = {});

    // One journaled migration: identifier, time (automation date, local), records added and
    // updated per kind (contacts, calendar, to-dos, notes), and whether it has been undone.
    struct Migration {
        std::string Id;
        double Time = 0;
        std::array<std::size_t, 4> Added{};
        std::array<std::size_t, 4> Updated{};
        bool Undone = false;
    };
    // The journaled migrations, the latest first.
    bool Migrations(std::vector<Migration>& migrations, std::string& error) const;

    // How many migrations the journal keeps (20 unless set); older ones are dropped in the
    // transaction that adds a new one.
    static constexpr int kKeptMigrations = 20;
    bool SetKeptMigrations(int count, std::string& error);

    // Apply, journaled under *migration, or not journaled at all when it is null (samples, the
    // benchmark of the journal's cost).
    template <class Raw>
    bool Write(const std::vector<Raw>& records, std::string& error, const Progress& progress, const std::string* migration);

    // Inserts records as they are, each under a new record ID, without journaling (samples, tests).
    template <class Raw>
    bool Insert(std::vector<Raw> records, std::string& error);

private:
    explicit ActStore(sqlite3* db) : mDb(db) {}
    bool Execute(const std::string& sql, std::string& error) const;
    bool Upgrade(int layout, std::string& error);
    bool ConvertLayout0(std::string& error);
    int KeptMigrations() const;
    std::string LastError() const;

    sqlite3* mDb;
};

// A new record ID: a GUID in upper-case hex with dashes.
std::string NewRecordId();

}  // namespace velmora::helpers

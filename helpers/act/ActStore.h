#pragma once

#include "connectors/act/ActRecords.h"

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

    // Applies every record marked changed (State 2) in one transaction: Operation 1 inserts the
    // record under a new record ID, 2 updates the stored record with its record ID. Any failure
    // applies nothing and says why.
    template <class Raw>
    bool Apply(const std::vector<Raw>& records, std::string& error, const Progress& progress = {});

    // Inserts records as they are, each under a new record ID (samples, tests).
    template <class Raw>
    bool Insert(std::vector<Raw> records, std::string& error);

private:
    explicit ActStore(sqlite3* db) : mDb(db) {}
    bool Execute(const std::string& sql, std::string& error) const;
    bool Upgrade(std::string& error);
    std::string LastError() const;

    sqlite3* mDb;
};

// A new record ID: a GUID in upper-case hex with dashes.
std::string NewRecordId();

}  // namespace velmora::helpers

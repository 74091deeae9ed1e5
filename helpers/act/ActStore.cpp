#include "ActStore.h"

#include "platform/CodePage.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <sodium.h>
#include <sqlite3.h>

#include <filesystem>
#include <random>

namespace velmora::helpers {
namespace {

// Marks the file as a stand-in ACT! database ("VACT").
constexpr int kApplicationId = 0x56414354;
// The layout: 1 keeps texts in UTF-8 and passwords as hashes; 0 (the first) did neither.
constexpr int kSchemaVersion = 1;

// Passwords are kept as Argon2id hashes (libsodium's crypto_pwhash_str, salted), at a cost that
// keeps each helper's login check to a few milliseconds.
constexpr unsigned long long kHashOps = crypto_pwhash_OPSLIMIT_INTERACTIVE;
constexpr std::size_t kHashMemory = std::size_t{8} << 20;

bool HashPassword(const std::string& password, std::string& hash)
{
    char text[crypto_pwhash_STRBYTES];
    const std::string utf8 = platform::AnsiToUtf8(password);
    if (sodium_init() < 0 || crypto_pwhash_str(text, utf8.data(), utf8.size(), kHashOps, kHashMemory) != 0)
        return false;
    hash = text;
    return true;
}

bool PasswordMatches(const char* hash, const std::string& password)
{
    const std::string utf8 = platform::AnsiToUtf8(password);
    return hash != nullptr && sodium_init() >= 0 && crypto_pwhash_str_verify(hash, utf8.data(), utf8.size()) == 0;
}

// The column list of a record kind, from its fields in layout order; RecordId comes first.
struct ColumnLister {
    std::vector<std::pair<std::string, const char*>> columns;  // name, SQL type
    template <std::size_t N>
    void Text(const char* name, const model::Text<N>&) { columns.emplace_back(name, "TEXT NOT NULL DEFAULT ''"); }
    void Int(const char* name, std::int32_t) { columns.emplace_back(name, "INTEGER NOT NULL DEFAULT 0"); }
    void Flag(const char* name, std::uint8_t) { columns.emplace_back(name, "INTEGER NOT NULL DEFAULT 0"); }
    void Date(const char* name, double) { columns.emplace_back(name, "REAL NOT NULL DEFAULT 0"); }
};

template <class Raw>
std::vector<std::pair<std::string, const char*>> ColumnsOf()
{
    ColumnLister lister;
    const Raw sample;
    VisitFields(sample, lister);
    return lister.columns;
}

template <class Raw>
std::string CreateTableSql()
{
    std::string sql = std::string("CREATE TABLE ") + StoreKind<Raw>::Table + " (";
    for (const auto& [name, type] : ColumnsOf<Raw>())
        sql += name + " " + type + (name == "RecordId" ? " PRIMARY KEY" : "") + ", ";
    sql.resize(sql.size() - 2);
    return sql + ")";
}

// Binds every field to the numbered parameters ?1 ... ?n, in layout order.
struct Binder {
    sqlite3_stmt* statement;
    int index = 1;
    template <std::size_t N>
    void Text(const char*, const model::Text<N>& value)
    {
        const std::string_view text = value.view();
        if (platform::IsAscii(text)) {
            // A null pointer would bind SQL NULL: the empty text is "".
            sqlite3_bind_text(statement, index++, text.empty() ? "" : text.data(), static_cast<int>(text.size()),
                              SQLITE_TRANSIENT);
            return;
        }
        const std::string utf8 = platform::AnsiToUtf8(text);
        sqlite3_bind_text(statement, index++, utf8.data(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
    }
    void Int(const char*, std::int32_t value) { sqlite3_bind_int(statement, index++, value); }
    void Flag(const char*, std::uint8_t value) { sqlite3_bind_int(statement, index++, value); }
    void Date(const char*, double value) { sqlite3_bind_double(statement, index++, value); }
};

// Reads the columns of a row, in layout order, into the fields.
struct RowReader {
    sqlite3_stmt* statement;
    int index = 0;
    template <std::size_t N>
    void Text(const char*, model::Text<N>& value)
    {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, index));
        const int bytes = sqlite3_column_bytes(statement, index++);
        const std::string_view utf8 = text != nullptr ? std::string_view(text, static_cast<std::size_t>(bytes)) : std::string_view();
        if (platform::IsAscii(utf8))
            value = utf8;
        else
            value = platform::Utf8ToAnsi(utf8);
    }
    void Int(const char*, std::int32_t& value) { value = sqlite3_column_int(statement, index++); }
    void Flag(const char*, std::uint8_t& value) { value = sqlite3_column_int(statement, index++) != 0 ? 1 : 0; }
    void Date(const char*, double& value) { value = sqlite3_column_double(statement, index++); }
};

// A prepared statement, finalized with its scope.
class Statement {
public:
    Statement(sqlite3* db, const std::string& sql) { sqlite3_prepare_v2(db, sql.c_str(), -1, &mStatement, nullptr); }
    ~Statement() { sqlite3_finalize(mStatement); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    sqlite3_stmt* get() const { return mStatement; }
    explicit operator bool() const { return mStatement != nullptr; }

private:
    sqlite3_stmt* mStatement = nullptr;
};

template <class Raw>
std::string ColumnNames()
{
    std::string names;
    for (const auto& [name, type] : ColumnsOf<Raw>())
        names += (names.empty() ? "" : ", ") + name;
    return names;
}

template <class Raw>
std::string InsertSql()
{
    std::string sql = std::string("INSERT INTO ") + StoreKind<Raw>::Table + " (" + ColumnNames<Raw>() + ") VALUES (";
    for (std::size_t i = 1; i <= ColumnsOf<Raw>().size(); ++i)
        sql += (i > 1 ? ", ?" : "?") + std::to_string(i);
    return sql + ")";
}

// Every column is set from the record; RecordId (?1) also finds the row.
template <class Raw>
std::string UpdateSql()
{
    std::string sql = std::string("UPDATE ") + StoreKind<Raw>::Table + " SET ";
    std::size_t i = 1;
    for (const auto& [name, type] : ColumnsOf<Raw>()) {
        sql += (i > 1 ? ", " : "") + name + " = ?" + std::to_string(i);
        ++i;
    }
    return sql + " WHERE RecordId = ?1";
}

// Runs an insert or update statement for one record; false with `error` on failure.
template <class Raw>
bool Step(sqlite3* db, const Statement& statement, const Raw& record, std::string& error)
{
    sqlite3_reset(statement.get());
    Binder binder{statement.get()};
    VisitFields(record, binder);
    if (sqlite3_step(statement.get()) != SQLITE_DONE) {
        error = sqlite3_errmsg(db);
        return false;
    }
    return true;
}

// Another writer holding the database is waited for this long before the helper gives up.
constexpr int kBusyTimeoutMs = 5000;
constexpr const char* kInUse = "The ACT! database is in use by another program.";

}  // namespace

std::string NewRecordId()
{
    static std::random_device device;
    static std::mt19937_64 engine((std::uint64_t{device()} << 32) ^ device());
    char text[40];
    const std::uint64_t high = engine(), low = engine();
    std::snprintf(text, sizeof text, "%08X-%04X-%04X-%04X-%012llX", static_cast<unsigned>(high >> 32),
                  static_cast<unsigned>((high >> 16) & 0xFFFF), static_cast<unsigned>(high & 0xFFFF),
                  static_cast<unsigned>(low >> 48), static_cast<unsigned long long>(low & 0xFFFFFFFFFFFFULL));
    return text;
}

std::unique_ptr<ActStore> ActStore::Open(const std::string& path, std::string& error)
{
    std::error_code exists;
    if (!std::filesystem::is_regular_file(path, exists)) {
        error = "The ACT! database " + path + " does not exist.";
        return nullptr;
    }
    // A database nobody may write is refused before anything is tried on it.
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && (info.st_mode & 0222) == 0) {
        error = "The ACT! database " + path + " is read-only.";
        return nullptr;
    }
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr) != SQLITE_OK) {
        error = "The ACT! database " + path + " cannot be opened: " + sqlite3_errmsg(db) + ".";
        sqlite3_close(db);
        return nullptr;
    }
    std::unique_ptr<ActStore> store(new ActStore(db));
    sqlite3_busy_timeout(db, kBusyTimeoutMs);
    Statement check(db, "PRAGMA application_id");
    const int step = check ? sqlite3_step(check.get()) : sqlite3_errcode(db);
    if (step == SQLITE_BUSY || step == SQLITE_LOCKED) {
        error = kInUse;
        return nullptr;
    }
    const bool ours = step == SQLITE_ROW && sqlite3_column_int(check.get(), 0) == kApplicationId;
    if (!ours) {
        error = "The file " + path + " is not an ACT! database.";
        return nullptr;
    }
    Statement version(db, "PRAGMA user_version");
    const int layout = version && sqlite3_step(version.get()) == SQLITE_ROW ? sqlite3_column_int(version.get(), 0) : -1;
    if (layout > kSchemaVersion || layout < 0) {
        error = "The ACT! database " + path + " was written by a newer program.";
        return nullptr;
    }
    if (layout < kSchemaVersion && !store->Upgrade(error))
        return nullptr;
    return store;
}

std::unique_ptr<ActStore> ActStore::Create(const std::string& path, const std::string& user,
                                           const std::string& password, std::string& error)
{
    std::error_code exists;
    if (std::filesystem::exists(path, exists)) {
        error = "The file " + path + " exists already.";
        return nullptr;
    }
    // The file is made private before SQLite writes anything into it.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
        error = "The ACT! database " + path + " cannot be created.";
        return nullptr;
    }
    ::close(fd);
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr) != SQLITE_OK) {
        error = "The ACT! database " + path + " cannot be created: " + sqlite3_errmsg(db) + ".";
        sqlite3_close(db);
        return nullptr;
    }
    std::unique_ptr<ActStore> store(new ActStore(db));
    const std::string schema = "BEGIN; PRAGMA application_id = " + std::to_string(kApplicationId) + "; " +
                               "PRAGMA user_version = " + std::to_string(kSchemaVersion) + "; "
                               "CREATE TABLE users (Name TEXT PRIMARY KEY COLLATE NOCASE, Password TEXT NOT NULL); " +
                               CreateTableSql<ActContactRec>() + "; " + CreateTableSql<ActCalendarRec>() + "; " +
                               CreateTableSql<ActTodoRec>() + "; " + CreateTableSql<ActNoteRec>() + "; COMMIT";
    if (!store->Execute(schema, error))
        return nullptr;
    std::string hash;
    if (!HashPassword(password, hash)) {
        error = "The password cannot be hashed.";
        return nullptr;
    }
    Statement add(db, "INSERT INTO users (Name, Password) VALUES (?1, ?2)");
    const std::string name = platform::AnsiToUtf8(user);
    sqlite3_bind_text(add.get(), 1, name.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(add.get(), 2, hash.c_str(), -1, SQLITE_TRANSIENT);
    if (sqlite3_step(add.get()) != SQLITE_DONE) {
        error = store->LastError();
        return nullptr;
    }
    return store;
}

ActStore::~ActStore()
{
    sqlite3_close(mDb);
}

std::string ActStore::LastError() const
{
    return sqlite3_errmsg(mDb);
}

bool ActStore::Execute(const std::string& sql, std::string& error) const
{
    char* message = nullptr;
    if (sqlite3_exec(mDb, sql.c_str(), nullptr, nullptr, &message) == SQLITE_OK)
        return true;
    error = message != nullptr ? message : LastError();
    sqlite3_free(message);
    sqlite3_exec(mDb, "ROLLBACK", nullptr, nullptr, nullptr);
    return false;
}

namespace {

// ansi_to_utf8(text): a Windows-1252 text of a layout-0 store in UTF-8.
void AnsiToUtf8Sql(sqlite3_context* context, int, sqlite3_value** values)
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(values[0]));
    const int bytes = sqlite3_value_bytes(values[0]);
    const std::string utf8 = text != nullptr ? platform::AnsiToUtf8(std::string_view(text, static_cast<std::size_t>(bytes))) : std::string();
    sqlite3_result_text(context, utf8.data(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
}

template <class Raw>
std::string ConvertTextsSql()
{
    std::string sql;
    for (const auto& [name, type] : ColumnsOf<Raw>())
        if (std::string_view(type).starts_with("TEXT"))
            sql += (sql.empty() ? "" : ", ") + name + " = ansi_to_utf8(" + name + ")";
    return std::string("UPDATE ") + StoreKind<Raw>::Table + " SET " + sql + "; ";
}

}  // namespace

// From layout 0: every text to UTF-8, every plain password to its hash, in one transaction.
bool ActStore::Upgrade(std::string& error)
{
    if (sqlite3_create_function(mDb, "ansi_to_utf8", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, AnsiToUtf8Sql,
                                nullptr, nullptr) != SQLITE_OK) {
        error = LastError();
        return false;
    }
    if (!Execute("BEGIN IMMEDIATE; " + ConvertTextsSql<ActContactRec>() + ConvertTextsSql<ActCalendarRec>() +
                     ConvertTextsSql<ActTodoRec>() + ConvertTextsSql<ActNoteRec>() + "UPDATE users SET Name = ansi_to_utf8(Name)",
                 error))
        return false;
    std::vector<std::pair<std::string, std::string>> users;  // name, plain password (Windows-1252)
    {
        Statement all(mDb, "SELECT Name, Password FROM users");
        while (all && sqlite3_step(all.get()) == SQLITE_ROW)
            users.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(all.get(), 0)),
                               reinterpret_cast<const char*>(sqlite3_column_text(all.get(), 1)));
    }
    for (const auto& [name, plain] : users) {
        std::string hash;
        Statement set(mDb, "UPDATE users SET Password = ?2 WHERE Name = ?1");
        if (!HashPassword(plain, hash) || !set) {
            Execute("ROLLBACK", error);
            error = "The ACT! database cannot be upgraded.";
            return false;
        }
        sqlite3_bind_text(set.get(), 1, name.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(set.get(), 2, hash.c_str(), -1, SQLITE_TRANSIENT);
        if (sqlite3_step(set.get()) != SQLITE_DONE) {
            error = LastError();
            Execute("ROLLBACK", error);
            return false;
        }
    }
    return Execute("PRAGMA user_version = " + std::to_string(kSchemaVersion) + "; COMMIT", error);
}

bool ActStore::CheckLogin(const std::string& user, const std::string& password, std::string& error) const
{
    Statement find(mDb, "SELECT Password FROM users WHERE Name = ?1");
    if (!find) {
        error = LastError();
        return false;
    }
    const std::string name = platform::AnsiToUtf8(user);
    sqlite3_bind_text(find.get(), 1, name.c_str(), -1, SQLITE_TRANSIENT);
    const bool known = sqlite3_step(find.get()) == SQLITE_ROW;
    const auto* stored = known ? reinterpret_cast<const char*>(sqlite3_column_text(find.get(), 0)) : nullptr;
    if (!PasswordMatches(stored, password)) {
        error = "Invalid user name or password for the ACT! database.";
        return false;
    }
    return true;
}

template <class Raw>
bool ActStore::ReadAll(std::vector<Raw>& records, std::string& error, const Progress& progress) const
{
    records.clear();
    Statement count(mDb, std::string("SELECT COUNT(*) FROM ") + StoreKind<Raw>::Table);
    Statement select(mDb, "SELECT " + ColumnNames<Raw>() + " FROM " + StoreKind<Raw>::Table + " ORDER BY rowid");
    if (!count || !select || sqlite3_step(count.get()) != SQLITE_ROW) {
        error = LastError();
        return false;
    }
    const auto total = static_cast<std::size_t>(sqlite3_column_int64(count.get(), 0));
    records.reserve(total);
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(select.get())) == SQLITE_ROW) {
        Raw record;
        RowReader reader{select.get()};
        VisitFields(record, reader);
        records.push_back(std::move(record));
        if (progress && !progress(records.size(), total)) {
            error = "Stopped on request.";
            return false;
        }
    }
    if (step != SQLITE_DONE) {
        error = LastError();
        return false;
    }
    return true;
}

namespace {

// As ACT! does, a contact added without a contact name is named by its first, middle and last
// names.
void CompleteNew(ActContactRec& contact)
{
    if (!contact.FullName.empty())
        return;
    std::string name;
    for (const auto* part : {&contact.FirstName, &contact.MiddleName, &contact.LastName}) {
        if (!part->empty())
            name += (name.empty() ? "" : " ") + std::string(part->view());
    }
    contact.FullName = name;
}

template <class Raw>
void CompleteNew(Raw&)
{
}

}  // namespace

template <class Raw>
bool ActStore::Apply(const std::vector<Raw>& records, std::string& error, const Progress& progress)
{
    if (!Execute("BEGIN IMMEDIATE", error)) {
        if (error.find("database is locked") != std::string::npos)
            error = kInUse;
        return false;
    }
    Statement insert(mDb, InsertSql<Raw>());
    Statement update(mDb, UpdateSql<Raw>());
    if (!insert || !update) {
        error = LastError();
        Execute("ROLLBACK", error);
        return false;
    }
    std::size_t done = 0;
    for (const Raw& record : records) {
        ++done;
        if (record.State != 2)
            continue;
        bool applied = false;
        if (record.Operation == 1) {
            Raw added = record;
            added.RecordId = NewRecordId();
            CompleteNew(added);
            applied = Step(mDb, insert, added, error);
        } else if (record.Operation == 2) {
            applied = Step(mDb, update, record, error);
            if (applied && sqlite3_changes(mDb) == 0) {
                error = std::string("There is no record with the ID \"") + record.RecordId.c_str() + "\" among the " +
                        StoreKind<Raw>::Noun + ".";
                applied = false;
            }
        } else {
            error = "Record " + std::to_string(done) + " asks for the unknown operation " + std::to_string(record.Operation) + ".";
        }
        if (applied && progress && !progress(done, records.size())) {
            error = "Stopped on request.";
            applied = false;
        }
        if (!applied) {
            sqlite3_exec(mDb, "ROLLBACK", nullptr, nullptr, nullptr);
            error = "Nothing was changed: " + error;
            return false;
        }
    }
    return Execute("COMMIT", error);
}

template <class Raw>
bool ActStore::Insert(std::vector<Raw> records, std::string& error)
{
    for (Raw& record : records) {
        record.State = 2;
        record.Operation = 1;
    }
    return Apply(records, error);
}

#define VELMORA_STORE_KIND(Raw)                                                                      \
    template bool ActStore::ReadAll<Raw>(std::vector<Raw>&, std::string&, const Progress&) const;    \
    template bool ActStore::Apply<Raw>(const std::vector<Raw>&, std::string&, const Progress&);      \
    template bool ActStore::Insert<Raw>(std::vector<Raw>, std::string&);
VELMORA_STORE_KIND(ActContactRec)
VELMORA_STORE_KIND(ActCalendarRec)
VELMORA_STORE_KIND(ActTodoRec)
VELMORA_STORE_KIND(ActNoteRec)
#undef VELMORA_STORE_KIND

}  // namespace velmora::helpers

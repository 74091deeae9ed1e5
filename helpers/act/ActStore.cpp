#include "ActStore.h"

#include "model/CxDateTime.h"
#include "platform/CodePage.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <sodium.h>
#include <sqlite3.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <optional>
#include <random>

namespace velmora::helpers {
namespace {

// Marks the file as a stand-in ACT! database ("VACT").
constexpr int kApplicationId = 0x56414354;
// The layout: 2 journals submissions; 1 keeps texts in UTF-8 and passwords as hashes; 0 (the
// first) did neither.
constexpr int kSchemaVersion = 2;

// The journal: one row per submission of one kind, and per record it touched the row as it was
// before (updates) and as it was written, as row images (see RowImage).
constexpr const char* kJournalSchema =
    "CREATE TABLE IF NOT EXISTS submissions (Seq INTEGER PRIMARY KEY AUTOINCREMENT, Migration TEXT NOT NULL, Time REAL NOT NULL, "
    "Kind TEXT NOT NULL, Added INTEGER NOT NULL DEFAULT 0, Updated INTEGER NOT NULL DEFAULT 0, "
    "Undone INTEGER NOT NULL DEFAULT 0); "
    "CREATE TABLE IF NOT EXISTS journal (Submission INTEGER NOT NULL, RecordId TEXT NOT NULL, Operation INTEGER NOT NULL, "
    "Before BLOB, After BLOB NOT NULL); "
    "CREATE INDEX IF NOT EXISTS journal_submission ON journal (Submission); "
    "CREATE TABLE IF NOT EXISTS store_settings (Name TEXT PRIMARY KEY, Value INTEGER NOT NULL); ";

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
            // A null pointer would bind SQL NULL: the empty text is "". The record outlives the
            // statement's step, so the text is not copied.
            sqlite3_bind_text(statement, index++, text.empty() ? "" : text.data(), static_cast<int>(text.size()),
                              SQLITE_STATIC);
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

std::string RowImage(sqlite3_stmt* row);

// The columns of the row an insert or update wrote, in layout order, as its answer, with the
// types a query of the row gives: SQLite keeps a whole-number REAL as an integer in the row, and
// only a query turns it back.
template <class Raw>
std::string ReturningSql()
{
    std::string columns;
    for (const auto& [name, type] : ColumnsOf<Raw>()) {
        columns += columns.empty() ? "" : ", ";
        columns += std::string_view(type).starts_with("REAL") ? "CAST(" + name + " AS REAL)" : name;
    }
    return " RETURNING " + columns;
}

// Runs an insert or update statement for one record; false with `error` on failure. Of a
// statement with a RETURNING clause, `written` receives the image of the row written.
template <class Raw>
bool Step(sqlite3* db, const Statement& statement, const Raw& record, std::string& error,
          std::optional<std::string>* written = nullptr)
{
    sqlite3_reset(statement.get());
    Binder binder{statement.get()};
    VisitFields(record, binder);
    int step = sqlite3_step(statement.get());
    if (step == SQLITE_ROW) {
        if (written != nullptr)
            *written = RowImage(statement.get());
        step = sqlite3_step(statement.get());
    }
    if (step != SQLITE_DONE) {
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
    if (layout < kSchemaVersion && !store->Upgrade(layout, error))
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
                               CreateTableSql<ActTodoRec>() + "; " + CreateTableSql<ActNoteRec>() + "; " + kJournalSchema +
                               "COMMIT";
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

// To the current layout in one transaction: from layout 0 every text to UTF-8 and every plain
// password to its hash; from layouts before 2 the journal's tables.
bool ActStore::Upgrade(int layout, std::string& error)
{
    if (!Execute("BEGIN IMMEDIATE", error))
        return false;
    if (layout < 1 && !ConvertLayout0(error))
        return false;
    if (layout < 2 && !Execute(kJournalSchema, error))
        return false;
    return Execute("PRAGMA user_version = " + std::to_string(kSchemaVersion) + "; COMMIT", error);
}

// Layout 0 kept Windows-1252 texts and plain passwords; within the upgrade's transaction.
bool ActStore::ConvertLayout0(std::string& error)
{
    if (sqlite3_create_function(mDb, "ansi_to_utf8", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, AnsiToUtf8Sql,
                                nullptr, nullptr) != SQLITE_OK) {
        error = LastError();
        Execute("ROLLBACK", error);
        return false;
    }
    if (!Execute(ConvertTextsSql<ActContactRec>() + ConvertTextsSql<ActCalendarRec>() + ConvertTextsSql<ActTodoRec>() +
                     ConvertTextsSql<ActNoteRec>() + "UPDATE users SET Name = ansi_to_utf8(Name)",
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
    return true;
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
    const auto start = [&records](std::size_t total) {
        records.reserve(total);
        return true;
    };
    const auto take = [&records](Raw& record) {
        records.push_back(std::move(record));
        return true;
    };
    return ReadEach<Raw>(start, take, error, progress);
}

template <class Raw>
bool ActStore::ReadEach(const std::function<bool(std::size_t total)>& start, const std::function<bool(Raw& record)>& take,
                        std::string& error, const Progress& progress) const
{
    Statement count(mDb, std::string("SELECT COUNT(*) FROM ") + StoreKind<Raw>::Table);
    Statement select(mDb, "SELECT " + ColumnNames<Raw>() + " FROM " + StoreKind<Raw>::Table + " ORDER BY rowid");
    if (!count || !select || sqlite3_step(count.get()) != SQLITE_ROW) {
        error = LastError();
        return false;
    }
    const auto total = static_cast<std::size_t>(sqlite3_column_int64(count.get(), 0));
    if (!start(total))
        return false;
    std::size_t done = 0;
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(select.get())) == SQLITE_ROW) {
        Raw record;
        RowReader reader{select.get()};
        VisitFields(record, reader);
        if (!take(record))
            return false;
        ++done;
        if (progress && !progress(done, total)) {
            error = "Stopped on request.";
            return false;
        }
    }
    if (step != SQLITE_DONE) {
        error = LastError();
        return false;
    }
    if (done != total) {
        error = "The ACT! database changed while it was read; please try again.";
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

// A row as the store holds it, every column byte for byte: per column a type byte (1 integer,
// 2 real, 3 text, 4 blob, 5 null, 6 the empty text, which most columns of a record hold) and the
// value (8 bytes little-endian, or a 32-bit length and the bytes). Journal images are compared and written back in this form, so that what is
// restored is exactly what was there, whatever the program that wrote it.
constexpr int kEmptyText = 6;

std::string RowImage(sqlite3_stmt* row)
{
    std::string image;
    const auto put64 = [&image](std::uint64_t value) {
        for (int i = 0; i < 8; ++i)
            image += static_cast<char>(value >> (8 * i));
    };
    for (int c = 0; c < sqlite3_column_count(row); ++c) {
        const int type = sqlite3_column_type(row, c);
        if (type == SQLITE_TEXT && sqlite3_column_bytes(row, c) == 0) {
            image += static_cast<char>(kEmptyText);
            continue;
        }
        image += static_cast<char>(type);
        if (type == SQLITE_INTEGER) {
            put64(static_cast<std::uint64_t>(sqlite3_column_int64(row, c)));
        } else if (type == SQLITE_FLOAT) {
            const double value = sqlite3_column_double(row, c);
            std::uint64_t bits = 0;
            std::memcpy(&bits, &value, sizeof bits);
            put64(bits);
        } else if (type == SQLITE_TEXT || type == SQLITE_BLOB) {
            const auto* bytes = static_cast<const char*>(type == SQLITE_TEXT ? static_cast<const void*>(sqlite3_column_text(row, c))
                                                                               : sqlite3_column_blob(row, c));
            const auto size = static_cast<std::uint32_t>(sqlite3_column_bytes(row, c));
            for (int i = 0; i < 4; ++i)
                image += static_cast<char>(size >> (8 * i));
            image.append(bytes != nullptr ? bytes : "", size);
        }
    }
    return image;
}

// Binds a row image to the parameters ?1 ... ?n; false for an image that is not one.
bool BindImage(sqlite3_stmt* statement, std::string_view image)
{
    std::size_t pos = 0;
    const auto take64 = [&](std::uint64_t& value) {
        if (image.size() - pos < 8)
            return false;
        value = 0;
        for (int i = 0; i < 8; ++i)
            value |= std::uint64_t{static_cast<unsigned char>(image[pos + static_cast<std::size_t>(i)])} << (8 * i);
        pos += 8;
        return true;
    };
    for (int c = 1; pos < image.size(); ++c) {
        const int type = static_cast<unsigned char>(image[pos++]);
        std::uint64_t value = 0;
        if (type == SQLITE_INTEGER || type == SQLITE_FLOAT) {
            if (!take64(value))
                return false;
            double real = 0;
            std::memcpy(&real, &value, sizeof real);
            if (type == SQLITE_INTEGER)
                sqlite3_bind_int64(statement, c, static_cast<sqlite3_int64>(value));
            else
                sqlite3_bind_double(statement, c, real);
        } else if (type == SQLITE_TEXT || type == SQLITE_BLOB) {
            if (image.size() - pos < 4)
                return false;
            std::uint32_t size = 0;
            for (int i = 0; i < 4; ++i)
                size |= std::uint32_t{static_cast<unsigned char>(image[pos + static_cast<std::size_t>(i)])} << (8 * i);
            pos += 4;
            if (image.size() - pos < size)
                return false;
            const char* bytes = image.data() + pos;
            if (type == SQLITE_TEXT)
                sqlite3_bind_text(statement, c, size == 0 ? "" : bytes, static_cast<int>(size), SQLITE_TRANSIENT);
            else
                sqlite3_bind_blob(statement, c, bytes, static_cast<int>(size), SQLITE_TRANSIENT);
            pos += size;
        } else if (type == kEmptyText) {
            sqlite3_bind_text(statement, c, "", 0, SQLITE_STATIC);
        } else if (type == SQLITE_NULL) {
            sqlite3_bind_null(statement, c);
        } else {
            return false;
        }
    }
    return true;
}

// The image of the row with this record ID, or nothing when there is none.
std::optional<std::string> ImageOf(sqlite3_stmt* select, std::string_view recordId)
{
    sqlite3_reset(select);
    sqlite3_bind_text(select, 1, recordId.data(), static_cast<int>(recordId.size()), SQLITE_TRANSIENT);
    if (sqlite3_step(select) != SQLITE_ROW)
        return std::nullopt;
    return RowImage(select);
}

template <class Raw>
std::string SelectSql()
{
    return "SELECT " + ColumnNames<Raw>() + " FROM " + StoreKind<Raw>::Table + " WHERE RecordId = ?1";
}

// Of the migrations journaled, only the last `kept` stay (the current one among them).
std::string DropOldMigrationsSql(int kept)
{
    const std::string old = "SELECT Migration FROM submissions GROUP BY Migration ORDER BY MAX(Seq) DESC LIMIT -1 OFFSET " +
                            std::to_string(kept);
    return "DELETE FROM journal WHERE Submission IN (SELECT Seq FROM submissions WHERE Migration IN (" + old + ")); "
           "DELETE FROM submissions WHERE Migration IN (" + old + ")";
}

}  // namespace

int ActStore::KeptMigrations() const
{
    Statement setting(mDb, "SELECT Value FROM store_settings WHERE Name = 'KeptMigrations'");
    if (setting && sqlite3_step(setting.get()) == SQLITE_ROW)
        return std::max(1, sqlite3_column_int(setting.get(), 0));
    return kKeptMigrations;
}

bool ActStore::SetKeptMigrations(int count, std::string& error)
{
    if (count < 1) {
        error = "At least one migration must be kept.";
        return false;
    }
    return Execute("INSERT OR REPLACE INTO store_settings (Name, Value) VALUES ('KeptMigrations', " +
                       std::to_string(count) + ")",
                   error);
}

template <class Raw>
bool ActStore::Apply(const std::vector<Raw>& records, std::string& error, const Progress& progress,
                     const std::string& migration)
{
    const std::string id = migration.empty() ? NewRecordId() : migration;
    return Write(records, error, progress, &id);
}

template <class Raw>
bool ActStore::Write(const std::vector<Raw>& records, std::string& error, const Progress& progress,
                     const std::string* migration)
{
    // A large submission's pages stay in memory until the commit instead of being spilled to
    // the file, and written again, whenever the default cache of 2 MB fills.
    if (!Execute("PRAGMA cache_size = -65536", error))
        return false;
    if (!Execute("BEGIN IMMEDIATE", error)) {
        if (error.find("database is locked") != std::string::npos)
            error = kInUse;
        return false;
    }
    // The journal keeps each row as written: the statements answer with it.
    Statement insert(mDb, InsertSql<Raw>() + ReturningSql<Raw>());
    Statement update(mDb, UpdateSql<Raw>() + ReturningSql<Raw>());
    Statement select(mDb, SelectSql<Raw>());
    Statement submission(mDb, "INSERT INTO submissions (Migration, Time, Kind) VALUES (?1, ?2, ?3)");
    Statement journal(mDb, "INSERT INTO journal (Submission, RecordId, Operation, Before, After) VALUES (?1, ?2, ?3, ?4, ?5)");
    if (!insert || !update || !select || !submission || !journal) {
        error = LastError();
        Execute("ROLLBACK", error);
        return false;
    }
    sqlite3_int64 seq = 0;
    if (migration != nullptr) {
        sqlite3_bind_text(submission.get(), 1, migration->c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_double(submission.get(), 2, model::CxDateTime().VariantTime());
        sqlite3_bind_text(submission.get(), 3, StoreKind<Raw>::Table, -1, SQLITE_STATIC);
        if (sqlite3_step(submission.get()) != SQLITE_DONE) {
            error = LastError();
            Execute("ROLLBACK", error);
            return false;
        }
        seq = sqlite3_last_insert_rowid(mDb);
    }
    std::size_t addedCount = 0, updatedCount = 0, done = 0;
    for (const Raw& record : records) {
        ++done;
        if (record.State != 2)
            continue;
        bool applied = false;
        std::optional<std::string> before, after;
        std::string recordId;
        if (record.Operation == 1) {
            Raw added = record;
            added.RecordId = NewRecordId();
            CompleteNew(added);
            recordId = added.RecordId.view();
            applied = Step(mDb, insert, added, error, &after);
        } else if (record.Operation == 2) {
            recordId = record.RecordId.view();
            before = ImageOf(select.get(), recordId);
            applied = before && Step(mDb, update, record, error, &after);
            if (!before) {
                error = std::string("There is no record with the ID \"") + record.RecordId.c_str() + "\" among the " +
                        StoreKind<Raw>::Noun + ".";
            }
        } else {
            error = "Record " + std::to_string(done) + " asks for the unknown operation " + std::to_string(record.Operation) + ".";
        }
        if (applied && migration != nullptr) {
            sqlite3_reset(journal.get());
            sqlite3_bind_int64(journal.get(), 1, seq);
            // The texts outlive the step: none is copied.
            sqlite3_bind_text(journal.get(), 2, recordId.data(), static_cast<int>(recordId.size()), SQLITE_STATIC);
            sqlite3_bind_int(journal.get(), 3, record.Operation);
            if (before)
                sqlite3_bind_blob(journal.get(), 4, before->data(), static_cast<int>(before->size()), SQLITE_STATIC);
            else
                sqlite3_bind_null(journal.get(), 4);
            sqlite3_bind_blob(journal.get(), 5, after ? after->data() : "", after ? static_cast<int>(after->size()) : 0,
                              SQLITE_STATIC);
            applied = after && sqlite3_step(journal.get()) == SQLITE_DONE;
            if (!applied)
                error = LastError();
            (record.Operation == 1 ? addedCount : updatedCount) += applied ? 1 : 0;
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
    if (migration == nullptr)
        return Execute("COMMIT", error);
    return Execute("UPDATE submissions SET Added = " + std::to_string(addedCount) + ", Updated = " + std::to_string(updatedCount) +
                       " WHERE Seq = " + std::to_string(seq) + "; " + DropOldMigrationsSql(KeptMigrations()) + "; COMMIT",
                   error);
}

template <class Raw>
bool ActStore::Undo(const std::string& migration, UndoResult& result, std::string& error, const Progress& progress)
{
    result = UndoResult{};
    if (!Execute("BEGIN IMMEDIATE", error)) {
        if (error.find("database is locked") != std::string::npos)
            error = kInUse;
        return false;
    }
    Statement submissions(mDb, "SELECT Seq FROM submissions WHERE Migration = ?1 AND Kind = ?2 AND Undone = 0 ORDER BY Seq DESC");
    Statement entries(mDb, "SELECT RecordId, Operation, Before, After FROM journal WHERE Submission = ?1 ORDER BY rowid DESC");
    Statement select(mDb, SelectSql<Raw>());
    Statement remove(mDb, std::string("DELETE FROM ") + StoreKind<Raw>::Table + " WHERE RecordId = ?1");
    Statement restore(mDb, UpdateSql<Raw>());
    if (!submissions || !entries || !select || !remove || !restore) {
        error = LastError();
        Execute("ROLLBACK", error);
        return false;
    }
    sqlite3_bind_text(submissions.get(), 1, migration.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(submissions.get(), 2, StoreKind<Raw>::Table, -1, SQLITE_STATIC);
    std::vector<sqlite3_int64> seqs;
    while (sqlite3_step(submissions.get()) == SQLITE_ROW)
        seqs.push_back(sqlite3_column_int64(submissions.get(), 0));
    result.NothingToUndo = seqs.empty();
    std::size_t total = 0;
    for (const sqlite3_int64 seq : seqs) {
        Statement count(mDb, "SELECT COUNT(*) FROM journal WHERE Submission = " + std::to_string(seq));
        if (count && sqlite3_step(count.get()) == SQLITE_ROW)
            total += static_cast<std::size_t>(sqlite3_column_int64(count.get(), 0));
    }
    const auto fail = [&] {
        error = "Nothing was changed: " + (error.empty() ? LastError() : error);
        sqlite3_exec(mDb, "ROLLBACK", nullptr, nullptr, nullptr);
        return false;
    };
    for (const sqlite3_int64 seq : seqs) {
        sqlite3_reset(entries.get());
        sqlite3_bind_int64(entries.get(), 1, seq);
        while (sqlite3_step(entries.get()) == SQLITE_ROW) {
            const std::string recordId(reinterpret_cast<const char*>(sqlite3_column_text(entries.get(), 0)),
                                       static_cast<std::size_t>(sqlite3_column_bytes(entries.get(), 0)));
            const int operation = sqlite3_column_int(entries.get(), 1);
            const auto blob = [&](int column) {
                const auto* bytes = static_cast<const char*>(sqlite3_column_blob(entries.get(), column));
                return std::string(bytes != nullptr ? bytes : "", static_cast<std::size_t>(sqlite3_column_bytes(entries.get(), column)));
            };
            const std::string before = blob(2), after = blob(3);
            const std::optional<std::string> now = ImageOf(select.get(), recordId);
            if (!now || *now != after) {
                ++result.Left;  // changed (or removed) since: never overwritten
                continue;
            }
            sqlite3_stmt* statement = operation == 1 ? remove.get() : restore.get();
            sqlite3_reset(statement);
            sqlite3_clear_bindings(statement);
            if (operation == 1)
                sqlite3_bind_text(statement, 1, recordId.c_str(), -1, SQLITE_TRANSIENT);
            else if (!BindImage(statement, before))
                return fail();
            if (sqlite3_step(statement) != SQLITE_DONE)
                return fail();
            ++(operation == 1 ? result.Removed : result.Restored);
            if (progress && !progress(result.Removed + result.Restored + result.Left, total)) {
                error = "Stopped on request.";
                return fail();
            }
        }
        if (!Execute("UPDATE submissions SET Undone = 1 WHERE Seq = " + std::to_string(seq), error))
            return false;
    }
    return Execute("COMMIT", error);
}

bool ActStore::Migrations(std::vector<Migration>& migrations, std::string& error) const
{
    migrations.clear();
    Statement all(mDb, "SELECT Migration, Kind, MIN(Time), SUM(Added), SUM(Updated), MIN(Undone) FROM submissions "
                       "GROUP BY Migration, Kind ORDER BY MAX(Seq) DESC");
    if (!all) {
        error = LastError();
        return false;
    }
    static constexpr const char* kKinds[] = {"contacts", "calendar", "todos", "notes"};
    while (sqlite3_step(all.get()) == SQLITE_ROW) {
        const std::string id = reinterpret_cast<const char*>(sqlite3_column_text(all.get(), 0));
        const std::string_view kind = reinterpret_cast<const char*>(sqlite3_column_text(all.get(), 1));
        auto found = std::find_if(migrations.begin(), migrations.end(), [&](const Migration& m) { return m.Id == id; });
        if (found == migrations.end())
            found = migrations.insert(migrations.end(), Migration{.Id = id, .Time = sqlite3_column_double(all.get(), 2), .Undone = true});
        found->Time = std::min(found->Time, sqlite3_column_double(all.get(), 2));
        found->Undone = found->Undone && sqlite3_column_int(all.get(), 5) != 0;
        for (std::size_t k = 0; k < 4; ++k) {
            if (kind == kKinds[k]) {
                found->Added[k] += static_cast<std::size_t>(sqlite3_column_int64(all.get(), 3));
                found->Updated[k] += static_cast<std::size_t>(sqlite3_column_int64(all.get(), 4));
            }
        }
    }
    return true;
}

template <class Raw>
bool ActStore::Insert(std::vector<Raw> records, std::string& error)
{
    for (Raw& record : records) {
        record.State = 2;
        record.Operation = 1;
    }
    return Write(records, error, {}, nullptr);
}

#define VELMORA_STORE_KIND(Raw)                                                                      \
    template bool ActStore::ReadAll<Raw>(std::vector<Raw>&, std::string&, const Progress&) const;    \
    template bool ActStore::ReadEach<Raw>(const std::function<bool(std::size_t)>&, const std::function<bool(Raw&)>&, \
                                          std::string&, const Progress&) const;                       \
    template bool ActStore::Apply<Raw>(const std::vector<Raw>&, std::string&, const Progress&, const std::string&); \
    template bool ActStore::Write<Raw>(const std::vector<Raw>&, std::string&, const Progress&, const std::string*); \
    template bool ActStore::Undo<Raw>(const std::string&, UndoResult&, std::string&, const Progress&); \
    template bool ActStore::Insert<Raw>(std::vector<Raw>, std::string&);
VELMORA_STORE_KIND(ActContactRec)
VELMORA_STORE_KIND(ActCalendarRec)
VELMORA_STORE_KIND(ActTodoRec)
VELMORA_STORE_KIND(ActNoteRec)
#undef VELMORA_STORE_KIND

}  // namespace velmora::helpers

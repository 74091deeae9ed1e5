// The stand-in ACT! database as other SQLite tools see it: private, passwords only as salted
// hashes, texts in UTF-8; and an old store upgraded when it is opened.
#include "helpers/act/ActStore.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include <sqlite3.h>
#include <sys/stat.h>

namespace velmora::testing {
namespace {

using helpers::ActContactRec;
using helpers::ActStore;

// The first column of the first row of `sql`, as stored.
std::string Raw(const std::string& pad, const std::string& sql)
{
    sqlite3* db = nullptr;
    std::string value;
    if (sqlite3_open_v2(pad.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* query = nullptr;
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &query, nullptr) == SQLITE_OK && sqlite3_step(query) == SQLITE_ROW)
            value.assign(reinterpret_cast<const char*>(sqlite3_column_blob(query, 0)),
                         static_cast<std::size_t>(sqlite3_column_bytes(query, 0)));
        sqlite3_finalize(query);
    }
    sqlite3_close(db);
    return value;
}

void Exec(const std::string& pad, const std::string& sql)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(pad.c_str(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
}

ActContactRec Novak()
{
    ActContactRec r;
    r.FirstName = "Ed";
    r.LastName = "Nov\xE1k";  // Windows-1252, as the exchange files hold it
    return r;
}

TEST(ActStore, PrivateHashedAndUtf8)
{
    TempDir dir;
    const std::string pad = dir.Path() + "Store.pad";
    std::string error;
    {
        auto store = ActStore::Create(pad, "chris", "s\xE9same", error);
        ASSERT_TRUE(store) << error;
        ASSERT_TRUE(store->Insert(std::vector{Novak()}, error)) << error;
    }
    struct stat info {};
    ASSERT_EQ(::stat(pad.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    const std::string hash = Raw(pad, "SELECT Password FROM users");
    EXPECT_EQ(hash.rfind("$argon2id$", 0), 0u) << hash;
    EXPECT_EQ(hash.find("s\xE9same"), std::string::npos);
    EXPECT_EQ(Raw(pad, "SELECT LastName FROM contacts"), "Nov\xC3\xA1k") << "UTF-8 in the store";
    // As another SQLite tool reads it.
    if (std::system("command -v sqlite3 >/dev/null 2>&1") == 0) {
        const std::string out = dir.Path() + "out.txt";
        ASSERT_EQ(std::system(("sqlite3 '" + pad + "' \"SELECT LastName FROM contacts; SELECT substr(Password, 1, 10) FROM users;\" > '" +
                               out + "'").c_str()),
                  0);
        EXPECT_EQ(ReadFile(out), "Nov\xC3\xA1k\n$argon2id$\n");
    }

    auto store = ActStore::Open(pad, error);
    ASSERT_TRUE(store) << error;
    EXPECT_TRUE(store->CheckLogin("CHRIS", "s\xE9same", error)) << error;
    EXPECT_FALSE(store->CheckLogin("chris", "sesame", error));
    std::vector<ActContactRec> contacts;
    ASSERT_TRUE(store->ReadAll(contacts, error)) << error;
    EXPECT_EQ(contacts.at(0).LastName, "Nov\xE1k") << "Windows-1252 again at the helper's boundary";
}

TEST(ActStore, AnOldStoreIsUpgradedWhenOpened)
{
    TempDir dir;
    const std::string pad = dir.Path() + "Old.pad";
    std::string error;
    ASSERT_TRUE(ActStore::Create(pad, "chris", "secret", error)) << error;
    // What the first layout kept: plain passwords, Windows-1252 texts, no schema version.
    Exec(pad, "UPDATE users SET Password = 'secret'; PRAGMA user_version = 0; "
              "INSERT INTO contacts (RecordId, FirstName, LastName) VALUES ('A', 'Ed', CAST(x'4E6F76E16B' AS TEXT))");
    {
        auto store = ActStore::Open(pad, error);
        ASSERT_TRUE(store) << error;
        EXPECT_TRUE(store->CheckLogin("chris", "secret", error)) << error;
        std::vector<ActContactRec> contacts;
        ASSERT_TRUE(store->ReadAll(contacts, error)) << error;
        EXPECT_EQ(contacts.at(0).LastName, "Nov\xE1k");
    }
    EXPECT_EQ(Raw(pad, "SELECT LastName FROM contacts"), "Nov\xC3\xA1k");
    EXPECT_EQ(Raw(pad, "SELECT Password FROM users").rfind("$argon2id$", 0), 0u);
    // A store of the layout before the journal gets its tables.
    Exec(pad, "DROP TABLE journal; DROP TABLE submissions; DROP TABLE store_settings; PRAGMA user_version = 1");
    ASSERT_TRUE(ActStore::Open(pad, error)) << error;
    EXPECT_EQ(Raw(pad, "SELECT COUNT(*) FROM submissions"), "0");
    EXPECT_EQ(Raw(pad, "PRAGMA user_version"), "2");
    Exec(pad, "PRAGMA user_version = 7");
    EXPECT_FALSE(ActStore::Open(pad, error));
    EXPECT_EQ(error, "The ACT! database " + pad + " was written by a newer program.");
}

}  // namespace
}  // namespace velmora::testing

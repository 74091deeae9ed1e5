#pragma once

#include "PmDbValue.h"

#include "platform/UiHost.h"

#include <array>
#include <chrono>
#include <string>
#include <vector>

namespace velmora::palm {

// Data types of the databases: 1 contacts, 2 calendar, 3 to-do list, 4 memos.
constexpr int kDbContacts = 1;
constexpr int kDbCalendar = 2;
constexpr int kDbTodo = 3;
constexpr int kDbMemo = 4;

// Runs SELECT statements on a Palm Desktop 6 database and hands out the rows one by one.
class PmDataAccessor {
public:
    virtual ~PmDataAccessor() = default;
    virtual void OpenDatabase(int dataType, const std::string& path) = 0;
    virtual bool ExecSql(const std::string& statement, bool open) = 0;
    // "SELECT [column], ... FROM table " is run and its first row fetched; false when it gives
    // no row.
    virtual bool SelectFirst(const std::string& table, const std::vector<std::string>& columns, PmDbRow& values) = 0;
    // The next row of `statement`, which must be the last one selected.
    virtual bool SelectNext(const std::string& statement, PmDbRow& values) = 0;
    virtual const std::string& Statement() const = 0;
};

// The data module: one connection and one query per data type, shared by every reader of that
// type, so only one database per type is open at a time. A query's rows are read at once by the
// database reader program (PalmMdbRead, beside this program), which a damaged file can crash or
// hang without harm: that ends as a query error.
class TdmMain {
public:
    struct Connection {
        std::string ConnectionString;
        std::string Path;
        bool Open = false;
        std::string Sql;
        std::vector<PmDbRow> Rows;  // the open query's result
        std::size_t Cursor = 0;
        bool QueryOpen = false;
    };

    // Null for a data type outside 1-4.
    Connection* ConnectionOf(int dataType);
    // The reader program and how long one query may take.
    std::string ReaderProgram = "PalmMdbRead";
    std::chrono::milliseconds QueryTimeout{60'000};
    platform::UiHost* Ui = nullptr;

private:
    std::array<Connection, 4> mConnections;
};

// The process's data module.
TdmMain& DataModule();

// PmDataAccessor over the data module and libmdb (through the reader program).
class PmMDBAccessor final : public PmDataAccessor {
public:
    PmMDBAccessor(int dataType, const std::string& path);

    void OpenDatabase(int dataType, const std::string& path) override;
    bool ExecSql(const std::string& statement, bool open) override;
    bool SelectFirst(const std::string& table, const std::vector<std::string>& columns, PmDbRow& values) override;
    bool SelectNext(const std::string& statement, PmDbRow& values) override;
    const std::string& Statement() const override { return mStatement; }

private:
    bool Fetch(PmDbRow& values);

    int mDataType;
    std::string mPath;
    std::string mStatement;
};

}  // namespace velmora::palm

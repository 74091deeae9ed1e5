#include "PmMDBAccessor.h"

#include "diagnostics/CxDebugUtil.h"
#include "platform/CapturedRun.h"
#include "platform/Folders.h"

#include <filesystem>

namespace velmora::palm {
namespace {

using diagnostics::CxDebugUtil;

constexpr const char* kUnit = "PalmCommEx2";
constexpr std::size_t kMaxStatement = 4095;

// The table and the bracketed column names of "SELECT [a], [b] FROM table ", the only statement
// the readers make; false for anything else.
bool ParseSelect(const std::string& statement, std::string& table, std::vector<std::string>& columns)
{
    constexpr std::string_view kSelect = "SELECT ";
    constexpr std::string_view kFrom = " FROM ";
    if (statement.rfind(kSelect, 0) != 0)
        return false;
    std::size_t pos = kSelect.size();
    columns.clear();
    for (;;) {
        if (pos >= statement.size() || statement[pos] != '[')
            return false;
        const auto close = statement.find(']', pos);
        if (close == std::string::npos)
            return false;
        columns.push_back(statement.substr(pos + 1, close - pos - 1));
        pos = close + 1;
        if (statement.compare(pos, 2, ", ") != 0)
            break;
        pos += 2;
    }
    if (statement.compare(pos, kFrom.size(), kFrom) != 0)
        return false;
    table = statement.substr(pos + kFrom.size());
    while (!table.empty() && table.back() == ' ')
        table.pop_back();
    return !table.empty();
}

}  // namespace

TdmMain::Connection* TdmMain::ConnectionOf(int dataType)
{
    return dataType >= 1 && dataType <= 4 ? &mConnections[static_cast<std::size_t>(dataType - 1)] : nullptr;
}

TdmMain& DataModule()
{
    static TdmMain module;
    return module;
}

PmMDBAccessor::PmMDBAccessor(int dataType, const std::string& path) : mDataType(dataType), mPath(path)
{
    OpenDatabase(dataType, path);
}

void PmMDBAccessor::OpenDatabase(int dataType, const std::string& path)
{
    mDataType = dataType;
    mPath = path;
    VL_LOG(CxDebugUtil::kInfo, kUnit, "Set database file to be opened: %s", path.c_str());
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        VL_LOG(CxDebugUtil::kError, kUnit, "The file doesn't exist. Abort.");
        return;
    }
    TdmMain::Connection* connection = DataModule().ConnectionOf(dataType);
    if (connection == nullptr) {
        VL_LOG(CxDebugUtil::kError, kUnit, "There is no valid database connection to open this file.");
        return;
    }
    if (connection->Open) {
        VL_LOG(CxDebugUtil::kInfo, kUnit, "The connection is already opened, close it now.");
        *connection = TdmMain::Connection{};
    }
    connection->ConnectionString = "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=\"" + path + "\"";
    VL_LOG(CxDebugUtil::kInfo, kUnit, "Connection String: %s", connection->ConnectionString.c_str());
    connection->Path = path;
    connection->Open = true;
}

bool PmMDBAccessor::ExecSql(const std::string& statement, bool open)
{
    VL_LOG(CxDebugUtil::kInfo, kUnit, "Execute SQL Query: %s", statement.c_str());
    TdmMain& module = DataModule();
    TdmMain::Connection* connection = module.ConnectionOf(mDataType);
    if (connection == nullptr || !connection->Open) {
        VL_LOG(CxDebugUtil::kError, kUnit, "Database Query Error, Query String=%s", statement.c_str());
        return false;
    }
    connection->QueryOpen = false;
    connection->Rows.clear();
    connection->Cursor = 0;
    connection->Sql = statement;
    std::string table;
    std::vector<std::string> columns;
    if (!open || !ParseSelect(statement, table, columns)) {
        VL_LOG(CxDebugUtil::kError, kUnit, "Database Query Error, Query String=%s, Error=%s", statement.c_str(),
               "only column selections can be run on a Palm Desktop database");
        return false;
    }
    std::vector<std::string> arguments{connection->Path, table};
    arguments.insert(arguments.end(), columns.begin(), columns.end());
    const platform::CapturedRun run = platform::RunCaptured(platform::HelperFolder() + module.ReaderProgram,
                                                            arguments, module.QueryTimeout, module.Ui);
    std::string error = platform::FailureOf(run, "the database reader");
    const bool read = error.empty() && DecodeRows(run.Output, connection->Rows, error);
    if (!read) {
        VL_LOG(CxDebugUtil::kError, kUnit, "Database Query Error, Query String=%s, Error=%s", statement.c_str(),
               error.c_str());
        return false;
    }
    connection->QueryOpen = true;
    VL_LOG(CxDebugUtil::kInfo, kUnit, "Query executed successfully.");
    return true;
}

bool PmMDBAccessor::SelectFirst(const std::string& table, const std::vector<std::string>& columns, PmDbRow& values)
{
    std::string statement = "SELECT ";
    for (std::size_t i = 0; i < columns.size(); ++i)
        statement += (i == 0 ? "[" : ", [") + columns[i] + "]";
    statement += " FROM " + table + " ";
    mStatement = statement.substr(0, kMaxStatement);
    return ExecSql(mStatement, true) && Fetch(values);
}

bool PmMDBAccessor::SelectNext(const std::string& statement, PmDbRow& values)
{
    if (statement.empty()) {
        VL_LOG(CxDebugUtil::kError, kUnit, "Invalid query string found.");
        return false;
    }
    if (statement != mStatement) {
        VL_LOG(CxDebugUtil::kError, kUnit, "This query is not same with former query. Ignore this query.");
        return false;
    }
    TdmMain::Connection* connection = DataModule().ConnectionOf(mDataType);
    if (connection == nullptr || !connection->QueryOpen)
        return false;
    ++connection->Cursor;
    if (Fetch(values))
        return true;
    connection->Rows = {};  // past the end: the rows are no longer needed
    return false;
}

bool PmMDBAccessor::Fetch(PmDbRow& values)
{
    values.clear();
    TdmMain::Connection* connection = DataModule().ConnectionOf(mDataType);
    if (connection == nullptr || !connection->QueryOpen || connection->Sql != mStatement ||
        connection->Cursor >= connection->Rows.size())
        return false;
    values = connection->Rows[connection->Cursor];
    return true;
}

}  // namespace velmora::palm

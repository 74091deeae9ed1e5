#include "MdbTable.h"

// mdbtools.h includes glib.h inside its own extern "C" block, which C++ does not take.
#include <glib.h>
#include <mdbtools.h>

#include <cstdlib>
#include <memory>

namespace velmora::helpers {
namespace {

struct HandleCloser {
    void operator()(MdbHandle* mdb) const { mdb_close(mdb); }
};
struct TableFreer {
    void operator()(MdbTableDef* table) const { mdb_free_tabledef(table); }
};

palm::PmDbValue ValueOf(int type, const char* bound, int length)
{
    palm::PmDbValue value;
    switch (type) {
    case MDB_BOOL:
        value.ValueKind = palm::PmDbValue::Kind::Boolean;
        value.Integer = length > 0 && bound[0] == '1' ? 1 : 0;
        break;
    case MDB_BYTE:
    case MDB_INT:
    case MDB_LONGINT:
        if (length > 0) {
            value.ValueKind = palm::PmDbValue::Kind::Integer;
            value.Integer = static_cast<std::int32_t>(std::strtol(bound, nullptr, 10));
        }
        break;
    case MDB_TEXT:
    case MDB_MEMO:
        value.ValueKind = palm::PmDbValue::Kind::Text;
        value.Text.assign(bound, static_cast<std::size_t>(length > 0 ? length : 0));
        break;
    default: break;
    }
    return value;
}

}  // namespace

bool ReadMdbTable(const std::string& path, const std::string& table, const std::vector<std::string>& columns,
                  std::vector<palm::PmDbRow>& rows, std::string& error)
{
    rows.clear();
    std::unique_ptr<MdbHandle, HandleCloser> mdb(mdb_open(path.c_str(), MDB_NOFLAGS));
    if (!mdb) {
        error = "The file is not an Access database.";
        return false;
    }
    mdb_set_bind_size(mdb.get(), kMaxText);
    std::string name = table;
    std::unique_ptr<MdbTableDef, TableFreer> def(mdb_read_table_by_name(mdb.get(), name.data(), MDB_TABLE));
    if (!def || !mdb_read_columns(def.get())) {
        error = "There is no table " + table + ".";
        return false;
    }
    mdb_rewind_table(def.get());
    // One buffer per column, of the bind size and a terminator.
    std::vector<std::unique_ptr<char[]>> buffers;
    std::vector<int> lengths(columns.size(), 0);
    std::vector<int> types;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        buffers.emplace_back(new char[kMaxText + 1]);  // filled by libmdb; no need to clear
        std::string column = columns[i];
        const int number = mdb_bind_column_by_name(def.get(), column.data(), buffers[i].get(), &lengths[i]);
        if (number < 1 || static_cast<unsigned>(number) > def->num_cols) {
            error = "There is no column " + columns[i] + " in the table " + table + ".";
            return false;
        }
        types.push_back(static_cast<MdbColumn*>(g_ptr_array_index(def->columns, static_cast<guint>(number - 1)))->col_type);
    }
    while (mdb_fetch_row(def.get())) {
        palm::PmDbRow row;
        for (std::size_t i = 0; i < columns.size(); ++i) {
            const int length = lengths[i] < 0 ? 0 : (lengths[i] > static_cast<int>(kMaxText) ? static_cast<int>(kMaxText) : lengths[i]);
            row.push_back(ValueOf(types[i], buffers[i].get(), length));
        }
        rows.push_back(std::move(row));
    }
    return true;
}

}  // namespace velmora::helpers

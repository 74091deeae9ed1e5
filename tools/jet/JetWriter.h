#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::tools {

// Writes Microsoft Access (Jet 4) database files with tables of plain columns and their rows,
// enough for Palm Desktop 6 shaped fixtures: no indexes, no relations, no system tables but the
// catalog. Layout, all integers little-endian, pages of 4096 bytes:
//
//   page 0   the database header: "Standard Jet DB", version 1 (Jet 4) at 0x14, and the bytes
//            0x18-0x97 masked with RC4 under the key C7 DA 39 6B (code page 1252 at 0x3C,
//            database key 0 at 0x3E, so no page is encrypted)
//   page 1   the usage and free-space maps of every table, one row each
//   page 2   the catalog MSysObjects (Id, Name, Type, Flags, LvProp): one row per user table
//   then     each table's definition pages (type 0x02; a 63-byte header with the row count and
//            the map rows, 25-byte column entries, UTF-16LE column names; continued on further
//            pages from offset 8), its data pages (type 0x01, owner page at 4, row count at 12,
//            row offsets from 14, rows from the end of the page down) and long-value pages
//            ("LVAL" at 4) for memos too long to stay in their row
//
// A row is: column count (16 bits), the fixed columns, the variable ones, their offsets in
// reverse order ending with the start of the variable area, the variable column count, and the
// null bitmap (bit set: a value; for a boolean: true). Texts are stored "compressed" (FF FE, then
// one byte per character) when every character is in Latin-1, else as UTF-16LE.
class JetDatabase {
public:
    enum class Type : std::uint8_t { Boolean = 0x01, Byte = 0x02, Integer = 0x03, LongInteger = 0x04,
                                     DateTime = 0x08, Text = 0x0A, Memo = 0x0C };

    struct Column {
        std::string Name;
        Type ColumnType;
        std::uint16_t TextLength = 255;  // characters, for Text
    };

    // One value: null, a number (integers, booleans), a date (an automation date) or a text
    // (UTF-8).
    struct Value {
        enum class Kind { Null, Number, Date, Text } ValueKind = Kind::Null;
        std::int64_t Number = 0;
        double Date = 0;
        std::string Text;

        static Value Null() { return {}; }
        static Value Of(std::int64_t number) { return {Kind::Number, number, 0, {}}; }
        static Value OfDate(double date) { return {Kind::Date, 0, date, {}}; }
        static Value Of(std::string_view text) { return {Kind::Text, 0, 0, std::string(text)}; }
        static Value Of(const char* text) { return Of(std::string_view(text)); }
    };

    // Returns the table's number for AddRow.
    std::size_t AddTable(std::string name, std::vector<Column> columns);
    // One value per column, in column order.
    void AddRow(std::size_t table, std::vector<Value> row);

    std::string Build() const;
    bool Save(const std::string& path) const;

private:
    struct Table {
        std::string Name;
        std::vector<Column> Columns;
        std::vector<std::vector<Value>> Rows;
    };
    std::vector<Table> mTables;
};

}  // namespace velmora::tools

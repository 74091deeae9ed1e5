#include "JetWriter.h"

#include "SaveFile.h"

#include <array>
#include <cstring>
#include <stdexcept>

namespace velmora::tools {
namespace {

constexpr std::size_t kPageSize = 4096;
constexpr std::size_t kTableHeader = 63;
constexpr std::size_t kColumnEntry = 25;
constexpr std::size_t kDataHeader = 14;        // page type .. row count
constexpr std::size_t kInlineMemoMax = 1024;   // longer memos go to long-value pages
constexpr std::size_t kLongValueChunk = kPageSize - kDataHeader - 2 - 4;

using Bytes = std::string;
using Type = JetDatabase::Type;

void Put16(Bytes& b, std::size_t at, std::uint32_t v)
{
    b[at] = static_cast<char>(v & 0xFF);
    b[at + 1] = static_cast<char>((v >> 8) & 0xFF);
}

void Put32(Bytes& b, std::size_t at, std::uint32_t v)
{
    Put16(b, at, v & 0xFFFF);
    Put16(b, at + 2, v >> 16);
}

void Append16(Bytes& b, std::uint32_t v)
{
    b.append(2, '\0');
    Put16(b, b.size() - 2, v);
}

// UTF-16 code units of a UTF-8 text; bytes that are no valid UTF-8 are taken as Latin-1.
std::u16string Utf16(std::string_view utf8)
{
    std::u16string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
        std::uint32_t code = c;
        bool valid = length != 0 && i + length <= utf8.size();
        if (valid && length > 1) {
            code = c & (0xFF >> (length + 1));
            for (std::size_t k = 1; k < length; ++k) {
                const auto next = static_cast<unsigned char>(utf8[i + k]);
                valid = valid && (next & 0xC0) == 0x80;
                code = code << 6 | (next & 0x3F);
            }
        }
        if (!valid) {
            out.push_back(c);
            ++i;
            continue;
        }
        if (code >= 0x10000) {
            code -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(code));
        }
        i += length;
    }
    return out;
}

// A text as Jet 4 stores it: FF FE and one byte per character when all are Latin-1 (and none
// is NUL, which switches the compression), else UTF-16LE.
Bytes EncodeText(std::string_view utf8)
{
    const std::u16string text = Utf16(utf8);
    bool compressible = true;
    for (const char16_t c : text)
        compressible = compressible && c != 0 && c < 0x100;
    Bytes out;
    if (compressible) {
        out = "\xFF\xFE";
        for (const char16_t c : text)
            out += static_cast<char>(c);
    } else {
        for (const char16_t c : text)
            Append16(out, c);
    }
    return text.empty() ? Bytes() : out;
}

std::size_t FixedSize(Type type)
{
    switch (type) {
    case Type::Byte: return 1;
    case Type::Integer: return 2;
    case Type::LongInteger: return 4;
    case Type::DateTime: return 8;
    default: return 0;
    }
}

bool IsVariable(Type type)
{
    return type == Type::Text || type == Type::Memo;
}

// RC4, which masks the database header.
void Rc4(unsigned char* data, std::size_t length, const std::array<unsigned char, 4>& key)
{
    std::array<unsigned char, 256> s{};
    for (std::size_t i = 0; i < 256; ++i)
        s[i] = static_cast<unsigned char>(i);
    for (std::size_t i = 0, j = 0; i < 256; ++i) {
        j = (j + s[i] + key[i % key.size()]) & 0xFF;
        std::swap(s[i], s[j]);
    }
    for (std::size_t n = 0, i = 0, j = 0; n < length; ++n) {
        i = (i + 1) & 0xFF;
        j = (j + s[i]) & 0xFF;
        std::swap(s[i], s[j]);
        data[n] ^= s[(s[i] + s[j]) & 0xFF];
    }
}

// The pages of the file, made one after the other.
class PageFile {
public:
    std::uint32_t Add(Bytes page)
    {
        page.resize(kPageSize, '\0');
        mPages.push_back(std::move(page));
        return static_cast<std::uint32_t>(mPages.size() - 1);
    }
    Bytes& At(std::uint32_t page) { return mPages[page]; }
    std::uint32_t Count() const { return static_cast<std::uint32_t>(mPages.size()); }
    Bytes Join() const
    {
        Bytes all;
        for (const Bytes& page : mPages)
            all += page;
        return all;
    }

private:
    std::vector<Bytes> mPages;
};

// A page that holds rows: data pages of a table, long-value pages, the map page.
class RowPage {
public:
    explicit RowPage(std::uint32_t owner, bool longValues = false)
    {
        mPage.assign(kPageSize, '\0');
        mPage[0] = 0x01;
        mPage[1] = 0x01;
        if (longValues)
            mPage.replace(4, 4, "LVAL");
        else
            Put32(mPage, 4, owner);
    }
    bool Fits(std::size_t size) const { return kDataHeader + 2 * (mRows + 1) + mUsed + size <= kPageSize; }
    // Returns the row's number on the page.
    std::uint32_t AddRow(const Bytes& row)
    {
        mUsed += row.size();
        const std::size_t start = kPageSize - mUsed;
        mPage.replace(start, row.size(), row);
        Put16(mPage, kDataHeader + 2 * mRows, static_cast<std::uint32_t>(start));
        ++mRows;
        Put16(mPage, 12, mRows);
        Put16(mPage, 2, static_cast<std::uint32_t>(kPageSize - kDataHeader - 2 * mRows - mUsed));
        return mRows - 1;
    }
    bool Empty() const { return mRows == 0; }
    const Bytes& Page() const { return mPage; }

private:
    Bytes mPage;
    std::uint32_t mRows = 0;
    std::size_t mUsed = 0;
};

std::uint32_t RowPointer(std::uint32_t page, std::uint32_t row)
{
    return page << 8 | row;
}

}  // namespace

std::size_t JetDatabase::AddTable(std::string name, std::vector<Column> columns)
{
    mTables.push_back({std::move(name), std::move(columns), {}});
    return mTables.size() - 1;
}

void JetDatabase::AddRow(std::size_t table, std::vector<Value> row)
{
    if (table >= mTables.size() || row.size() != mTables[table].Columns.size())
        throw std::invalid_argument("a row needs one value per column");
    mTables[table].Rows.push_back(std::move(row));
}

namespace {

struct Layout {
    std::vector<std::size_t> fixedOffset;  // per column
    std::vector<std::size_t> varNumber;    // per column
    std::size_t fixedSize = 0;
    std::size_t varCount = 0;
};

Layout LayoutOf(const std::vector<JetDatabase::Column>& columns)
{
    Layout layout;
    for (const auto& column : columns) {
        layout.fixedOffset.push_back(layout.fixedSize);
        layout.varNumber.push_back(IsVariable(column.ColumnType) ? layout.varCount : 0);
        layout.fixedSize += FixedSize(column.ColumnType);
        layout.varCount += IsVariable(column.ColumnType) ? 1u : 0u;
    }
    return layout;
}

// The definition stream of a table (before it is cut into pages).
Bytes Definition(const std::vector<JetDatabase::Column>& columns, std::size_t rows, std::uint32_t usageMap,
                 std::uint32_t freeMap, bool system)
{
    const Layout layout = LayoutOf(columns);
    Bytes d(kTableHeader, '\0');
    d[0] = 0x02;
    d[1] = 0x01;
    Put32(d, 16, static_cast<std::uint32_t>(rows));
    d[40] = system ? 0x53 : 0x4E;
    Put16(d, 41, static_cast<std::uint32_t>(columns.size()));
    Put16(d, 43, static_cast<std::uint32_t>(layout.varCount));
    Put16(d, 45, static_cast<std::uint32_t>(columns.size()));
    Put32(d, 55, usageMap);
    Put32(d, 59, freeMap);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const auto& column = columns[i];
        Bytes entry(kColumnEntry, '\0');
        entry[0] = static_cast<char>(column.ColumnType);
        Put16(entry, 5, static_cast<std::uint32_t>(i));
        Put16(entry, 7, static_cast<std::uint32_t>(layout.varNumber[i]));
        Put16(entry, 9, static_cast<std::uint32_t>(i));
        if (column.ColumnType == Type::Text || column.ColumnType == Type::Memo)
            Put16(entry, 11, 0x04E4);  // code page 1252 for sorting
        entry[15] = static_cast<char>(IsVariable(column.ColumnType) ? 0x02 : 0x03);
        entry[16] = static_cast<char>(column.ColumnType == Type::Text || column.ColumnType == Type::Memo ? 0x01 : 0x00);
        Put16(entry, 21, static_cast<std::uint32_t>(layout.fixedOffset[i]));
        const std::size_t size = column.ColumnType == Type::Text ? std::size_t{2} * column.TextLength : FixedSize(column.ColumnType);
        Put16(entry, 23, static_cast<std::uint32_t>(size));
        d += entry;
    }
    for (const auto& column : columns) {
        const std::u16string name = Utf16(column.Name);
        Append16(d, static_cast<std::uint32_t>(name.size() * 2));
        for (const char16_t c : name)
            Append16(d, c);
    }
    Put32(d, 8, static_cast<std::uint32_t>(d.size()));
    return d;
}

// Cuts a definition stream into its pages: the first holds 4096 bytes of it, every further
// page an 8-byte header and the next 4088.
std::vector<Bytes> DefinitionPages(const Bytes& definition)
{
    std::vector<Bytes> pages;
    std::size_t done = 0;
    while (done < definition.size()) {
        Bytes page;
        if (pages.empty()) {
            page = definition.substr(0, kPageSize);
        } else {
            page.assign(8, '\0');
            page[0] = 0x02;
            page[1] = 0x01;
            page += definition.substr(done, kPageSize - 8);
        }
        done += page.size() - (pages.empty() ? 0 : 8);
        page.resize(kPageSize, '\0');
        pages.push_back(page);
    }
    return pages;
}

}  // namespace

std::string JetDatabase::Build() const
{
    static const std::vector<Column> kCatalog = {
        {"Id", Type::LongInteger}, {"Name", Type::Text}, {"Type", Type::Integer},
        {"Flags", Type::LongInteger}, {"LvProp", Type::Memo},
    };
    PageFile file;
    file.Add({});  // header, below
    file.Add({});  // maps, below
    // Definition pages: the catalog's on page 2, then each table's.
    std::vector<std::vector<Column>> columns{kCatalog};
    std::vector<std::string> names{"MSysObjects"};
    for (const Table& table : mTables) {
        columns.push_back(table.Columns);
        names.push_back(table.Name);
    }
    const std::size_t tables = columns.size();
    std::vector<std::uint32_t> firstDefinitionPage(tables);
    std::vector<std::size_t> definitionPages(tables);
    for (std::size_t t = 0; t < tables; ++t) {
        // The counts and map rows are filled in once the data pages are known.
        const auto pages = DefinitionPages(Definition(columns[t], 0, 0, 0, t == 0));
        firstDefinitionPage[t] = file.Count();
        definitionPages[t] = pages.size();
        for (std::size_t p = 0; p < pages.size(); ++p)
            file.Add({});
    }
    std::vector<std::vector<Value>> catalogRows;
    for (std::size_t t = 1; t < tables; ++t)
        catalogRows.push_back({Value::Of(std::int64_t{firstDefinitionPage[t]}), Value::Of(names[t]),
                               Value::Of(std::int64_t{1}), Value::Of(std::int64_t{0}), Value::Null()});

    RowPage maps(0);
    for (std::size_t t = 0; t < tables; ++t) {
        const auto& rows = t == 0 ? catalogRows : mTables[t - 1].Rows;
        const Layout layout = LayoutOf(columns[t]);
        const std::uint32_t owner = firstDefinitionPage[t];
        std::vector<std::uint32_t> dataPages;
        RowPage page(owner);
        const auto flush = [&] {
            if (!page.Empty())
                dataPages.push_back(file.Add(page.Page()));
            page = RowPage(owner);
        };
        for (const auto& values : rows) {
            // The row: count, fixed area, variable area, offsets, variable count, null bitmap.
            const std::size_t count = values.size();
            Bytes row;
            Append16(row, static_cast<std::uint32_t>(count));
            row.append(layout.fixedSize, '\0');
            Bytes nulls((count + 7) / 8, '\0');
            std::vector<std::uint32_t> offsets;
            for (std::size_t c = 0; c < count; ++c) {
                const Value& v = values[c];
                const Type type = columns[t][c].ColumnType;
                const bool present = v.ValueKind != Value::Kind::Null &&
                                     (type != Type::Boolean || v.Number != 0);
                if (present)
                    nulls[c / 8] = static_cast<char>(nulls[c / 8] | (1 << (c % 8)));
                if (IsVariable(type)) {
                    offsets.push_back(static_cast<std::uint32_t>(row.size()));
                    if (v.ValueKind == Value::Kind::Null)
                        continue;
                    Bytes data = EncodeText(v.Text);
                    if (type == Type::Memo) {
                        Bytes memo(12, '\0');
                        if (data.size() <= kInlineMemoMax) {
                            Put32(memo, 0, static_cast<std::uint32_t>(data.size()) | 0x80000000u);
                            memo += data;
                        } else {
                            // A chain of long-value rows, each on its own page: the pointer
                            // to the next row, then the next piece.
                            Put32(memo, 0, static_cast<std::uint32_t>(data.size()));
                            std::uint32_t next = 0;
                            for (std::size_t end = data.size(); end > 0;) {
                                const std::size_t begin = end > kLongValueChunk ? ((end - 1) / kLongValueChunk) * kLongValueChunk : 0;
                                Bytes piece(4, '\0');
                                Put32(piece, 0, next);
                                piece += data.substr(begin, end - begin);
                                RowPage longValues(0, true);
                                longValues.AddRow(piece);
                                next = RowPointer(file.Add(longValues.Page()), 0);
                                end = begin;
                            }
                            Put32(memo, 4, next);
                        }
                        data = memo;
                    }
                    row += data;
                } else {
                    std::int64_t number = v.Number;
                    Bytes fixed(FixedSize(type), '\0');
                    if (type == Type::DateTime) {
                        std::uint64_t bits = 0;
                        std::memcpy(&bits, &v.Date, sizeof bits);
                        for (std::size_t k = 0; k < 8; ++k)
                            fixed[k] = static_cast<char>((bits >> (8 * k)) & 0xFF);
                    } else {
                        for (std::size_t k = 0; k < fixed.size(); ++k)
                            fixed[k] = static_cast<char>((static_cast<std::uint64_t>(number) >> (8 * k)) & 0xFF);
                    }
                    row.replace(2 + layout.fixedOffset[c], fixed.size(), fixed);
                }
            }
            if (layout.varCount > 0) {
                // Where each variable column starts, and where the last one ends.
                offsets.push_back(static_cast<std::uint32_t>(row.size()));
                for (auto it = offsets.rbegin(); it != offsets.rend(); ++it)
                    Append16(row, *it);
                Append16(row, static_cast<std::uint32_t>(layout.varCount));
            }
            row += nulls;
            if (!page.Fits(row.size()))
                flush();
            if (!page.Fits(row.size()))
                throw std::length_error("a row is larger than a page");
            page.AddRow(row);
        }
        flush();
        // The usage map lists the data pages from the first one on.
        const std::uint32_t first = dataPages.empty() ? 0 : dataPages.front();
        Bytes usage(5, '\0');
        Put32(usage, 1, first);
        if (!dataPages.empty())
            usage.append((dataPages.back() - first) / 8 + 1, '\0');
        for (const std::uint32_t p : dataPages)
            usage[5 + (p - first) / 8] = static_cast<char>(usage[5 + (p - first) / 8] | (1 << ((p - first) % 8)));
        Bytes freeMap(5, '\0');
        Put32(freeMap, 1, first);
        freeMap.append(1, '\0');
        if (!maps.Fits(usage.size() + freeMap.size()))
            throw std::length_error("too many tables for one map page");
        const std::uint32_t usageRow = RowPointer(1, maps.AddRow(usage));
        const std::uint32_t freeRow = RowPointer(1, maps.AddRow(freeMap));
        const auto pages = DefinitionPages(Definition(columns[t], rows.size(), usageRow, freeRow, t == 0));
        for (std::size_t p = 0; p < pages.size(); ++p) {
            Bytes definition = pages[p];
            const bool last = p + 1 == pages.size();
            Put32(definition, 4, last ? 0 : static_cast<std::uint32_t>(firstDefinitionPage[t] + p + 1));
            file.At(static_cast<std::uint32_t>(firstDefinitionPage[t] + p)) = definition;
        }
    }
    file.At(1) = maps.Page();

    Bytes header(kPageSize, '\0');
    header[1] = 0x01;
    header.replace(4, 16, std::string("Standard Jet DB\0", 16));
    header[0x14] = 0x01;
    Put16(header, 0x3C, 1252);   // code page
    Put32(header, 0x3E, 0);      // database key: pages are not encrypted
    Put16(header, 0x6E, 0x0409); // sort order
    Rc4(reinterpret_cast<unsigned char*>(header.data()) + 0x18, 128, {0xC7, 0xDA, 0x39, 0x6B});
    file.At(0) = header;
    return file.Join();
}

bool JetDatabase::Save(const std::string& path) const
{
    return SaveFile(path, Build());
}

}  // namespace velmora::tools

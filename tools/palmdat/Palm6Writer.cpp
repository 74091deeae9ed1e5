#include "Palm6Writer.h"

#include "palm/mdb/PmDBEx2Util.h"

#include <set>

namespace velmora::tools {
namespace {

using Type = JetDatabase::Type;

Type TypeOf(const std::string& column)
{
    static const std::set<std::string> kBooleans = {
        "Private", "Untimed", "Alarm", "Completed", "Repeat On Complete Date", "Alarm Set", "Birthday AlarmSet",
        "Anniversary AlarmSet"};
    static const std::set<std::string> kIntegers = {
        "Record ID", "Status", "Placement", "Category", "Anniversary", "Birthday", "Start Time", "End Time",
        "Alarm Advance", "Alarm Unit", "Due Date", "Priority", "Complete Date", "Alarm Time", "Repeat Start Date",
        "Primary Contact", "Chat1 LabelID", "Chat2 LabelID", "Birthday AlarmAdv", "Anniversary AlarmAdv", "Avatar",
        "Addr Label1", "Addr Label2", "Addr Label3"};
    if (column == "Note")
        return Type::Memo;
    if (kBooleans.count(column) != 0)
        return Type::Boolean;
    if (kIntegers.count(column) != 0 || column.rfind("Phone Label", 0) == 0)
        return Type::LongInteger;
    return Type::Text;
}

}  // namespace

JetDatabase Palm6Database(int dataType, const std::vector<Palm6Row>& rows, const std::vector<Palm6Category>& categories)
{
    JetDatabase db;
    std::vector<JetDatabase::Column> columns;
    for (const std::string& name : palm::Ex2Columns(dataType))
        columns.push_back({name, TypeOf(name)});
    const std::size_t main = db.AddTable("Main", columns);
    for (const Palm6Row& values : rows) {
        std::vector<JetDatabase::Value> row;
        for (const auto& column : columns) {
            const auto found = values.find(column.Name);
            row.push_back(found != values.end() ? found->second : JetDatabase::Value::Null());
        }
        db.AddRow(main, row);
    }
    const std::size_t category = db.AddTable("Category", {{"ID", Type::LongInteger},
                                                          {"Name", Type::Text},
                                                          {"Status", Type::LongInteger},
                                                          {"Color", Type::LongInteger}});
    for (const Palm6Category& c : categories)
        db.AddRow(category, {JetDatabase::Value::Of(std::int64_t{c.Id}), JetDatabase::Value::Of(c.Name),
                             JetDatabase::Value::Of(std::int64_t{0}), JetDatabase::Value::Of(std::int64_t{0})});
    return db;
}

}  // namespace velmora::tools

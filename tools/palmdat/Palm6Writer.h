#pragma once

#include "jet/JetWriter.h"

#include <map>
#include <string>
#include <vector>

namespace velmora::tools {

// Palm Desktop 6 shaped databases: a "Main" table with the columns the Palm Desktop 6 readers
// select for the data type (1 contacts, 2 calendar, 3 to-do list, 4 memos), typed as Palm
// Desktop types them (record numbers, dates and codes Long Integer, flags Boolean, "Note" Memo,
// the rest Text), and a "Category" table (ID, Name, Status, Color).
struct Palm6Category {
    std::int32_t Id;
    std::string Name;
};

// Values by column name; columns not named are null.
using Palm6Row = std::map<std::string, JetDatabase::Value>;

JetDatabase Palm6Database(int dataType, const std::vector<Palm6Row>& rows,
                          const std::vector<Palm6Category>& categories);

}  // namespace velmora::tools

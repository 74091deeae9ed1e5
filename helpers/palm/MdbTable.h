#pragma once

#include "palm/mdb/PmDbValue.h"

#include <string>
#include <vector>

namespace velmora::helpers {

// Reads the named columns of every row of a table of an Access database (Jet 3 or Jet 4) with
// libmdb, in table order: 16-bit, 32-bit and byte columns as integers, texts and memos as UTF-8
// texts (null ones empty, memos up to kMaxText bytes), booleans, and everything else empty.
// False, with `error`, for a file that is no Access database, a missing table or column.
bool ReadMdbTable(const std::string& path, const std::string& table, const std::vector<std::string>& columns,
                  std::vector<palm::PmDbRow>& rows, std::string& error);

// Enough for the longest text the readers keep (40,959 characters, each up to 3 bytes in UTF-8).
constexpr std::size_t kMaxText = 256 * 1024;

}  // namespace velmora::helpers

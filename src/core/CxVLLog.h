#pragma once

#include "model/CommAddrRec.h"
#include "model/CommDateRec.h"
#include "model/CommNoteRec.h"
#include "model/CommTaskRec.h"
#include "model/CxFile.h"

#include <string>
#include <string_view>

namespace velmora::core {

// The migration log, "VLLog.txt" in the data folder: a plain-text report of one migration run,
// rewritten by every run. One block per record handed to ACT!, each field on a line of its own
// starting with a tab. Without a data folder, or when the file cannot be opened, every write
// is skipped and the migration goes on.
class CxVLLog {
public:
    // `dataFolder` ends in '/'; empty means unknown.
    explicit CxVLLog(const std::string& dataFolder);

    bool Open();
    // Opens the log to add a block after what the migration wrote (an undo).
    bool OpenToAppend();
    void Close();
    bool IsOpen() const { return mIsOpen; }
    const std::string& Path() const { return mPath; }

    // The text and CR LF.
    void WriteLine(std::string_view text);

    void LogContact(const model::CommAddrRec* record);
    void LogCalendar(const model::CommDateRec* record);
    void LogTask(const model::CommTaskRec* record);
    void LogNote(const model::CommNoteRec* record);

    // "<tabs><label>: <value>", the value "<empty>" when it is empty.
    static std::string FormatField(int indent, std::string_view label, std::string_view value);

private:
    void Field(std::string_view label, std::string_view value);

    std::string mPath;
    model::CxFile mFile;
    bool mIsOpen = false;
};

}  // namespace velmora::core

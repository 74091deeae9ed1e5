#include "CxVLLog.h"

#include "model/CxDateTime.h"

#include <algorithm>

namespace velmora::core {
namespace {

// The note's first line (up to the first CR LF, else the first LF), at most 255 characters.
std::string_view BriefNote(std::string_view text)
{
    auto end = text.find("\r\n");
    if (end == std::string_view::npos)
        end = text.find('\n');
    return text.substr(0, std::min<std::size_t>(end, 255));
}

}  // namespace

CxVLLog::CxVLLog(const std::string& dataFolder)
    : mPath(dataFolder.empty() ? std::string() : dataFolder + "VLLog.txt")
{
}

bool CxVLLog::Open()
{
    Close();
    mIsOpen = mFile.Open(mPath, "w");
    return mIsOpen;
}

bool CxVLLog::OpenToAppend()
{
    Close();
    mIsOpen = mFile.Open(mPath, "a");
    return mIsOpen;
}

void CxVLLog::Close()
{
    mIsOpen = false;
    mFile.Close();
}

void CxVLLog::WriteLine(std::string_view text)
{
    if (mIsOpen)
        mFile.WriteLine(text);
}

std::string CxVLLog::FormatField(int indent, std::string_view label, std::string_view value)
{
    std::string line(static_cast<std::size_t>(std::max(indent, 0)), '\t');
    line += label;
    line += ": ";
    line += value.empty() ? std::string_view("<empty>") : value;
    return line;
}

void CxVLLog::Field(std::string_view label, std::string_view value)
{
    WriteLine(FormatField(1, label, value));
}

void CxVLLog::LogContact(const model::CommAddrRec* record)
{
    if (record == nullptr || !mIsOpen)
        return;
    WriteLine("Migrating Contact item:");
    Field("Display Name", record->DisplayName.view());
    Field("Company", record->Company.view());
    Field("Title", record->Title.view());
    Field("Email", record->Email.view());
    Field("Primary Phone", record->PrimaryPhone.view());
    WriteLine("Contact item migrated successfully...\r\n");
}

void CxVLLog::LogCalendar(const model::CommDateRec* record)
{
    if (record == nullptr || !mIsOpen)
        return;
    const model::CxDateTime start(record->Start);
    WriteLine("Migrating Calendar item:");
    Field("Subject", record->Subject.view());
    Field("Location", record->Location.view());
    Field("Date", start.FormatDate());
    Field("Start Time", start.FormatTime());
    Field("End Time", model::CxDateTime(record->End).FormatTime());
    WriteLine("Calendar item migrated successfully...\r\n");
}

void CxVLLog::LogTask(const model::CommTaskRec* record)
{
    if (record == nullptr || !mIsOpen)
        return;
    WriteLine("Migrating Task item:");
    Field("Subject", record->Subject.view());
    WriteLine("Task item migrated successfully...\r\n");
}

void CxVLLog::LogNote(const model::CommNoteRec* record)
{
    if (record == nullptr || !mIsOpen)
        return;
    WriteLine("Migrating Note item:");
    Field("Brief Note", BriefNote(record->Text.view()));
    WriteLine("Note item migrated successfully...\r\n");
}

}  // namespace velmora::core

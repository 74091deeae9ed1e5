#pragma once

#include "NotesExport.h"
#include "NotesRecords.h"

#include "connectors/exchange/RecordFile.h"
#include "connectors/lotus/LotusExchange.h"
#include "helpers/common/HelperSide.h"
#include "helpers/common/SourceFile.h"

#include <string>
#include <vector>

namespace velmora::helpers {

inline constexpr ParamIds kLotusParams{
    .workFolder = connectors::lotus::kLNParamWorkFolder,
    .errorFile = connectors::lotus::kLNParamErrorFile,
    .statusFile = connectors::lotus::kLNParamStatusFile,
    .logFolder = connectors::lotus::kLNParamLogFolder,
    .logLevel = connectors::lotus::kLNParamLogLevel,
    .logEnabled = connectors::lotus::kLNParamLogEnabled,
};

// The life of a stand-in Lotus Notes helper: checks the ID file the connector names (a named one
// must be there), finds the export that stands for the database in parameter `database`, reads
// it, and lets `read(export, text, records, error)` turn it into the records it writes to the
// data file.
template <class Rec, class Read>
int RunNotesHelper(int argc, char** argv, const connectors::lotus::LNExchange& exchange,
                   connectors::lotus::LNParam database, const std::vector<ExportKind>& accepted, Read read)
{
    return RunHelperProgram(argc, argv, kLotusParams, exchange.Control, exchange.Helper, [&](HelperJob& job, std::string& error) {
        if (!NotesIdFileUsable(job.Text(connectors::lotus::kLNParamIdFile), error))
            return false;
        NotesExport found;
        std::string text;
        if (!FindNotesExport(job.Text(database), NotesRoot(job.WorkFolder()), accepted, found, error) ||
            !ReadSourceFile(found.Path, text, error))
            return false;
        std::vector<Rec> records;
        if (!read(found, text, records, error))
            return false;
        if (!job.Progress("Reading records", records.size(), records.size())) {
            error = "Stopped on request.";
            return false;
        }
        const std::string dataFile = job.WorkFolder() + job.Text(connectors::lotus::kLNParamDataFile);
        if (connectors::WriteDataFile(dataFile, records, [](std::int32_t) {}) != connectors::DataFileResult::Ok) {
            error = "Cannot write the data file " + dataFile + ".";
            return false;
        }
        return true;
    });
}

// The calendar and to-do helpers: the mail database's iCalendar or structured-text export, of
// which `records` (NotesCalendar::Events or ::Todos) are written.
template <class Rec>
int RunNotesMailHelper(int argc, char** argv, const connectors::lotus::LNExchange& exchange,
                       std::vector<Rec> NotesCalendar::*records)
{
    return RunNotesHelper<Rec>(argc, argv, exchange, connectors::lotus::kLNParamDatabase,
                               {ExportKind::ICalendar, ExportKind::StructuredText},
                               [records](const NotesExport& found, const std::string& text, std::vector<Rec>& out,
                                         std::string& error) {
                                   NotesCalendar calendar;
                                   if (found.Kind == ExportKind::ICalendar) {
                                       if (!ReadNotesCalendar(text, calendar, error))
                                           return false;
                                   } else {
                                       calendar = CalendarOf(ParseStructuredText(text));
                                   }
                                   out = std::move(calendar.*records);
                                   return true;
                               });
}

}  // namespace velmora::helpers

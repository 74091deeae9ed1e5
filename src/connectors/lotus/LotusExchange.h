#pragma once

#include <cstdint>

namespace velmora::connectors::lotus {

// The Lotus Notes helpers' parameters, as the connectors write them and the helpers read them.
enum LNParam : std::int32_t {
    kLNParamEmpty1 = 1000,  // 1000-1002 are sent empty
    kLNParamEmpty2 = 1001,
    kLNParamEmpty3 = 1002,
    kLNParamDataFile = 1003,
    kLNParamWorkFolder = 1004,
    kLNParamMode = 1005,
    kLNParamErrorFile = 1006,
    kLNParamStatusFile = 1007,
    kLNParamDatabase = 1008,     // calendar, to-do and notebook
    kLNParamAddressBook = 1009,  // contacts
    kLNParamLogFolder = 1010,
    kLNParamLogFile = 1011,
    kLNParamLogLevel = 1012,
    kLNParamLogEnabled = 1013,
    kLNParamIdFile = 1014,
};

// One data type's helper program and exchange files.
struct LNExchange {
    const char* Helper;
    const char* Data;
    const char* Param;
    const char* Error;
    const char* Status;
    const char* Control;
};

inline constexpr LNExchange kLNAddr{"Corvane.NotesAddr", "LNAddr.dat", "LNAddrParam.dat", "LNAddrErr.dat",
                                    "LNAddrStatus.dat", "LNAddr.ini"};
inline constexpr LNExchange kLNDate{"Corvane.NotesDate", "LNDate.dat", "LNDateParam.dat", "LNDateErr.dat",
                                    "LNDateStatus.dat", "LNDate.ini"};
inline constexpr LNExchange kLNTask{"Corvane.NotesTask", "LNTask.dat", "LNTaskParam.dat", "LNTaskErr.dat",
                                    "LNTaskStatus.dat", "LNTask.ini"};
inline constexpr LNExchange kLNNote{"Corvane.NotesNote", "LNNote.dat", "LNNoteParam.dat", "LNNoteErr.dat",
                                    "LNNoteStatus.dat", "LNNote.ini"};

}  // namespace velmora::connectors::lotus

#pragma once

#include <cstdint>

namespace velmora::connectors::google {

// The Google helpers' parameters, as the connectors write them and the helpers read them.
enum GoogleParam : std::int32_t {
    kGoogleParamAccount = 1000,
    kGoogleParamPassword = 1001,
    kGoogleParamDataFile = 1002,
    kGoogleParamWorkFolder = 1003,
    kGoogleParamEmpty = 1004,          // sent empty
    kGoogleParamMode = 1005,
    kGoogleParamCarried1 = 1006,       // the calendar helper: sent empty
    kGoogleParamCarried2 = 1007,       // the same
    kGoogleParamCalendarFile = 1008,   // the calendar helper: its file of calendars
    kGoogleParamErrorFile = 1009,
    kGoogleParamStatusFile = 1010,
    kGoogleParamServerURL = 1011,      // a CardDAV/CalDAV server; empty: the account folder
    kGoogleParamLogFolder = 1013,
    kGoogleParamLogFile = 1014,
    kGoogleParamLogLevel = 1015,
    kGoogleParamLogEnabled = 1016,
};

}  // namespace velmora::connectors::google

#pragma once

#include "connectors/google/GoogleExchange.h"
#include "helpers/common/HelperSide.h"

#include <string>

namespace velmora::helpers {

// Where the Google connectors put the exchange settings in the parameter file.
inline constexpr ParamIds kGoogleParams{
    .workFolder = connectors::google::kGoogleParamWorkFolder,
    .errorFile = connectors::google::kGoogleParamErrorFile,
    .statusFile = connectors::google::kGoogleParamStatusFile,
    .logFolder = connectors::google::kGoogleParamLogFolder,
    .logLevel = connectors::google::kGoogleParamLogLevel,
    .logEnabled = connectors::google::kGoogleParamLogEnabled,
};

// The stand-in Google account: the folder <root>/<account e-mail>/ (matched without case), root
// being $VELMORA_GOOGLE_ROOT or GoogleAccounts/ in the working folder. Its "password" file holds
// the password; "contacts.vcf" the contacts; every "*.ics" file one calendar. Returns the
// account's folder (ending in '/'), or false with one clear error.
bool OpenGoogleAccount(const HelperJob& job, std::string& folder, std::string& error);

}  // namespace velmora::helpers

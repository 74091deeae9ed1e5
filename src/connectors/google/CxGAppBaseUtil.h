#pragma once

#include "connectors/exchange/HelperConnector.h"

#include "model/TextValue.h"

namespace velmora::connectors {

// The Google family writes the shared parameter file and runs its helpers with the shared runner.
using CxGAppParamParser = ParamParser;
using CxGAppDataReader = HelperRunner;

inline constexpr HelperFamily kGoogleFamily{"CxGCommon"};

// The base of the Google connectors: the account, its password and the Google parameter table.
class CxGAppBaseUtil : public HelperConnector {
public:
    model::Text<256> AccountEmail;
    model::Text<256> Password;  // plain; it reaches the helper only through the parameter file
    model::Text<256> ServerURL;  // a CardDAV/CalDAV server to read; empty: the account's folder

protected:
    CxGAppBaseUtil(std::string helperName, HelperFiles files)
        : HelperConnector(kGoogleFamily, std::move(helperName), std::move(files))
    {
    }

    void AddParams(ParamParser& params) const override;
    // Parameters of one connector kind, between 1004 and 1009.
    virtual void AddKindParams(ParamParser&) const {}
};

}  // namespace velmora::connectors

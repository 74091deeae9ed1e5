#pragma once

#include "connectors/exchange/HelperConnector.h"

#include "model/TextValue.h"

namespace velmora::connectors {

// The ACT! family writes the shared parameter file and runs its helpers with the shared runner.
using CxACTParamParser = ParamParser;
using CxACTDataReader = HelperRunner;

inline constexpr HelperFamily kActFamily{"CxACTCommon"};

// The base of the four ACT! connectors: the database, the login and the ACT! parameter table.
class CxACTBaseUtil : public HelperConnector {
public:
    model::Text<256> DatabasePath;
    model::Text<256> UserName;
    model::Text<256> Password;  // plain; it reaches the helper only through the parameter file

protected:
    CxACTBaseUtil(std::string helperName, HelperFiles files)
        : HelperConnector(kActFamily, std::move(helperName), std::move(files))
    {
    }

    void AddParams(ParamParser& params) const override;
    // Parameters of one connector kind, between 1007 and 1012.
    virtual void AddKindParams(ParamParser&) const {}
};

}  // namespace velmora::connectors

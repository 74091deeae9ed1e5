#pragma once

#include "RecordTypes.h"
#include "SourceBlock.h"
#include "TextSlots.h"
#include "TextValue.h"

#include <array>
#include <cstdint>
#include <span>

namespace velmora::model {

// One postal address. A street of several lines keeps them separated by CR LF.
struct PostalAddress {
    Text<256> Street;
    Text<32> City;
    Text<32> State;
    Text<16> Postal;
    Text<32> Country;
    Text<16> PoBox;
    Text<32> Neighborhood;
};

// The common contact record every source reader and the ACT! connector convert their contacts
// into. Dates are automation dates (0 = not set). Field ids, where a member has one, are given
// in brackets; the catalogue below lists them.
struct CommAddrRec {
    Text<32> FirstName;     // [1]
    Text<32> LastName;      // [3]
    Text<32> MiddleName;    // [2]
    Text<32> Prefix;        // [4]
    Text<32> Suffix;        // [5]
    Text<32> NickName;      // [6]
    Text<32> DisplayName;   // [7]
    Text<32> Salutation;
    std::int32_t Gender = 0;  // [8], only carried between records

    PostalAddress WorkAddr;   // [9-13] street, city, state, postal, country
    PostalAddress HomeAddr;   // [16-20]
    PostalAddress OtherAddr;  // [23-27]

    // A number may carry an extension as number, the letter x, extension.
    Text<24> HomePhone;      // [28]
    Text<24> WorkPhone;      // [29]
    Text<24> MobilePhone;    // [30]
    Text<24> PrimaryPhone;   // [32]
    Text<24> OtherPhone;     // [31]
    Text<24> CallbackPhone;  // [33]
    Text<24> RadioPhone;     // [35]
    Text<24> CarPhone;       // [34]
    Text<24> WorkPhone2;     // [36]
    Text<24> HomePhone2;     // [37]
    Text<24> WorkFax;        // [38]
    Text<24> HomeFax;        // [39]
    Text<24> Pager;          // [40]

    Text<64> Email;   // [41]
    Text<64> Email2;  // [42]
    Text<64> Email3;  // [43]

    Text<256> WorkHomePage;      // [45]
    Text<256> PersonalHomePage;  // [44]
    Text<256> FtpSite;           // [47]

    Text<8192> Note;  // [48], lines separated by CR LF

    TextSlots<10, 64> Custom;        // [49-57] for the first nine
    TextSlots<10, 64> MappedCustom;  // per ACT! custom slot, the value of the field mapped to it
    TextSlots<10, 64> CustomLabel;   // [59-67] for the first nine

    Text<64> Company;         // [69]
    Text<32> Title;           // [71]
    Text<32> Department;      // [70]
    Text<32> Im1;             // [72]
    Text<32> Im2;             // [73]
    Text<32> ManagerName;     // [74]
    Text<32> AssistantName;   // [75]
    Text<24> AssistantPhone;  // [76]
    Text<32> SpouseName;      // [77]
    Text<32> ChildrenNames;   // [78]
    Text<64> Profession;      // [80]
    Text<64> Hobby;           // [81]
    Text<32> Account;         // [82]

    double Birthday = 0;     // [84]
    double Anniversary = 0;  // [83]

    Text<64> Keyword;   // [85]
    Text<64> Language;  // [86]
    Text<64> Location;  // [87]

    Text<32> MhsCommonName;   // [88]
    Text<32> CustomerId;      // [89]
    Text<32> GovernmentId;    // [90]
    Text<32> OrganizationId;  // [91]

    Text<256> Category;  // [92]

    double CreationTime = 0;          // [93]
    double LastModificationTime = 0;  // [94]

    std::int32_t SourceType = 0;  // [95] RecordSource
    std::int32_t Status = 0;      // [96] RecStatus
    Text<64> Id;                  // [97]
    std::int32_t Private = 0;     // [98]

    SourceBlock SourceData;
    const CommAddrRec* MatchedRec = nullptr;  // after a comparison, the counterpart in the other manager
};

// The contact field catalogue, ids 1-98 without 14, 15, 21, 22, 46, 58, 68 and 79.
std::span<const FieldInfo> AddrFieldTable();

// The text member a contact field id names, or null for ids of other kinds or unassigned ids.
const TextValue* AddrTextField(const CommAddrRec& record, int id);

}  // namespace velmora::model

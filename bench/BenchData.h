#pragma once

#include "model/CommAddrRec.h"

#include <string>

namespace velmora::bench {

inline const char* const kFirstNames[] = {"James", "Mary", "Robert", "Patricia", "Michael", "Jennifer", "William", "Linda",
                                   "Christopher", "Elizabeth", "Daniel", "Barbara", "Matthew", "Susan", "Anthony"};

// A typical contact: names, company, two phones, an e-mail, one address and a short note.
inline model::CommAddrRec Contact(int n)
{
    model::CommAddrRec r;
    const std::string first = kFirstNames[n % 15];
    const std::string last = "Lastname" + std::to_string(n);
    r.FirstName = first;
    r.LastName = last;
    r.DisplayName = first + " " + last;
    r.Company = "Company " + std::to_string(n % 5000) + " Inc.";
    r.WorkPhone = "(555) " + std::to_string(100 + n % 900) + "-" + std::to_string(1000 + n % 9000);
    r.MobilePhone = "(555) " + std::to_string(200 + n % 700) + "-" + std::to_string(2000 + n % 7000);
    r.Email = first + "." + last + "@example.com";
    r.WorkAddr.Street = std::to_string(n % 9999) + " Main Street";
    r.WorkAddr.City = "Springfield";
    r.WorkAddr.State = "WA";
    r.WorkAddr.Postal = "98052";
    r.WorkAddr.Country = "USA";
    r.Note = "Met at the trade show; follow up about the spring order.";
    r.SourceType = model::RecordSource::Act;
    return r;
}

}  // namespace velmora::bench

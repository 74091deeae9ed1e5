// The Google contacts helper: reads the address books of the account's CardDAV server, or
// without a server contacts.vcf of the account folder, and writes the contacts to the
// connector's data file.
#include "ContactMapping.h"
#include "GoogleAccount.h"
#include "GoogleServer.h"

#include "connectors/exchange/RecordFile.h"
#include "helpers/common/SourceFile.h"


using namespace velmora;
using namespace velmora::helpers;

namespace {

bool ReadFolderContacts(HelperJob& job, std::vector<connectors::GContactRec>& contacts, std::string& error)
{
    std::string account;
    if (!OpenGoogleAccount(job, account, error))
        return false;
    std::string text;
    if (!ReadSourceFile(account + "contacts.vcf", text, error, true))  // an account without contacts has none
        return false;
    const std::vector<VCard> cards = ParseVCards(text);
    contacts.reserve(cards.size());
    for (const VCard& card : cards) {
        contacts.push_back(ToGoogleContact(card));
        if (!job.Progress("Reading contacts", contacts.size(), cards.size())) {
            error = "Stopped on request.";
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    return RunHelperProgram(argc, argv, kGoogleParams, "GAddrData.ini", "GAddrUtil", [](HelperJob& job, std::string& error) {
        std::vector<connectors::GContactRec> contacts;
        if (!(UsesServer(job) ? ReadServerContacts(job, contacts, error) : ReadFolderContacts(job, contacts, error)))
            return false;
        const std::string dataFile = job.WorkFolder() + job.Text(connectors::google::kGoogleParamDataFile);
        if (connectors::WriteDataFile(dataFile, contacts, [](std::int32_t) {}) != connectors::DataFileResult::Ok) {
            error = "Cannot write the data file " + dataFile + ".";
            return false;
        }
        return true;
    });
}

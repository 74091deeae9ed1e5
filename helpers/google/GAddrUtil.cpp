// The Google contacts helper: reads the address books of the account's CardDAV server, or
// without a server contacts.vcf of the account folder, and writes the contacts to the
// connector's data file.
#include "ContactMapping.h"
#include "GoogleAccount.h"
#include "GoogleServer.h"

#include "connectors/exchange/RecordFile.h"
#include "helpers/common/SourceFile.h"

#include <cstdint>
#include <string>
#include <vector>

using namespace velmora;
using namespace velmora::helpers;

namespace {

bool CannotWrite(const std::string& dataFile, std::string& error)
{
    error = "Cannot write the data file " + dataFile + ".";
    return false;
}

// The cards are converted and written one at a time, each card's memory freed once it is
// written, so that a large address book is never held twice.
bool CopyFolderContacts(HelperJob& job, const std::string& dataFile, std::string& error)
{
    std::string account;
    if (!OpenGoogleAccount(job, account, error))
        return false;
    std::string text;
    if (!ReadSourceFile(account + "contacts.vcf", text, error, true))  // an account without contacts has none
        return false;
    std::vector<VCard> cards = ParseVCards(text);
    text = std::string();  // the cards hold copies of what they need
    connectors::DataFileWriter writer;
    if (cards.size() > static_cast<std::size_t>(INT32_MAX) ||
        writer.Open(dataFile, static_cast<std::int32_t>(cards.size())) != connectors::DataFileResult::Ok)
        return CannotWrite(dataFile, error);
    for (std::size_t i = 0; i < cards.size(); ++i) {
        writer.Write(ToGoogleContact(cards[i]));
        cards[i] = VCard();
        if (!job.Progress("Reading contacts", i + 1, cards.size())) {
            error = "Stopped on request.";
            return false;
        }
    }
    return writer.Commit() == connectors::DataFileResult::Ok || CannotWrite(dataFile, error);
}

}  // namespace

int main(int argc, char** argv)
{
    return RunHelperProgram(argc, argv, kGoogleParams, "GAddrData.ini", "GAddrUtil", [](HelperJob& job, std::string& error) {
        const std::string dataFile = job.WorkFolder() + job.Text(connectors::google::kGoogleParamDataFile);
        if (!UsesServer(job))
            return CopyFolderContacts(job, dataFile, error);
        std::vector<connectors::GContactRec> contacts;
        if (!ReadServerContacts(job, contacts, error))
            return false;
        return connectors::WriteDataFile(dataFile, contacts, [](std::int32_t) {}) == connectors::DataFileResult::Ok ||
               CannotWrite(dataFile, error);
    });
}

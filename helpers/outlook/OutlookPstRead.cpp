// OutlookPstRead: reads the default folders of an Outlook data file for the stand-in Outlook, in
// a process of its own, so that a damaged file that crashes or hangs the data file library only
// ends this program.
//
//   OutlookPstRead DATAFILE
//
// Writes the store (or the error) to standard output in the format of outlook/standin/PstWire.h.
#include "PstFileReader.h"

#include "helpers/common/HelperSide.h"

#include <cstdio>

int main(int argc, char** argv)
{
    using namespace velmora;
    if (const int status = helpers::HelperOptions(argc, argv, "DATAFILE"); status >= 0)
        return status;
    std::string answer;
    if (argc != 2) {
        answer = outlook::standin::EncodeError("usage: OutlookPstRead DATAFILE");
    } else {
        outlook::standin::PstStore store;
        std::string error;
        answer = helpers::ReadPstFile(argv[1], store, error) ? outlook::standin::EncodeStore(store)
                                                             : outlook::standin::EncodeError(error);
    }
    const bool written = std::fwrite(answer.data(), 1, answer.size(), stdout) == answer.size() && std::fflush(stdout) == 0;
    return written ? 0 : 1;
}

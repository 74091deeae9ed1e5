// A helper program for the exchange tests, driven by $VELMORA_FAKE_HELPER:
//   sleep:MS    writes its process id to $VELMORA_FAKE_HELPER_PID (when set), then sleeps MS ms;
//   error:PATH  writes an error file with one error to PATH;
//   copy:PATH   copies its parameter file to PATH and that file's permission bits, in octal, to PATH.mode;
//   crash       aborts;
//   exit:N      ends with status N, after writing a data file and an empty error file as if it had worked;
//   short:PATH  writes a data file to PATH that promises five records and holds none;
//   meet:MINE:OTHER  creates the file MINE, then waits up to 10 s for the file OTHER: ends with
//               status 0 when it appeared, 1 otherwise;
// anything else ends at once.
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

int main(int argc, char** argv)
{
    const char* what = std::getenv("VELMORA_FAKE_HELPER");
    const std::string action = what != nullptr ? what : "";
    if (action.rfind("sleep:", 0) == 0) {
        if (const char* pidFile = std::getenv("VELMORA_FAKE_HELPER_PID"))
            std::ofstream(pidFile) << ::getpid();
        std::this_thread::sleep_for(std::chrono::milliseconds(std::atoi(action.c_str() + 6)));
    } else if (action.rfind("error:", 0) == 0) {
        std::ofstream(action.substr(6)) << "[Error]\nError.Count=1\nError.1=Quota exceeded\n";
    } else if (action == "crash") {
        std::abort();
    } else if (action.rfind("short:", 0) == 0) {
        std::ofstream(action.substr(6), std::ios::binary) << std::string("\x05\0\0\0", 4);
    } else if (action.rfind("meet:", 0) == 0) {
        const std::string paths = action.substr(5);
        const std::size_t colon = paths.find(':');
        std::ofstream(paths.substr(0, colon)) << "here";
        const std::string other = paths.substr(colon + 1);
        for (int waited = 0; waited < 1000; ++waited) {
            if (::access(other.c_str(), F_OK) == 0)
                return 0;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return 1;
    } else if (action.rfind("exit:", 0) == 0) {
        return std::atoi(action.c_str() + 5);
    } else if (action.rfind("copy:", 0) == 0 && argc == 2) {
        const std::string target = action.substr(5);
        std::ifstream in(argv[1], std::ios::binary);
        std::ofstream(target, std::ios::binary) << in.rdbuf();
        struct stat info {};
        ::stat(argv[1], &info);
        std::ofstream(target + ".mode") << std::oct << (info.st_mode & 0777);
    }
    return 0;
}

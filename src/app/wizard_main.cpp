// velmora: the migration wizard.
#include "core/AppCommon.h"
#include "core/MigrationLock.h"
#include "platform/CommandLine.h"
#include "platform/PrivateFile.h"
#include "ui/TfmMain.h"
#include "ui/dialogs/TfmDump.h"

#include <QApplication>
#include <QMessageBox>

#include <exception>

namespace {

const velmora::platform::ProgramHelp kHelp{
    "velmora", "velmora [--help] [--version]",
    "The migration wizard: moves contacts, calendar entries, tasks and notes from Google, Lotus\n"
    "Notes, Outlook data files and Palm Desktop into an ACT! contact database. Qt's own options\n"
    "(such as -platform) are accepted as well.\n"
    "\n"
    "Exit status: 0 when the wizard is closed, 1 when another migration holds the data folder or\n"
    "an error ended it, 2 wrong arguments.\n"
    "\n"
    "Files: VLACT.ini (settings), VLLog.txt (the migration log), appdebug.log (the debug log),\n"
    "VLACT.lock, all in $XDG_DATA_HOME/corvane/VLACT/ (default ~/.local/share/corvane/VLACT/);\n"
    "registry.reg there, when present, stands for the Windows registry.\n"
    "Environment: XDG_DATA_HOME, XDG_CONFIG_HOME (the documents folder), VELMORA_REGISTRY\n"
    "(registry files, ':'-separated), WINEPREFIX (default ~/.wine: its drives and, without\n"
    "registry files, its registry).\n",
};

}  // namespace

int main(int argc, char** argv)
{
    velmora::platform::ReportFileSizeLimitAsError();
    // --help and --version need no display; other arguments are judged once Qt took its own.
    if (const int status = velmora::platform::StandardOptions(argc, argv, kHelp, [](const char*) { return true; }, true); status >= 0)
        return status;
    QApplication application(argc, argv);
    if (const int status = velmora::platform::StandardOptions(argc, argv, kHelp, nullptr, false); status >= 0)
        return status;
    QApplication::setApplicationName("Velmora for ACT!");
    std::string dataFolder;
    velmora::core::GetDataFolder(dataFolder);
    velmora::core::MigrationLock lock;
    if (!lock.Acquire(dataFolder)) {
        QMessageBox::critical(nullptr, "Error", velmora::core::MigrationLock::kBusyMessage);
        return 1;
    }
    velmora::core::AppContext& app = velmora::core::App();
    try {
        velmora::ui::TfmMain window(app);
        window.show();
        return QApplication::exec();
    } catch (const std::exception& error) {
        QMessageBox::critical(nullptr, "Velmora for ACT!", QString::fromLocal8Bit(error.what()));
        velmora::ui::TfmDump(app, QString::fromLocal8Bit(error.what()), [] {}, nullptr).exec();
        return 1;
    }
}

// velmora: the migration wizard.
#include "core/AppCommon.h"
#include "core/MigrationLock.h"
#include "platform/PrivateFile.h"
#include "ui/TfmMain.h"
#include "ui/dialogs/TfmDump.h"

#include <QApplication>
#include <QMessageBox>

#include <exception>

int main(int argc, char** argv)
{
    velmora::platform::ReportFileSizeLimitAsError();
    QApplication application(argc, argv);
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

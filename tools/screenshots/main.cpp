// velmora-screenshots: walks the wizard along the Google path on the data folder of the
// environment (the demo) and saves a picture of the window at each step, plus the debug options
// and field mapping dialogs, the Lotus Notes path (both option pages, preview), the Outlook path
// (options, preview, field mapping) and the Palm Desktop path, into the folder given.
//   velmora-screenshots OUTPUT-FOLDER
#include "core/AppCommon.h"
#include "ui/TfmMain.h"
#include "ui/dialogs/TfmAddrFieldMap.h"
#include "ui/dialogs/TfmDebug.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QPixmap>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <cstdio>

using namespace velmora;

namespace {

void Save(QWidget& widget, const QString& folder, const QString& name)
{
    QApplication::processEvents();
    const QString path = folder + "/" + name + ".png";
    if (!widget.grab().save(path))
        std::fprintf(stderr, "cannot save %s\n", qPrintable(path));
    else
        std::printf("%s\n", qPrintable(path));
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fputs("usage: velmora-screenshots OUTPUT-FOLDER\n", stderr);
        return 2;
    }
    const QString folder = argv[1];
    QDir().mkpath(folder);
    core::AppContext& app = core::App();
    ui::TfmMain window(app);
    window.show();
    auto* next = window.findChild<QPushButton*>("btnNext");
    // A message box would stop the walk: picture it, close it, and report the step as failed.
    bool refused = false;
    QTimer watchdog;
    bool waitShown = false;
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        if (!waitShown && window.Ui().Wait().isVisible() && !window.Ui().Wait().Text().isEmpty()) {
            Save(window.Ui().Wait(), folder, "0-wait-window");
            waitShown = true;
        }
        if (QWidget* modal = QApplication::activeModalWidget()) {
            Save(*modal, folder, "refused");
            refused = true;
            modal->close();
        }
    });
    watchdog.start(200);
    const char* const steps[] = {"1-source", "2-act-options", "3-google-options", "4-preview", "5-finish"};
    for (const char* step : steps) {
        Save(window, folder, step);
        if (next->isEnabled())
            next->click();
    }
    ui::TfmDebug debug(app, &window);
    debug.show();
    Save(debug, folder, "6-debug-options");
    app.Settings.GGCustom = true;
    app.Settings.GGCustomID[0] = 37;
    ui::TfmAddrFieldMap map(app.Settings, &window);
    map.show();
    Save(map, folder, "7-field-mapping");
    const bool googlePathDone = window.PageIndex() == 4 && !refused;

    // The option pages of the other sources.
    window.RestartWizard();
    window.findChild<QRadioButton*>("rbtnLN")->click();
    for (const char* type : {"cbTask", "cbNote"})
        window.findChild<QCheckBox*>(type)->setChecked(true);
    next->click();
    next->click();
    Save(window, folder, "8-lotus-options-1");
    next->click();
    Save(window, folder, "9-lotus-options-2");
    next->click();
    Save(window, folder, "9-lotus-preview");
    const bool lotusPathDone = window.PageIndex() == 4 && !refused;
    window.RestartWizard();
    window.findChild<QRadioButton*>("rbtnOL")->click();
    for (const char* type : {"cbTask", "cbNote"})
        window.findChild<QCheckBox*>(type)->setChecked(true);
    next->click();
    next->click();
    Save(window, folder, "10-outlook-options");
    next->click();
    Save(window, folder, "10-outlook-preview");
    const bool outlookPathDone = window.PageIndex() == 3 && !refused;
    app.Settings.OLCustom = true;
    app.Settings.OLCustomID[0] = 19;
    ui::TfmAddrFieldMap outlookMap(app.Settings, &window);
    outlookMap.show();
    Save(outlookMap, folder, "10-outlook-field-mapping");
    outlookMap.close();

    // Palm Desktop: its option page and the demo user's records.
    window.RestartWizard();
    window.findChild<QRadioButton*>("rbtnPD")->click();
    next->click();
    next->click();
    Save(window, folder, "11-palm-options");
    next->click();
    Save(window, folder, "12-palm-preview");
    const bool palmPathDone = window.PageIndex() == 3 && !refused;
    app.Settings.PDCustom = true;
    app.Settings.PDCustomID[0] = 12;
    ui::TfmAddrFieldMap palmMap(app.Settings, &window);
    palmMap.show();
    Save(palmMap, folder, "13-palm-field-mapping");
    return googlePathDone && lotusPathDone && outlookPathDone && palmPathDone ? 0 : 1;
}

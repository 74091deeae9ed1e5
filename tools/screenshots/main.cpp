// velmora-screenshots: walks the wizard along the Google path on the data folder of the
// environment (the demo) and saves a picture of the window at each step, plus the debug options
// and field mapping dialogs, the finish page's undo question, the Lotus Notes path (both option pages, preview), the Outlook path
// (options, preview, field mapping) and the Palm Desktop path, and on each preview page the
// detail dialog of each data type (every tab, a Different record where there is one), into the
// folder given.
//   velmora-screenshots OUTPUT-FOLDER
#include "core/AppCommon.h"
#include "core/SessionManagers.h"
#include "ui/TfmMain.h"
#include "ui/dialogs/RecordDetailDialogs.h"
#include "ui/dialogs/TfmAddrFieldMap.h"
#include "ui/dialogs/TfmDebug.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QPixmap>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QTabWidget>
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

// The detail dialog of a Different record of the manager (else its first record), every tab
// side by side in one picture.
template <class Dialog, class Manager, class Reader>
void SaveDetail(QWidget& owner, const QString& folder, const QString& name, Manager* manager, const Reader* reader,
                core::Session& session)
{
    if (manager == nullptr || manager->Count() == 0)
        return;
    auto* record = manager->At(0);
    for (std::size_t i = 0; i < manager->Count(); ++i) {
        if (manager->At(i)->Status == model::RecStatus::Different) {
            record = manager->At(i);
            break;
        }
    }
    ui::TfmRecordDetail dialog(Dialog::Detail(record, reader, session), &owner);
    dialog.show();
    auto* tabs = dialog.findChild<QTabWidget*>("pcDetail");
    const int count = tabs->count();
    const QSize size = dialog.size();
    QPixmap sheet(size.width() * 2, size.height() * ((count + 1) / 2));
    sheet.fill(Qt::gray);
    QPainter painter(&sheet);
    for (int i = 0; i < count; ++i) {
        tabs->setCurrentIndex(i);
        QApplication::processEvents();
        painter.drawPixmap((i % 2) * size.width(), (i / 2) * size.height(), dialog.grab());
    }
    painter.end();
    const QString path = folder + "/" + name + ".png";
    if (!sheet.save(path))
        std::fprintf(stderr, "cannot save %s\n", qPrintable(path));
    else
        std::printf("%s\n", qPrintable(path));
}

template <class Addr, class Date, class Task, class Note, class Held>
void SaveDetails(QWidget& owner, const QString& folder, const QString& prefix, int app, const Held& held, core::Session& session)
{
    SaveDetail<Addr>(owner, folder, prefix + "-contact", core::ContactsOf(session, app), held.Addr.get(), session);
    SaveDetail<Date>(owner, folder, prefix + "-calendar", core::CalendarOf(session, app), held.Date.get(), session);
    SaveDetail<Task>(owner, folder, prefix + "-task", core::TasksOf(session, app), held.Task.get(), session);
    SaveDetail<Note>(owner, folder, prefix + "-note", core::NotesOf(session, app), held.Note.get(), session);
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
    core::Session& session = app.Session;
    for (const char* step : steps) {
        Save(window, folder, step);
        if (std::string(step) == "4-preview") {
            SaveDetail<ui::TfmGGAddrDetail>(window, folder, "4-detail-contact", core::ContactsOf(session, core::AppType::Google),
                                            session.Google.Addr.get(), session);
            SaveDetail<ui::TfmGGDateDetail>(window, folder, "4-detail-calendar", core::CalendarOf(session, core::AppType::Google),
                                            session.Google.Date.get(), session);
        }
        if (next->isEnabled())
            next->click();
    }
    // The finish page's Undo Migration asks first: the question, answered No.
    watchdog.stop();
    QTimer question;
    QObject::connect(&question, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box != nullptr && box->button(QMessageBox::No) != nullptr) {
            Save(*box, folder, "5-undo-question");
            box->button(QMessageBox::No)->click();
        }
    });
    question.start(50);
    if (auto* undo = window.findChild<QPushButton*>("btnUndo"); undo != nullptr && undo->isEnabled())
        undo->click();
    question.stop();
    watchdog.start(200);
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
    SaveDetails<ui::TfmLNAddrDetail, ui::TfmLNDateDetail, ui::TfmLNTaskDetail, ui::TfmLNNoteDetail>(
        window, folder, "9-lotus-detail", core::AppType::LotusNotes, session.Lotus, session);
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
    SaveDetails<ui::TfmOLAddrDetail, ui::TfmOLDateDetail, ui::TfmOLTaskDetail, ui::TfmOLNoteDetail>(
        window, folder, "10-outlook-detail", core::AppType::Outlook, session.Outlook, session);
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
    SaveDetails<ui::TfmPDAddrDetail, ui::TfmPDDateDetail, ui::TfmPDTaskDetail, ui::TfmPDNoteDetail>(
        window, folder, "12-palm-detail", core::AppType::PalmDesktop, session.Palm, session);
    const bool palmPathDone = window.PageIndex() == 3 && !refused;
    app.Settings.PDCustom = true;
    app.Settings.PDCustomID[0] = 12;
    ui::TfmAddrFieldMap palmMap(app.Settings, &window);
    palmMap.show();
    Save(palmMap, folder, "13-palm-field-mapping");
    return googlePathDone && lotusPathDone && outlookPathDone && palmPathDone ? 0 : 1;
}

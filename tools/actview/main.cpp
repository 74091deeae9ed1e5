// velmora-actview: a small viewer of stand-in ACT! databases, the "ACT! program" of this system:
// contacts, calendar entries, to-dos and notes in four tables. Without an argument it opens the
// database named by ACTPadName in the settings of the data folder.
//   velmora-actview [PAD]
#include "core/AppSettings.h"
#include "helpers/act/ActStore.h"
#include "model/CxDateTime.h"
#include "platform/CodePage.h"
#include "platform/CommandLine.h"
#include "platform/Folders.h"

#include <QApplication>
#include <QHeaderView>
#include <QMessageBox>
#include <QTabWidget>
#include <QTableWidget>

#include <string>
#include <vector>

using namespace velmora;

namespace {

QString Q(std::string_view ansi)
{
    return QString::fromStdString(platform::AnsiToUtf8(ansi));
}

QString Date(double value)
{
    return value == 0 ? QString() : QString::fromStdString(model::CxDateTime(value).FormatDateTime());
}

QTableWidget* Table(const QStringList& headers, const std::vector<QStringList>& rows)
{
    auto* table = new QTableWidget(static_cast<int>(rows.size()), static_cast<int>(headers.size()));
    table->setHorizontalHeaderLabels(headers);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        for (int c = 0; c < headers.size(); ++c)
            table->setItem(r, c, new QTableWidgetItem(rows[static_cast<std::size_t>(r)].value(c)));
    }
    table->horizontalHeader()->setStretchLastSection(true);
    table->resizeColumnsToContents();
    return table;
}

const platform::ProgramHelp kHelp{
    "velmora-actview", "velmora-actview [PAD]",
    "Shows the contacts, calendar entries, to-dos and notes of an ACT! contact database (.pad\n"
    "file), by default the one the wizard's settings name; the wizard opens it with \"Open ACT!\".\n"
    "\n"
    "Exit status: 0 when closed, 1 the database cannot be read, 2 wrong arguments.\n"
    "Files: PAD, or VLACT.ini in $XDG_DATA_HOME/corvane/VLACT/. Environment: XDG_DATA_HOME.\n",
};

}  // namespace

int main(int argc, char** argv)
{
    // --help and --version need no display; other arguments are judged once Qt took its own.
    if (const int status = platform::StandardOptions(argc, argv, kHelp, [](const char*) { return true; }, true); status >= 0)
        return status;
    QApplication application(argc, argv);
    if (const int status = platform::StandardOptions(argc, argv, kHelp, nullptr, argc <= 2); status >= 0)
        return status;
    std::string pad = argc > 1 ? argv[1] : std::string();
    if (pad.empty()) {
        core::AppSettings settings;
        core::LoadSettings(settings, platform::DataFolderPath() + "VLACT.ini");
        pad = std::string(settings.ACTPadName.view());
    }
    std::string error;
    const auto store = helpers::ActStore::Open(pad, error);
    if (!store) {
        QMessageBox::critical(nullptr, "ACT! database", Q(error));
        return 1;
    }
    std::vector<helpers::ActContactRec> contacts;
    std::vector<helpers::ActCalendarRec> calendar;
    std::vector<helpers::ActTodoRec> todos;
    std::vector<helpers::ActNoteRec> notes;
    if (!store->ReadAll(contacts, error) || !store->ReadAll(calendar, error) || !store->ReadAll(todos, error) ||
        !store->ReadAll(notes, error)) {
        QMessageBox::critical(nullptr, "ACT! database", Q(error));
        return 1;
    }
    std::vector<QStringList> rows;
    for (const auto& c : contacts)
        rows.push_back({Q(c.FullName.view()), Q(c.Company.view()), Q(c.Title.view()), Q(c.BusinessEmail.view()),
                        Q(c.BusinessPhone.view()), Q(c.BusinessCity.view())});
    auto* tabs = new QTabWidget;
    tabs->addTab(Table({"Name", "Company", "Title", "E-mail", "Phone", "City"}, rows), "Contacts");
    rows.clear();
    for (const auto& e : calendar)
        rows.push_back({Date(e.Start), Date(e.End), Q(e.Regarding.view()), Q(e.Location.view())});
    tabs->addTab(Table({"Start", "End", "Regarding", "Location"}, rows), "Calendar");
    rows.clear();
    static const char* const kPriorities[] = {"High", "Normal", "Low"};
    for (const auto& t : todos)
        rows.push_back({Q(t.Regarding.view()), t.Priority >= 0 && t.Priority <= 2 ? kPriorities[t.Priority] : "",
                        Date(t.DueDate), t.Completed ? "Yes" : "No"});
    tabs->addTab(Table({"Regarding", "Priority", "Due", "Done"}, rows), "To-dos");
    rows.clear();
    for (const auto& n : notes)
        rows.push_back({Date(n.CreateTime), Q(n.NoteText.view()).simplified()});
    tabs->addTab(Table({"Created", "Note"}, rows), "Notes");
    tabs->setWindowTitle("ACT! - " + Q(pad));
    tabs->resize(900, 500);
    tabs->show();
    return QApplication::exec();
}

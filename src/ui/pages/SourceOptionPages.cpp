#include "SourceOptionPages.h"

#include "ui/QtText.h"
#include "ui/Widgets.h"

#include "core/LoadAndCompare.h"
#include "core/OutlookDataFile.h"
#include "core/SessionManagers.h"
#include "platform/AppDetection.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <filesystem>

namespace velmora::ui {
namespace {

// A found version in blue, or the "not found" text in red.
void ShowVersion(QLabel* label, const std::string& version, const char* missing)
{
    label->setText(version.empty() ? missing : ToQt(version));
    label->setStyleSheet(version.empty() ? "color: red;" : "color: blue;");
}

// The initial file of a browse button: the edit's text, or the detection when it is empty.
void BrowseInto(QWidget* owner, QLineEdit* edit, const std::string& detected, const QString& filters)
{
    const QString start = edit->text().isEmpty() ? ToQt(detected) : edit->text();
    const QString file = BrowseFile(owner, QString(), start, filters);
    if (!file.isEmpty())
        edit->setText(file);
}

std::string Detect(bool (*helper)(const platform::Registry&, std::string&))
{
    std::string value;
    helper(platform::Registry::FromEnvironment(), value);
    return value;
}

}  // namespace

TfmLNOption1::TfmLNOption1(WizardContext& context, QWidget* parent) : WizardPage(context, "fmLNOption1", parent)
{
    auto* grid = OptionGrid(this);
    grid->addWidget(Named(new QLabel("Please specify Lotus Notes access options (1 of 2):", this), "Label1"), 0, 0, 1, 3);
    grid->addWidget(Named(new QLabel("Notes.exe Path:", this), "Label7"), 1, 0);
    grid->addWidget(edtNotesPath = Named(new QLineEdit(this), "edtNotesPath"), 1, 1);
    auto* notesBrowse = BrowseButton("btnNotesBrowse", this);
    grid->addWidget(notesBrowse, 1, 2);
    grid->addWidget(Named(new QLabel("Lotus Notes Version:", this), "Label2"), 2, 0);
    grid->addWidget(lblNotesVersion = Named(new QLabel(this), "lblNotesVersion"), 2, 1);
    grid->addWidget(cbLNPassword = Named(new QCheckBox("Password Required:", this), "cbLNPassword"), 3, 0);
    grid->addWidget(edtLNPassword = Named(new QLineEdit(this), "edtLNPassword"), 3, 1);
    edtLNPassword->setEchoMode(QLineEdit::Password);
    edtLNPassword->setMaxLength(63);
    grid->addWidget(cbLNSavePassword = Named(new QCheckBox("Save the Password", this), "cbLNSavePassword"), 4, 1);
    grid->addWidget(Named(new QLabel("User ID File:", this), "Label8"), 5, 0);
    grid->addWidget(edtIDFile = Named(new QLineEdit(this), "edtIDFile"), 5, 1);
    auto* idBrowse = BrowseButton("btnIDFileBrowse", this);
    grid->addWidget(idBrowse, 5, 2);
    grid->setRowStretch(6, 1);
    connect(notesBrowse, &QPushButton::clicked, this, [this] {
        BrowseInto(this, edtNotesPath, Detect(platform::GetNotesExePath), "Lotus Notes executable file (notes.exe) (*.exe)");
    });
    connect(idBrowse, &QPushButton::clicked, this, [this] {
        BrowseInto(this, edtIDFile, Detect(platform::GetNotesIdFile),
                   "Lotus Notes user ID file (user.id) (*.id);;All Files(*.*) (*.*)");
    });
}

bool TfmLNOption1::UpdateData(bool leaving)
{
    core::AppSettings& s = Settings();
    if (!leaving) {
        if (s.LNAppName.empty())
            s.LNAppName = Detect(platform::GetNotesExePath);
        edtNotesPath->setText(ToQt(s.LNAppName.view()));
        ShowVersion(lblNotesVersion, Detect(platform::GetNotesVersion), "Unknown");
        if (s.LNIDFile.empty())
            s.LNIDFile = Detect(platform::GetNotesIdFile);
        edtIDFile->setText(ToQt(s.LNIDFile.view()));
        cbLNPassword->setChecked(s.LNNeedPassword);
        cbLNSavePassword->setChecked(s.LNSavePassword);
        edtLNPassword->setText(ToQt(s.LNPassword.Plain.view()));
        return true;
    }
    if (edtNotesPath->text().isEmpty()) {
        Error("Invalid path for Lotus Notes note.exe. Lotus Notes executable not found.");
        return false;
    }
    s.LNAppName = FromQt(edtNotesPath->text());
    s.LNPassword.Plain = FromQt(edtLNPassword->text());
    s.LNIDFile = FromQt(edtIDFile->text());
    s.LNNeedPassword = cbLNPassword->isChecked();
    s.LNSavePassword = cbLNSavePassword->isChecked();
    return true;
}

TfmLNOption2::TfmLNOption2(WizardContext& context, QWidget* parent) : WizardPage(context, "fmLNOption2", parent)
{
    auto* grid = OptionGrid(this);
    grid->addWidget(Named(new QLabel("Please specify Lotus Notes access options (2 of 2):", this), "Label1"), 0, 0, 1, 2);
    auto* addrLabel = Named(new QLabel("Address book database (example: [some path]\\name.nsf, or [Server]!![Database file] for remote address book) ,", this), "Label2");
    addrLabel->setWordWrap(true);
    grid->addWidget(addrLabel, 1, 0, 1, 2);
    grid->addWidget(edtLNAddrPath = Named(new QLineEdit(this), "edtLNAddrPath"), 2, 0);
    grid->addWidget(btnLNAddrBrowse = BrowseButton("btnLNAddrBrowse", this), 2, 1);
    auto* dbLabel = Named(new QLabel("Calendar and Todo (Mail) database (format: [Server]!![Database], example: Primary1/Org1!!mail/mydb.nsf) ", this), "Label3");
    dbLabel->setWordWrap(true);
    grid->addWidget(dbLabel, 3, 0, 1, 2);
    grid->addWidget(edtLNDBPath = Named(new QLineEdit(this), "edtLNDBPath"), 4, 0);
    grid->addWidget(lblNotesLabel = Named(new QLabel("Notebook database path (example: some path\\notebook.nsf)", this), "lblNotesLabel"), 5, 0, 1, 2);
    grid->addWidget(edtLNNotePath = Named(new QLineEdit(this), "edtLNNotePath"), 6, 0);
    grid->addWidget(btnLNNoteBrowse = BrowseButton("btnLNNoteBrowse", this), 6, 1);
    grid->setRowStretch(7, 1);
    connect(btnLNAddrBrowse, &QPushButton::clicked, this, [this] {
        BrowseInto(this, edtLNAddrPath, Detect(platform::GetNotesAddressBook), "Lotus Notes Contacts Database file (names.nsf) (*.nsf);;"
                   "Lotus Notes Contacts export (*.vcf *.txt)");
    });
    connect(btnLNNoteBrowse, &QPushButton::clicked, this, [this] {
        BrowseInto(this, edtLNNotePath, Detect(platform::GetNotesNotebook), "Lotus Notes Notebook Database file (notebook.nsf) (*.nsf);;"
                   "Lotus Notes Notebook export (*.txt)");
    });
}

void TfmLNOption2::SetNotebookShown(bool shown)
{
    mNotebookShown = shown;
    for (QWidget* widget : std::initializer_list<QWidget*>{lblNotesLabel, edtLNNotePath, btnLNNoteBrowse})
        widget->setVisible(shown);
}

bool TfmLNOption2::UpdateData(bool leaving)
{
    core::AppSettings& s = Settings();
    if (!leaving) {
        if (s.LNAddrName.empty())
            s.LNAddrName = Detect(platform::GetNotesAddressBook);
        edtLNAddrPath->setText(ToQt(s.LNAddrName.view()));
        edtLNDBPath->setText(ToQt(s.LNDateName.view()));
        if (s.LNNoteName.empty())
            s.LNNoteName = Detect(platform::GetNotesNotebook);
        edtLNNotePath->setText(ToQt(s.LNNoteName.view()));
        SetNotebookShown(mNotebookShown);
        edtLNAddrPath->setEnabled(s.SyncAddr);
        btnLNAddrBrowse->setEnabled(s.SyncAddr);
        edtLNDBPath->setEnabled(s.SyncDate || s.SyncTask);
        return true;
    }
    s.LNAddrName = FromQt(edtLNAddrPath->text());
    s.LNDateName = FromQt(edtLNDBPath->text());
    s.LNNoteName = FromQt(edtLNNotePath->text());
    return core::LoadAndCompare(mContext.app, mContext.ui, parentWidget(), core::AppType::LotusNotes, core::AppType::Act);
}

TfmOLOption::TfmOLOption(WizardContext& context, QWidget* parent) : WizardPage(context, "fmOLOption", parent)
{
    auto* grid = OptionGrid(this);
    grid->addWidget(Named(new QLabel("Please specify Microsoft Outlook options:", this), "Label1"), 0, 0, 1, 3);
    grid->addWidget(Named(new QLabel("Outlook.exe Path:", this), "Label3"), 1, 0);
    grid->addWidget(edtOLPath = Named(new QLineEdit(this), "edtOLPath"), 1, 1);
    auto* browse = BrowseButton("btnOLBrowse", this);
    grid->addWidget(browse, 1, 2);
    grid->addWidget(Named(new QLabel("Outlook Version:", this), "Label4"), 2, 0);
    grid->addWidget(lblOLVersion = Named(new QLabel(this), "lblOLVersion"), 2, 1);
    grid->addWidget(Named(new QLabel("Outlook data file:", this), "Label5"), 3, 0);
    grid->addWidget(edtOLDataFile = Named(new QLineEdit(this), "edtOLDataFile"), 3, 1);
    auto* browseData = BrowseButton("btnOLDataBrowse", this);
    grid->addWidget(browseData, 3, 2);
    grid->setRowStretch(4, 1);
    edtOLPath->setMaxLength(259);
    edtOLDataFile->setMaxLength(259);
    connect(browse, &QPushButton::clicked, this, [this] {
        BrowseInto(this, edtOLPath, Detect(platform::GetOutlookExePath), "Outlook executable file (outlook.exe) (*.exe)");
    });
    connect(browseData, &QPushButton::clicked, this, [this] {
        BrowseInto(this, edtOLDataFile, core::DefaultOutlookDataFile(), "Outlook Data Files (*.pst *.ost)");
    });
}

bool TfmOLOption::UpdateData(bool leaving)
{
    core::AppSettings& s = Settings();
    if (!leaving) {
        if (s.OLAppName.empty())
            s.OLAppName = Detect(platform::GetOutlookExePath);
        edtOLPath->setText(ToQt(s.OLAppName.view()));
        ShowVersion(lblOLVersion, Detect(platform::GetOutlookVersion), "Unknown");
        if (s.OLDataFile.empty())
            s.OLDataFile = core::DefaultOutlookDataFile();
        edtOLDataFile->setText(ToQt(s.OLDataFile.view()));
        return true;
    }
    // A data file stands in for the Outlook program: either one lets the page go on.
    const std::string dataFile = FromQt(edtOLDataFile->text());
    if (edtOLPath->text().isEmpty() && dataFile.empty()) {
        Error("Invalid path for outlook.exe. Outlook executable not found.");
        return false;
    }
    if (!dataFile.empty() && !core::OutlookDataFileExists(dataFile)) {
        Error(ToQt("The Outlook data file " + dataFile + " cannot be found."));
        edtOLDataFile->setFocus();
        return false;
    }
    s.OLAppName = FromQt(edtOLPath->text());
    s.OLDataFile = dataFile;
    return core::LoadAndCompare(mContext.app, mContext.ui, parentWidget(), core::AppType::Outlook, core::AppType::Act);
}

}  // namespace velmora::ui

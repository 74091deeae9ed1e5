#include "TfmPDOption.h"

#include "ui/QtText.h"
#include "ui/Widgets.h"

#include "core/LoadAndCompare.h"
#include "core/PalmOptions.h"
#include "core/SessionManagers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace velmora::ui {
namespace {

struct SheetText {
    const char* sheetName;
    const char* caption;
    const char* prefix;  // of the controls' names: cbAddrFile, edtAddrFile, btnAddrBrowse
    const char* checkBox;
    const char* dialogTitle;
    const char* invalidFile;
};

constexpr SheetText kSheets[] = {
    {"tAddr", "Contacts", "Addr", "Open Palm Desktop Contacts by File Name:", "Open Palm Desktop Contacts data file",
     "Invalid Palm Desktop contacts database file, please try another one."},
    {"tDate", "Calendar", "Date", "Open Palm Desktop Calendar by File Name:", "Open Palm Desktop Calendar data file",
     "Invalid Palm Desktop calendar database file, please try another one."},
    {"tTodo", "Tasks", "Todo", "Open Palm Desktop Tasks by File Name:", "Open Palm Desktop Task data file",
     "Invalid Palm Desktop task database file, please try another one."},
    {"tMemo", "Notes", "Memo", "Open Palm Desktop Memos by File Name:", "Open Palm Desktop Memos data file",
     "Invalid Palm Desktop memo database file, please try another one."},
};

// The settings of each sheet.
struct SheetSettings {
    bool core::AppSettings::*useFile;
    model::Text<256> core::AppSettings::*fileName;
    bool core::AppSettings::*sync;
};

constexpr SheetSettings kSettings[] = {
    {&core::AppSettings::PDUseAddrFile, &core::AppSettings::PDAddrFileName, &core::AppSettings::SyncAddr},
    {&core::AppSettings::PDUseDateFile, &core::AppSettings::PDDateFileName, &core::AppSettings::SyncDate},
    {&core::AppSettings::PDUseTaskFile, &core::AppSettings::PDTaskFileName, &core::AppSettings::SyncTask},
    {&core::AppSettings::PDUseNoteFile, &core::AppSettings::PDNoteFileName, &core::AppSettings::SyncNote},
};

}  // namespace

TfmPDOption::TfmPDOption(WizardContext& context, QWidget* parent) : WizardPage(context, "fmPDOption", parent)
{
    auto* grid = OptionGrid(this);
    grid->addWidget(Named(new QLabel("Please specify Palm Desktop  access options:", this), "Label3"), 0, 0, 1, 2);
    grid->addWidget(Named(new QLabel("Palm Desktop version:", this), "Label4"), 1, 0);
    grid->addWidget(lblPDVersion = Named(new QLabel(this), "lblPDVersion"), 1, 1);
    grid->addWidget(Named(new QLabel("Select Palm User Profile :", this), "Label1"), 2, 0);
    grid->addWidget(cbPDUser = Named(new QComboBox(this), "cbPDUser"), 2, 1);
    grid->addWidget(Named(new QLabel("More Advanced Options:", this), "Label2"), 3, 0, 1, 2);
    grid->addWidget(pcMain = Named(new QTabWidget(this), "pcMain"), 4, 0, 1, 2);
    auto* note = Named(new QLabel("(The \"Open by File Name\" options are used when you are migrating Palm Desktop data "
                                  "without having the Palm Desktop installed).",
                                  this),
                       "Label5");
    note->setWordWrap(true);
    grid->addWidget(note, 5, 0, 1, 2);
    grid->setRowStretch(6, 1);
    grid->setColumnStretch(1, 1);

    for (std::size_t i = 0; i < mSheets.size(); ++i) {
        const SheetText& text = kSheets[i];
        auto* tab = Named(new QWidget(pcMain), text.sheetName);
        auto* layout = new QGridLayout(tab);
        SheetControls& c = mSheets[i];
        const QString prefix = text.prefix;
        c.useFile = new QCheckBox(text.checkBox, tab);
        c.useFile->setObjectName("cb" + prefix + "File");
        c.fileName = new QLineEdit(tab);
        c.fileName->setObjectName("edt" + prefix + "File");
        c.fileName->setMaxLength(255);
        c.browse = BrowseButton("", tab);
        c.browse->setObjectName("btn" + prefix + "Browse");
        layout->addWidget(c.useFile, 0, 0, 1, 2);
        layout->addWidget(c.fileName, 1, 0);
        layout->addWidget(c.browse, 1, 1);
        layout->setRowStretch(2, 1);
        pcMain->addTab(tab, text.caption);
        connect(c.useFile, &QCheckBox::toggled, this, [&c](bool on) {
            c.fileName->setEnabled(on);
            c.browse->setEnabled(on);
        });
        const auto sheet = static_cast<Sheet>(i);
        connect(c.browse, &QPushButton::clicked, this, [this, sheet] { Browse(sheet); });
    }
}

bool TfmPDOption::UpdateData(bool leaving)
{
    core::AppSettings& s = Settings();
    if (!leaving) {
        const core::PalmOptions palm = core::ReadPalmOptions(mContext.ui, static_cast<std::uint32_t>(s.PDUserID));
        lblPDVersion->setText(palm.Version.empty() ? QString("Not Found.") : ToQt(palm.Version));
        lblPDVersion->setStyleSheet(palm.Version.empty() ? "color: red;" : "color: blue;");

        cbPDUser->clear();
        for (const core::PalmOptions::User& user : palm.Users)
            cbPDUser->addItem(ToQt(user.Name), QVariant::fromValue(static_cast<qulonglong>(user.Id)));
        if (palm.Chosen >= 0)
            cbPDUser->setCurrentIndex(palm.Chosen);

        for (std::size_t i = 0; i < mSheets.size(); ++i) {
            const SheetSettings& setting = kSettings[i];
            pcMain->setTabVisible(static_cast<int>(i), s.*setting.sync);
            mSheets[i].useFile->setChecked(s.*setting.useFile);
            mSheets[i].fileName->setEnabled(s.*setting.useFile);
            mSheets[i].browse->setEnabled(s.*setting.useFile);
            mSheets[i].fileName->setText(ToQt((s.*setting.fileName).view()));
        }
        return true;
    }
    if (cbPDUser->currentIndex() >= 0)
        s.PDUserID = static_cast<int>(cbPDUser->currentData().toULongLong());
    for (std::size_t i = 0; i < mSheets.size(); ++i) {
        s.*kSettings[i].useFile = mSheets[i].useFile->isChecked();
        s.*kSettings[i].fileName = FromQt(mSheets[i].fileName->text());
    }
    return core::LoadAndCompare(mContext.app, mContext.ui, parentWidget(), core::AppType::PalmDesktop, core::AppType::Act);
}

void TfmPDOption::Browse(Sheet sheet)
{
    const QString file =
        BrowseFile(this, kSheets[sheet].dialogTitle, QString(),
                   "Palm Desktop 4.x Database File(*.dat) (*.dat);;Palm Desktop 6.x Database File(*.mdb) (*.mdb);;"
                   "All Files(*.*) (*.*)");
    if (!file.isEmpty())
        AcceptBrowsedFile(sheet, file);
}

void TfmPDOption::AcceptBrowsedFile(Sheet sheet, const QString& path)
{
    SheetControls& c = mSheets[sheet];
    if (!core::IsKnownPalmFile(static_cast<int>(sheet), FromQt(path))) {
        Error(kSheets[sheet].invalidFile);
        c.fileName->setFocus();
        return;
    }
    c.fileName->setText(path);
}

}  // namespace velmora::ui

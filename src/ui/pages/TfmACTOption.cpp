#include "TfmACTOption.h"

#include "ui/QtText.h"
#include "ui/Widgets.h"
#include "ui/dialogs/TfmAddrFieldMap.h"

#include "core/FieldMapping.h"
#include "core/LoadAndCompare.h"
#include "core/SessionManagers.h"
#include "platform/AppDetection.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace velmora::ui {
namespace {

std::string DetectedPad()
{
    std::string path;
    platform::FindDefaultActDatabase(path);
    return path;
}

std::string DetectedProgram()
{
    std::string path;
    platform::GetActExePath(platform::Registry::FromEnvironment(), path);
    return path;
}

}  // namespace

TfmACTOption::TfmACTOption(WizardContext& context, QWidget* parent) : WizardPage(context, "fmACTOption", parent)
{
    auto* grid = OptionGrid(this);
    grid->addWidget(Named(new QLabel("Please specify ACT! by Sage data access options:", this), "Label2"), 0, 0, 1, 3);
    grid->addWidget(Named(new QLabel("App Path:", this), "Label3"), 1, 0);
    grid->addWidget(edtAppPath = Named(new QLineEdit(this), "edtAppPath"), 1, 1);
    grid->addWidget(btnAppBrowse = BrowseButton("btnAppBrowse", this), 1, 2);
    grid->addWidget(Named(new QLabel("PAD Path:", this), "Label1"), 2, 0);
    grid->addWidget(edtPadName = Named(new QLineEdit(this), "edtPadName"), 2, 1);
    grid->addWidget(btnPadBrowse = BrowseButton("btnPadBrowse", this), 2, 2);
    auto* whatIsPad = Named(new QLabel("What is ACT! PAD?", this), "lblPad");
    whatIsPad->setToolTip("The PAD file is the file an ACT! database is opened by.");
    whatIsPad->setStyleSheet("color: #0060a0; text-decoration: underline;");
    grid->addWidget(whatIsPad, 3, 1);
    grid->addWidget(Named(new QLabel("User:", this), "Label5"), 4, 0);
    grid->addWidget(edtUserName = Named(new QLineEdit(this), "edtUserName"), 4, 1);
    grid->addWidget(Named(new QLabel("Password:", this), "Label6"), 5, 0);
    grid->addWidget(edtPassword = Named(new QLineEdit(this), "edtPassword"), 5, 1);
    edtPassword->setEchoMode(QLineEdit::Password);
    grid->addWidget(cbSaveUser = Named(new QCheckBox("Save User Name", this), "cbSaveUser"), 6, 1);
    grid->addWidget(cbSavePassword = Named(new QCheckBox("Save Password", this), "cbSavePassword"), 7, 1);
    grid->addWidget(cbFieldMap = Named(new QCheckBox("Enable ACT! Contacts User-Defined Field Mapping", this), "cbFieldMap"), 8, 1);
    grid->addWidget(btnMap = Named(new QPushButton("Setup Field Mapping  Now", this), "btnMap"), 9, 1, Qt::AlignLeft);
    grid->setRowStretch(10, 1);
    edtAppPath->setMaxLength(255);
    edtPadName->setMaxLength(255);
    edtUserName->setMaxLength(63);
    edtPassword->setMaxLength(63);

    connect(btnAppBrowse, &QPushButton::clicked, this, &TfmACTOption::BrowseApp);
    connect(btnPadBrowse, &QPushButton::clicked, this, &TfmACTOption::BrowsePad);
    connect(cbFieldMap, &QCheckBox::toggled, btnMap, &QPushButton::setEnabled);
    connect(btnMap, &QPushButton::clicked, this, &TfmACTOption::OpenFieldMap);
}

bool TfmACTOption::UpdateData(bool leaving)
{
    core::AppSettings& s = Settings();
    if (!leaving) {
        if (s.ACTPadName.empty())
            s.ACTPadName = DetectedPad();
        if (s.ACTAppName.empty())
            s.ACTAppName = DetectedProgram();
        edtAppPath->setText(ToQt(s.ACTAppName.view()));
        edtPadName->setText(ToQt(s.ACTPadName.view()));
        edtUserName->setText(ToQt(s.ACTUserName.view()));
        edtPassword->setText(ToQt(s.ACTPassword.Plain.view()));
        cbSaveUser->setChecked(s.ACTSaveUser);
        cbSavePassword->setChecked(s.ACTSavePassword);
        cbFieldMap->setEnabled(s.SyncAddr);
        cbFieldMap->setChecked(s.SyncAddr && core::MappingSwitch(s, s.SourceApp));
        btnMap->setEnabled(cbFieldMap->isChecked());
        return true;
    }
    s.ACTSaveUser = cbSaveUser->isChecked();
    s.ACTSavePassword = cbSavePassword->isChecked();
    s.ACTAppName = FromQt(edtAppPath->text());
    s.ACTPadName = FromQt(edtPadName->text());
    s.ACTUserName = FromQt(edtUserName->text());
    s.ACTPassword.Plain = FromQt(edtPassword->text()).substr(0, 63);
    if (!IsFile(edtAppPath->text())) {
        Error("The ACT! application is not found on your computer.");
        return false;
    }
    if (!IsFile(edtPadName->text())) {
        Error("Invalid ACT! Pad file name.");
        return false;
    }
    if (s.ACTUserName.empty()) {
        Error("Invalid ACT! login user name.");
        return false;
    }
    core::MappingSwitch(s, s.SourceApp) = cbFieldMap->isChecked();
    core::ApplyFieldMapping(mContext.app, s.SourceApp);
    return true;
}

void TfmACTOption::BrowseApp()
{
    const QString start = edtAppPath->text().isEmpty() ? ToQt(DetectedProgram()) : edtAppPath->text();
    const QString file = BrowseFile(this, QString(), start, "ACT! executable file (ActSage.exe) (*.exe)");
    if (!file.isEmpty())
        edtAppPath->setText(file);
}

void TfmACTOption::BrowsePad()
{
    const QString start = edtPadName->text().isEmpty() ? ToQt(DetectedPad()) : edtPadName->text();
    const QString file = BrowseFile(this, QString(), start, "ACT! Database File (*.pad)");
    if (!file.isEmpty())
        edtPadName->setText(file);
}

void TfmACTOption::OpenFieldMap()
{
    TfmAddrFieldMap dialog(Settings(), this);
    if (dialog.exec() == QDialog::Accepted)
        core::ApplyFieldMapping(mContext.app, Settings().SourceApp);
}

}  // namespace velmora::ui

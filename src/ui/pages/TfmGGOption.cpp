#include "TfmGGOption.h"

#include "ui/QtText.h"
#include "ui/Widgets.h"

#include "connectors/google/ServerAddress.h"
#include "core/LoadAndCompare.h"
#include "core/SessionManagers.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace velmora::ui {

TfmGGOption::TfmGGOption(WizardContext& context, QWidget* parent) : WizardPage(context, "fmGGOption", parent)
{
    auto* grid = OptionGrid(this);
    grid->addWidget(Named(new QLabel("Please specify Google account access options:", this), "Label1"), 0, 0, 1, 2);
    grid->addWidget(Named(new QLabel("Google Account Email:", this), "Label5"), 1, 0);
    grid->addWidget(edtEmail = Named(new QLineEdit(this), "edtEmail"), 1, 1);
    grid->addWidget(Named(new QLabel("Password:", this), "Label6"), 2, 0);
    grid->addWidget(edtPassword = Named(new QLineEdit(this), "edtPassword"), 2, 1);
    edtPassword->setEchoMode(QLineEdit::Password);
    grid->addWidget(Named(new QLabel("Server (CardDAV/CalDAV):", this), "Label7"), 3, 0);
    grid->addWidget(edtServerURL = Named(new QLineEdit(this), "edtServerURL"), 3, 1);
    edtServerURL->setPlaceholderText("https://dav.example.org (empty: the account folder)");
    grid->addWidget(cbSaveEmail = Named(new QCheckBox("Save Email", this), "cbSaveEmail"), 4, 1);
    grid->addWidget(cbSavePassword = Named(new QCheckBox("Save Password", this), "cbSavePassword"), 5, 1);
    grid->setRowStretch(6, 1);
    edtEmail->setMaxLength(63);
    edtPassword->setMaxLength(255);  // an OAuth 2 access token ("Bearer ...") is longer than a password
    edtServerURL->setMaxLength(255);
}

bool TfmGGOption::UpdateData(bool leaving)
{
    core::AppSettings& s = Settings();
    if (!leaving) {
        cbSaveEmail->setChecked(s.GGSaveEmail);
        cbSavePassword->setChecked(s.GGSavePassword);
        edtEmail->setText(ToQt(s.GGEmail.view()));
        edtPassword->setText(ToQt(s.GGPassword.Plain.view()));
        edtServerURL->setText(ToQt(s.GGServerURL.view()));
        return true;
    }
    if (edtEmail->text().isEmpty()) {
        Error("Please enter the Email address of your Google account.", platform::MessageIcon::Information);
        edtEmail->setFocus();
        return false;
    }
    if (edtPassword->text().isEmpty()) {
        Error("Please enter the password of your Google account.", platform::MessageIcon::Information);
        edtPassword->setFocus();
        return false;
    }
    const QString server = edtServerURL->text().trimmed();
    if (!server.isEmpty() && !connectors::google::ParseServerAddress(FromQt(server))) {
        Error("Invalid server address: " + server);
        edtServerURL->setFocus();
        return false;
    }
    s.GGSaveEmail = cbSaveEmail->isChecked();
    s.GGSavePassword = cbSavePassword->isChecked();
    s.GGEmail = FromQt(edtEmail->text());
    s.GGPassword.Plain = FromQt(edtPassword->text());
    s.GGServerURL = FromQt(server);
    return core::LoadAndCompare(mContext.app, mContext.ui, parentWidget(), core::AppType::Google, core::AppType::Act);
}

}  // namespace velmora::ui

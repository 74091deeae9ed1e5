#include "TfmFinish.h"

#include "ui/QtText.h"
#include "ui/TfmMain.h"
#include "ui/Widgets.h"

#include "platform/OpenDocument.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace velmora::ui {

TfmFinish::TfmFinish(WizardContext& context, QWidget* parent) : WizardPage(context, "fmFinish", parent)
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(60, 30, 60, 30);
    grid->setVerticalSpacing(14);
    auto* title = Named(new QLabel("Information Migration Completed:", this), "Label1");
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    grid->addWidget(title, 0, 0, 1, 2);
    const std::pair<const char*, const char*> rows[] = {{"Label2", "Number of Contact Records Migrated:"},
                                                        {"Label3", "Number of Calendar Records Migrated:"},
                                                        {"Label4", "Number of Task Records Migrated:"},
                                                        {"Label6", "Number of Notes Records Migrated:"}};
    QLabel** counts[] = {&lblAddrCount, &lblDateCount, &lblTaskCount, &lblNoteCount};
    const char* countNames[] = {"lblAddrCount", "lblDateCount", "lblTaskCount", "lblNoteCount"};
    for (int i = 0; i < 4; ++i) {
        grid->addWidget(Named(new QLabel(rows[i].second, this), rows[i].first), i + 1, 0);
        *counts[i] = Named(new QLabel("0", this), countNames[i]);
        grid->addWidget(*counts[i], i + 1, 1);
    }
    auto* log = Named(new QPushButton("View Migration Log", this), "btnLog");
    auto* act = Named(new QPushButton("Open ACT!", this), "btnACT");
    auto* again = Named(new QPushButton("New Migration", this), "btnNew");
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(12);
    for (QPushButton* button : {log, act, again}) {
        button->setMinimumWidth(150);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    grid->addLayout(buttons, 6, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(7, 1);

    connect(log, &QPushButton::clicked, this, [] {
        std::string folder;
        if (core::GetDataFolder(folder))
            platform::OpenDocument(folder + "VLLog.txt");
    });
    connect(act, &QPushButton::clicked, this, [this] { platform::OpenDocument(std::string(Settings().ACTAppName.view())); });
    connect(again, &QPushButton::clicked, this, [this] { mContext.main.RestartWizard(); });
}

bool TfmFinish::UpdateData(bool leaving)
{
    if (leaving)
        return true;
    const core::AppSettings& s = Settings();
    const core::Session& session = mContext.app.Session;
    // What was submitted successfully, not what was chosen.
    lblAddrCount->setText(QString::number(s.SyncAddr ? session.Migrated[0] : 0));
    lblDateCount->setText(QString::number(s.SyncDate ? session.Migrated[1] : 0));
    lblTaskCount->setText(QString::number(s.SyncTask ? session.Migrated[2] : 0));
    lblNoteCount->setText(QString::number(s.SyncNote ? session.Migrated[3] : 0));
    return true;
}

}  // namespace velmora::ui

#include "TfmFinish.h"

#include "ui/QtText.h"
#include "ui/TfmMain.h"
#include "ui/Widgets.h"

#include "core/UndoMigration.h"
#include "platform/OpenDocument.h"

#include <QGridLayout>
#include <QMessageBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

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
    btnUndo = Named(new QPushButton("Undo Migration", this), "btnUndo");
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(12);
    for (QPushButton* button : {log, act, btnUndo, again}) {
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
    connect(btnUndo, &QPushButton::clicked, this, &TfmFinish::UndoMigration);
}

void TfmFinish::UndoMigration()
{
    core::Session& session = mContext.app.Session;
    std::vector<connectors::ActMigration> migrations;
    if (session.LastMigration.empty() || !core::ListMigrations(mContext.app, mContext.ui, this, migrations))
        return;
    const auto migration = std::find_if(migrations.begin(), migrations.end(),
                                        [&](const connectors::ActMigration& m) { return m.Id == session.LastMigration; });
    if (migration == migrations.end() || migration->Undone) {
        Error("There is nothing to undo: the migration was undone already or is no longer in the journal of the ACT! "
              "database.");
        UpdateData(false);
        return;
    }
    if (QMessageBox::question(this, "Undo Migration", ToQt(core::UndoQuestion(*migration)),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return;
    core::UndoOutcome outcome;
    core::UndoMigration(mContext.app, mContext.ui, parentWidget(), session.LastMigration, outcome);
    UpdateData(false);
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
    const auto& migrated = session.Migrated;
    btnUndo->setEnabled(!session.LastMigration.empty() &&
                        std::any_of(migrated.begin(), migrated.end(), [](std::size_t n) { return n > 0; }));
    return true;
}

}  // namespace velmora::ui

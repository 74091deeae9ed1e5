#include "TfmSource.h"

#include "ui/TfmMain.h"
#include "ui/Widgets.h"

#include "core/SessionManagers.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace velmora::ui {
TfmSource::TfmSource(WizardContext& context, QWidget* parent) : WizardPage(context, "fmSource", parent)
{
    auto* apps = new QGroupBox(" Choose which application data you need to migrate to ACT!", this);
    rbtnGG = Named(new QRadioButton("Gmail and Google Calendar", apps), "rbtnGG");
    rbtnLN = Named(new QRadioButton("Lotus Notes", apps), "rbtnLN");
    rbtnOL = Named(new QRadioButton("Microsoft Outlook", apps), "rbtnOL");
    rbtnPD = Named(new QRadioButton("Palm Desktop", apps), "rbtnPD");
    auto* appGrid = new QGridLayout(apps);
    appGrid->setContentsMargins(24, 20, 24, 20);
    appGrid->setVerticalSpacing(16);
    appGrid->addWidget(rbtnGG, 0, 0);
    appGrid->addWidget(rbtnLN, 0, 1);
    appGrid->addWidget(rbtnOL, 1, 0);
    appGrid->addWidget(rbtnPD, 1, 1);

    auto* types = new QGroupBox("Choose which types of data you need to migrate to ACT!", this);
    cbAddr = Named(new QCheckBox("Contacts", types), "cbAddr");
    cbDate = Named(new QCheckBox("Calendar", types), "cbDate");
    cbTask = Named(new QCheckBox("Tasks", types), "cbTask");
    cbNote = Named(new QCheckBox("Notes", types), "cbNote");
    auto* typeRow = new QHBoxLayout(types);
    typeRow->setContentsMargins(24, 20, 24, 20);
    for (QCheckBox* box : {cbAddr, cbDate, cbTask, cbNote})
        typeRow->addWidget(box);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 30, 40, 30);
    layout->setSpacing(24);
    layout->addWidget(apps);
    layout->addWidget(types);
    layout->addStretch();

    for (QRadioButton* button : {rbtnGG, rbtnLN, rbtnOL, rbtnPD})
        connect(button, &QRadioButton::clicked, this, &TfmSource::ApplySourceRule);
}

void TfmSource::ApplySourceRule()
{
    const bool google = rbtnGG->isChecked();
    for (QCheckBox* box : {cbTask, cbNote}) {
        box->setEnabled(!google);
        if (google)
            box->setChecked(false);
    }
}

bool TfmSource::UpdateData(bool leaving)
{
    core::AppSettings& s = Settings();
    if (!leaving) {
        switch (s.SourceApp) {
        case core::AppType::LotusNotes: rbtnLN->setChecked(true); break;
        case core::AppType::Outlook: rbtnOL->setChecked(true); break;
        case core::AppType::PalmDesktop: rbtnPD->setChecked(true); break;
        default: rbtnGG->setChecked(true); break;
        }
        cbAddr->setChecked(s.SyncAddr);
        cbDate->setChecked(s.SyncDate);
        cbTask->setChecked(s.SyncTask);
        cbNote->setChecked(s.SyncNote);
        ApplySourceRule();
        return true;
    }
    s.SourceApp = rbtnGG->isChecked()   ? core::AppType::Google
                  : rbtnLN->isChecked() ? core::AppType::LotusNotes
                  : rbtnOL->isChecked() ? core::AppType::Outlook
                  : rbtnPD->isChecked() ? core::AppType::PalmDesktop
                                        : core::AppType::Google;
    s.SyncAddr = cbAddr->isChecked();
    s.SyncDate = cbDate->isChecked();
    s.SyncTask = cbTask->isChecked();
    s.SyncNote = cbNote->isChecked();
    if (!s.SyncAddr && !s.SyncDate && !s.SyncTask && !s.SyncNote) {
        Error("Please migrate at least one type of application data.");
        return false;
    }
    mContext.main.SetPageCount();
    return true;
}

}  // namespace velmora::ui

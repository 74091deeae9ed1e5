#pragma once

#include "ui/WizardPage.h"

class QLabel;
class QPushButton;

namespace velmora::ui {

// The last position: how many records of each type were handed to ACT!, the migration log,
// ACT! itself, undoing the migration, and a new migration.
class TfmFinish : public WizardPage {
    Q_OBJECT

public:
    TfmFinish(WizardContext& context, QWidget* parent);
    bool UpdateData(bool leaving) override;

    // Asks, then takes the migration back out of ACT!.
    void UndoMigration();

private:
    QLabel *lblAddrCount, *lblDateCount, *lblTaskCount, *lblNoteCount;
    QPushButton* btnUndo;
};

}  // namespace velmora::ui

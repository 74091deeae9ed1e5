#pragma once

#include "ui/WizardPage.h"

class QLabel;

namespace velmora::ui {

// The last position: how many records of each type were handed to ACT!, the migration log,
// ACT! itself and a new migration.
class TfmFinish : public WizardPage {
    Q_OBJECT

public:
    TfmFinish(WizardContext& context, QWidget* parent);
    bool UpdateData(bool leaving) override;

private:
    QLabel *lblAddrCount, *lblDateCount, *lblTaskCount, *lblNoteCount;
};

}  // namespace velmora::ui

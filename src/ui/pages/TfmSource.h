#pragma once

#include "ui/WizardPage.h"

class QCheckBox;
class QRadioButton;

namespace velmora::ui {

// Position 0: the application to migrate from and the data types to migrate. Google offers
// contacts and calendar only, so its Tasks and Notes boxes are unchecked and disabled.
class TfmSource : public WizardPage {
    Q_OBJECT

public:
    TfmSource(WizardContext& context, QWidget* parent);
    bool UpdateData(bool leaving) override;
    void ApplySourceRule();

private:
    QRadioButton *rbtnGG, *rbtnLN, *rbtnOL, *rbtnPD;
    QCheckBox *cbAddr, *cbDate, *cbTask, *cbNote;
};

}  // namespace velmora::ui

#pragma once

#include "ui/WizardPage.h"

class QCheckBox;
class QLineEdit;

namespace velmora::ui {

// Position 2 for Google: the account, its password and, when the account is on a CardDAV/CalDAV
// server, the server's address. Leaving stores them and runs the loading step (ACT!, then
// Google, compared with ACT!).
class TfmGGOption : public WizardPage {
    Q_OBJECT

public:
    TfmGGOption(WizardContext& context, QWidget* parent);
    bool UpdateData(bool leaving) override;

private:
    QLineEdit *edtEmail, *edtPassword, *edtServerURL;
    QCheckBox *cbSaveEmail, *cbSavePassword;
};

}  // namespace velmora::ui

#pragma once

#include "ui/WizardPage.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace velmora::ui {

// Position 1: the ACT! program, the database (PAD file), the login and the switch for the
// source's custom-field mapping. Leaving validates the paths and the user name; nothing loads.
class TfmACTOption : public WizardPage {
    Q_OBJECT

public:
    TfmACTOption(WizardContext& context, QWidget* parent);
    bool UpdateData(bool leaving) override;

private:
    void BrowseApp();
    void BrowsePad();
    void OpenFieldMap();

    QLineEdit *edtAppPath, *edtPadName, *edtUserName, *edtPassword;
    QPushButton *btnAppBrowse, *btnPadBrowse, *btnMap;
    QCheckBox *cbSaveUser, *cbSavePassword, *cbFieldMap;
};

}  // namespace velmora::ui

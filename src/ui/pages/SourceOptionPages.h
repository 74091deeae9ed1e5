#pragma once

#include "ui/WizardPage.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace velmora::ui {

// Position 2 for Lotus Notes: the Notes program (with its version), the password and the user
// ID file. Nothing loads yet.
class TfmLNOption1 : public WizardPage {
    Q_OBJECT

public:
    TfmLNOption1(WizardContext& context, QWidget* parent);
    bool UpdateData(bool leaving) override;

private:
    QLineEdit *edtNotesPath, *edtLNPassword, *edtIDFile;
    QLabel* lblNotesVersion;
    QCheckBox *cbLNPassword, *cbLNSavePassword;
};

// Position 3 for Lotus Notes: the address book, the mail database and the notebook. Leaving runs
// the loading step. The notebook controls are hidden while the notebook switch is off.
class TfmLNOption2 : public WizardPage {
    Q_OBJECT

public:
    TfmLNOption2(WizardContext& context, QWidget* parent);
    bool UpdateData(bool leaving) override;
    void SetNotebookShown(bool shown);

private:
    QLineEdit *edtLNAddrPath, *edtLNDBPath, *edtLNNotePath;
    QPushButton *btnLNAddrBrowse, *btnLNNoteBrowse;
    QLabel* lblNotesLabel;
    bool mNotebookShown = true;
};

// Position 2 for Outlook: the Outlook program and its version. Leaving runs the loading step.
class TfmOLOption : public WizardPage {
    Q_OBJECT

public:
    TfmOLOption(WizardContext& context, QWidget* parent);
    bool UpdateData(bool leaving) override;

private:
    QLineEdit* edtOLPath;
    QLabel* lblOLVersion;
    QLineEdit* edtOLDataFile;
};

}  // namespace velmora::ui

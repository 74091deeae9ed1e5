#pragma once

#include "ui/WizardPage.h"

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace velmora::ui {

// Position 2 for Palm Desktop: the Palm user whose data is read, and per data type a file to
// read instead (for data copied from a machine with Palm Desktop). Leaving runs the loading step.
class TfmPDOption : public WizardPage {
    Q_OBJECT

public:
    // The sheets, in data-type order: contacts, calendar, tasks, notes.
    enum Sheet { Addr, Date, Todo, Memo };

    TfmPDOption(WizardContext& context, QWidget* parent);
    bool UpdateData(bool leaving) override;

    // Takes a file chosen with a sheet's "..." button: a file no Palm reader of that data type
    // knows is refused with a message and the edit keeps its text.
    void AcceptBrowsedFile(Sheet sheet, const QString& path);

private:
    struct SheetControls {
        QCheckBox* useFile;
        QLineEdit* fileName;
        QPushButton* browse;
    };
    void Browse(Sheet sheet);

    QLabel* lblPDVersion;
    QComboBox* cbPDUser;
    QTabWidget* pcMain;
    std::array<SheetControls, 4> mSheets{};
};

}  // namespace velmora::ui

#pragma once

#include "QtUiHost.h"
#include "WizardPage.h"

#include "core/AppCommon.h"

#include <QWidget>

#include <memory>

class QPushButton;

namespace velmora::ui {

class HeaderBand;

// The wizard's only top-level window (794 x 594, not resizable): the header band, the page area
// showing one page at a time, and the footer with Options, Prev, Next and Close. The page order
// depends on the source application; moving forward asks the current page to validate and store
// itself (and, on the last option page and the preview page, to load or to migrate).
// Construction runs the application's start-up, destruction its shut-down (settings saved).
class TfmMain : public QWidget {
    Q_OBJECT

public:
    explicit TfmMain(core::AppContext& app);
    ~TfmMain() override;

    void SetPageCount();
    void GoNext();
    void GoBack();
    void RestartWizard();
    void ShowCurrentPage();
    void ShowDebugOptions();
    void ShowErrorReport(const QString& message);

    int PageIndex() const { return mPageIndex; }
    int PageCount() const { return mPageCount; }
    // The page at a position for the current source, or null.
    WizardPage* PageAt(int index) const;
    QtUiHost& Ui() { return *mUi; }
    core::AppContext& App() { return mApp; }

private:
    void CreatePages();

    core::AppContext& mApp;
    std::unique_ptr<QtUiHost> mUi;
    std::unique_ptr<WizardContext> mContext;
    HeaderBand* mHeader = nullptr;
    QWidget* mClient = nullptr;
    QPushButton* mOption = nullptr;
    QPushButton* mPrev = nullptr;
    QPushButton* mNext = nullptr;
    QPushButton* mClose = nullptr;
    int mPageIndex = 0;
    int mPageCount = 0;

    WizardPage* fmSource = nullptr;
    WizardPage* fmACTOption = nullptr;
    WizardPage* fmGGOption = nullptr;
    WizardPage* fmLNOption1 = nullptr;
    WizardPage* fmLNOption2 = nullptr;
    WizardPage* fmOLOption = nullptr;
    WizardPage* fmPDOption = nullptr;
    WizardPage* fmGGData = nullptr;
    WizardPage* fmLNData = nullptr;
    WizardPage* fmOLData = nullptr;
    WizardPage* fmPDData = nullptr;
    WizardPage* fmFinish = nullptr;
};

}  // namespace velmora::ui

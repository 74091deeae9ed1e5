#include "TfmMain.h"

#include "HeaderBand.h"
#include "dialogs/TfmDebug.h"
#include "dialogs/TfmDump.h"
#include "pages/DataPage.h"
#include "pages/TfmACTOption.h"
#include "pages/TfmFinish.h"
#include "pages/TfmGGOption.h"
#include "pages/TfmPDOption.h"
#include "pages/SourceOptionPages.h"
#include "pages/TfmSource.h"

#include "core/SessionManagers.h"
#include "platform/OpenDocument.h"

#include <QPushButton>
#include <QStackedLayout>
#include <QVBoxLayout>

namespace velmora::ui {
namespace {

constexpr const char* kHelpAddress = "https://velmora.example/help/act-migration";

QPushButton* FooterButton(const char* name, const QString& caption, QWidget* parent, int x)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(x, 16, 80, 27);
    return button;
}

}  // namespace

TfmMain::TfmMain(core::AppContext& app) : QWidget(nullptr), mApp(app)
{
    setObjectName("fmMain");
    setWindowTitle("Velmora for ACT!");
    setFixedSize(794, 594);
    mUi = std::make_unique<QtUiHost>(this, [this](const QString& message) { ShowErrorReport(message); });
    mContext = std::make_unique<WizardContext>(WizardContext{mApp, *mUi, *this});

    mHeader = new HeaderBand(this);
    mClient = new QWidget(this);
    mClient->setObjectName("pClient");
    mClient->setLayout(new QStackedLayout);
    auto* bottom = new QWidget(this);
    bottom->setObjectName("pBottom");
    bottom->setFixedHeight(60);
    mOption = FooterButton("btnOption", "&Options", bottom, 16);
    mPrev = FooterButton("btnPrev", "< &Prev", bottom, 794 - 16 - 80 - 2 * 88 - 16);
    mNext = FooterButton("btnNext", "&Next >", bottom, 794 - 16 - 80 - 88 - 16);
    mClose = FooterButton("btnClose", "&Close", bottom, 794 - 16 - 80);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(mHeader);
    layout->addWidget(mClient, 1);
    layout->addWidget(bottom);

    connect(mNext, &QPushButton::clicked, this, &TfmMain::GoNext);
    connect(mPrev, &QPushButton::clicked, this, &TfmMain::GoBack);
    connect(mClose, &QPushButton::clicked, this, &QWidget::close);
    connect(mOption, &QPushButton::clicked, this, &TfmMain::ShowDebugOptions);
    connect(mHeader->HelpButton(), &QPushButton::clicked, this, [] { platform::OpenDocument(kHelpAddress); });

    core::AppStartup(mApp);
    CreatePages();
    mPageIndex = 0;
    ShowCurrentPage();
}

TfmMain::~TfmMain()
{
    core::AppShutdown(mApp);
}

void TfmMain::CreatePages()
{
    auto* stack = static_cast<QStackedLayout*>(mClient->layout());
    const auto add = [&](WizardPage* page) {
        stack->addWidget(page);
        page->hide();
        return page;
    };
    fmSource = add(new TfmSource(*mContext, mClient));
    fmSource->UpdateData(false);
    fmACTOption = add(new TfmACTOption(*mContext, mClient));
    fmGGOption = add(new TfmGGOption(*mContext, mClient));
    fmLNOption1 = add(new TfmLNOption1(*mContext, mClient));
    auto* lotus2 = new TfmLNOption2(*mContext, mClient);
    lotus2->SetNotebookShown(false);
    fmLNOption2 = add(lotus2);
    fmOLOption = add(new TfmOLOption(*mContext, mClient));
    fmPDOption = add(new TfmPDOption(*mContext, mClient));
    fmGGData = add(new DataPage(*mContext, "fmGGData", core::AppType::Google, mClient));
    fmLNData = add(new DataPage(*mContext, "fmLNData", core::AppType::LotusNotes, mClient));
    fmOLData = add(new DataPage(*mContext, "fmOLData", core::AppType::Outlook, mClient));
    fmPDData = add(new DataPage(*mContext, "fmPDData", core::AppType::PalmDesktop, mClient));
    fmFinish = add(new TfmFinish(*mContext, mClient));
}

void TfmMain::SetPageCount()
{
    mPageCount = mApp.Settings.SourceApp == core::AppType::LotusNotes ? 6 : 5;
}

WizardPage* TfmMain::PageAt(int index) const
{
    if (index == 0)
        return fmSource;
    if (index == mPageCount - 1)
        return fmFinish;
    if (index == 1)
        return fmACTOption;
    switch (mApp.Settings.SourceApp) {
    case core::AppType::Google: return index == 2 ? fmGGOption : fmGGData;
    case core::AppType::Outlook: return index == 2 ? fmOLOption : fmOLData;
    case core::AppType::LotusNotes: return index == 2 ? fmLNOption1 : index == 3 ? fmLNOption2 : fmLNData;
    case core::AppType::PalmDesktop: return index == 2 ? fmPDOption : fmPDData;
    default: return nullptr;
    }
}

void TfmMain::ShowCurrentPage()
{
    auto* stack = static_cast<QStackedLayout*>(mClient->layout());
    for (int i = 0; i < stack->count(); ++i)
        stack->widget(i)->hide();
    mHeader->SetSource(mApp.Settings.SourceApp);
    if (mPageIndex == 0) {
        mPrev->setEnabled(false);
        mPrev->setText("< Prev");
        mNext->setEnabled(true);
        mNext->setText("Next >");
    } else if (mPageIndex == mPageCount - 1) {
        mPrev->setEnabled(true);
        mPrev->setText("Restart");
        mNext->setEnabled(false);
        mClose->setText("Finish");
    } else {
        mPrev->setEnabled(true);
        mNext->setEnabled(true);
        mNext->setText("Next >");
    }
    if (WizardPage* page = PageAt(mPageIndex)) {
        stack->setCurrentWidget(page);
        page->show();
    }
}

void TfmMain::GoNext()
{
    if (mPageIndex == 0) {
        if (!fmSource->UpdateData(true))
            return;
        mPageIndex = 1;
        ShowCurrentPage();
        fmACTOption->UpdateData(false);
        return;
    }
    if (mPageIndex == mPageCount - 1)
        return;
    WizardPage* page = PageAt(mPageIndex);
    if (page == nullptr || !page->UpdateData(true))
        return;
    if (WizardPage* next = PageAt(mPageIndex + 1))
        next->UpdateData(false);
    ++mPageIndex;
    ShowCurrentPage();
}

void TfmMain::GoBack()
{
    if (mPageIndex + 1 == mPageCount) {
        mPageIndex = 0;
        ShowCurrentPage();
    } else if (mPageIndex > 0) {
        --mPageIndex;
        ShowCurrentPage();
    }
}

void TfmMain::RestartWizard()
{
    mPageIndex = 0;
    ShowCurrentPage();
}

void TfmMain::ShowDebugOptions()
{
    TfmDebug dialog(mApp, this);
    dialog.exec();
}

void TfmMain::ShowErrorReport(const QString& message)
{
    TfmDump dialog(mApp, message, [this] { ShowDebugOptions(); }, this);
    if (dialog.exec() == TfmDump::QuitResult)
        close();
}

}  // namespace velmora::ui

#include "WizardPage.h"

#include "QtText.h"

namespace velmora::ui {

WizardPage::WizardPage(WizardContext& context, const char* objectName, QWidget* parent)
    : QWidget(parent), mContext(context)
{
    setObjectName(objectName);
}

void WizardPage::Error(const QString& text, platform::MessageIcon icon)
{
    mContext.ui.ShowMessage(this, "Error", FromQt(text), icon);
}

}  // namespace velmora::ui

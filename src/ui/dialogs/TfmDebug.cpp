#include "TfmDebug.h"

#include "DebugInfoBox.h"

#include "ui/Widgets.h"

#include "diagnostics/CxDebugUtil.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora::ui {

TfmDebug::TfmDebug(core::AppContext& app, QWidget* parent) : QDialog(parent), mApp(app)
{
    setObjectName("fmDebug");
    setWindowTitle("Velmora Debug Log Options");
    cbEnable = Named(new QCheckBox("Enable Debug Log", this), "cbEnable");
    cbxLevel = Named(new QComboBox(this), "cbxLevel");
    cbxLevel->addItem("Critical - Only log critical error information.", 0);
    cbxLevel->addItem("High - Log high level debug information.", 1);
    cbxLevel->addItem("Low - Log very detail debug information.", 3);
    cbEnable->setChecked(app.Settings.EnableDebug);
    cbxLevel->setCurrentIndex(app.Settings.LogLevel == 0 ? 0 : app.Settings.LogLevel == 1 ? 1 : 2);

    auto* levelRow = new QHBoxLayout;
    levelRow->addWidget(Named(new QLabel("Set Debug Level:", this), "Label1"));
    levelRow->addWidget(cbxLevel, 1);
    auto* buttons = new QDialogButtonBox(this);
    auto* ok = Named(buttons->addButton("&OK", QDialogButtonBox::AcceptRole), "btnOK");
    Named(buttons->addButton("&Cancel", QDialogButtonBox::RejectRole), "btnCancel");
    connect(ok, &QPushButton::clicked, this, [this] {
        mApp.Settings.EnableDebug = cbEnable->isChecked();
        mApp.Settings.LogLevel = cbxLevel->currentData().toInt();
        auto& log = diagnostics::CxDebugUtil::Instance();
        log.SetEnabled(mApp.Settings.EnableDebug);
        log.SetLevel(mApp.Settings.LogLevel);
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ProductLogo(this));
    layout->addWidget(cbEnable);
    layout->addLayout(levelRow);
    layout->addWidget(new DebugInfoBox(this));
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace velmora::ui

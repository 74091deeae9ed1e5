#pragma once

#include "core/AppCommon.h"
#include "QtUiHost.h"

#include <QWidget>

namespace velmora::ui {

class TfmMain;

// What every page reaches: the run's settings and session, the UI host, and the main window.
struct WizardContext {
    core::AppContext& app;
    QtUiHost& ui;
    TfmMain& main;
};

// A page of the wizard. UpdateData(false) fills it (from the settings or the loaded records);
// UpdateData(true) reads, validates and stores it and runs its session step, refusing (false,
// after telling the user why) when the wizard may not move on.
class WizardPage : public QWidget {
    Q_OBJECT

public:
    WizardPage(WizardContext& context, const char* objectName, QWidget* parent);
    virtual bool UpdateData(bool leaving) = 0;

protected:
    core::AppSettings& Settings() { return mContext.app.Settings; }
    void Error(const QString& text, platform::MessageIcon icon = platform::MessageIcon::Error);

    WizardContext& mContext;
};

}  // namespace velmora::ui

#pragma once

#include "core/AppCommon.h"

#include <QDialog>

class QCheckBox;
class QComboBox;

namespace velmora::ui {

// The debug log options: on or off, and the level (Critical 0, High 1, Low 3). OK applies them
// to the debug log at once; Cancel changes nothing.
class TfmDebug : public QDialog {
    Q_OBJECT

public:
    TfmDebug(core::AppContext& app, QWidget* parent);

private:
    core::AppContext& mApp;
    QCheckBox* cbEnable;
    QComboBox* cbxLevel;
};

}  // namespace velmora::ui

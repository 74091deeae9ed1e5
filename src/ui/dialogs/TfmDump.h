#pragma once

#include "core/AppCommon.h"

#include <QDialog>

#include <functional>

namespace velmora::ui {

// The error report shown after an unexpected failure: what happened, where to write to, the
// debug log's whereabouts. "Quit Velmora" ends the program through the main window's normal
// close (the settings are saved).
class TfmDump : public QDialog {
    Q_OBJECT

public:
    static constexpr int QuitResult = 2;

    TfmDump(core::AppContext& app, const QString& message, std::function<void()> debugOptions, QWidget* parent);
};

}  // namespace velmora::ui

#pragma once

#include "core/AppSettings.h"

#include <QDialog>

#include <array>

class QComboBox;
class QLabel;
class QTabWidget;

namespace velmora::ui {

// The modal dialog that maps the source's contact fields onto the nine ACT! custom slots. Only
// the sheet of the chosen source is shown; OK stores the nine keys, Cancel changes nothing.
class TfmAddrFieldMap : public QDialog {
    Q_OBJECT

public:
    TfmAddrFieldMap(core::AppSettings& settings, QWidget* parent);
    bool UpdateData(bool leaving);

private:
    core::AppSettings& mSettings;
    QLabel* lblTitle;
    QLabel* lblTopLine1;
    QTabWidget* pMap;
    // The nine lists of each sheet, by source (Google, Lotus Notes, Outlook, Palm Desktop).
    std::array<std::array<QComboBox*, 9>, 4> mLists{};
    std::array<std::array<QLabel*, 2>, 4> mDetailLines{};
};

}  // namespace velmora::ui

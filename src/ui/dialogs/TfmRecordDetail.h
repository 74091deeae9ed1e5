#pragma once

#include "core/detail/RecordDetail.h"

#include <QDialog>

namespace velmora::ui {

// The frame every record detail dialog shares: a fixed-size window centred on the screen, a
// header band with the source's mark, the header sentence and "&Close", the fields above the
// tabs and the page control. It shows what it is given and keeps nothing the user types.
class TfmRecordDetail : public QDialog {
    Q_OBJECT

public:
    TfmRecordDetail(const core::RecordDetail& detail, QWidget* owner);
};

}  // namespace velmora::ui

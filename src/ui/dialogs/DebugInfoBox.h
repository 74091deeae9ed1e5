#pragma once

#include <QGroupBox>

class QLineEdit;
class QPushButton;

namespace velmora::ui {

// The " Debug Information " box of the debug options and error report dialogs: the log folder
// and the log file (read-only, light green), each with a button that opens it.
class DebugInfoBox : public QGroupBox {
    Q_OBJECT

public:
    DebugInfoBox(QWidget* parent, const QString& intro = {});

private:
    QLineEdit *edtFolder, *edtFile;
    QPushButton *btnFolder, *btnFile;
};

// The product logo; a click opens the product's home page.
QWidget* ProductLogo(QWidget* parent);

}  // namespace velmora::ui

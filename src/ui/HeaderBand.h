#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace velmora::ui {

// The mark of a source application (Google, Outlook, Lotus Notes, Palm Desktop): its name in a
// rounded frame, as the header bands show it.
QLabel* SourceMark(QWidget* parent);
QString SourceName(int sourceApp);

// The white band at the top of the main window: the product name, the chosen source
// application's mark, an arrow and ACT!, and the Help button at the right.
class HeaderBand : public QWidget {
    Q_OBJECT

public:
    explicit HeaderBand(QWidget* parent);
    void SetSource(int sourceApp);
    QPushButton* HelpButton() const { return mHelp; }

private:
    QLabel* mText;
    QWidget* mArrow;
    QLabel* mApp;
    QPushButton* mHelp;
};

}  // namespace velmora::ui

#include "HeaderBand.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

namespace velmora::ui {
namespace {

// An arrow pointing from the source to ACT!.
class Arrow : public QWidget {
public:
    explicit Arrow(QWidget* parent) : QWidget(parent) { setObjectName("imgArrow"); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const int mid = height() / 2;
        QPainterPath path;
        path.moveTo(4, mid - 5);
        path.lineTo(width() - 22, mid - 5);
        path.lineTo(width() - 22, mid - 14);
        path.lineTo(width() - 4, mid);
        path.lineTo(width() - 22, mid + 14);
        path.lineTo(width() - 22, mid + 5);
        path.lineTo(4, mid + 5);
        path.closeSubpath();
        painter.fillPath(path, QColor(0, 128, 192));
    }
};

}  // namespace

QString SourceName(int sourceApp)
{
    switch (sourceApp) {
    case 3: return "Outlook";
    case 4: return "Lotus Notes";
    case 5: return "Palm Desktop";
    default: return "Google";
    }
}

QLabel* SourceMark(QWidget* parent)
{
    auto* mark = new QLabel(parent);
    mark->setObjectName("imgApp");
    mark->setAlignment(Qt::AlignCenter);
    mark->setStyleSheet("QLabel { border: 2px solid #0080c0; border-radius: 8px; color: #00609a;"
                        " font-size: 12pt; font-weight: bold; }");
    return mark;
}

HeaderBand::HeaderBand(QWidget* parent) : QWidget(parent)
{
    setObjectName("pTop");
    setFixedHeight(100);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    mText = new QLabel(this);
    mText->setObjectName("imgText");
    mText->setText("<span style='font-size:22pt; font-weight:bold; color:#00609a'>Velmora</span>"
                   "<br><span style='font-size:10pt; color:#505050'>migration wizard for ACT!</span>");
    mText->setGeometry(24, 18, 260, 64);

    mApp = SourceMark(this);
    mApp->setGeometry(330, 30, 150, 40);

    mArrow = new Arrow(this);
    mArrow->setGeometry(490, 30, 70, 40);

    auto* act = new QLabel("ACT!", this);
    act->setObjectName("lblACT");
    act->setAlignment(Qt::AlignCenter);
    act->setGeometry(570, 30, 90, 40);
    act->setStyleSheet("QLabel { background: #0080c0; border-radius: 8px; color: white; font-size: 14pt;"
                       " font-weight: bold; }");

    mHelp = new QPushButton("Help", this);
    mHelp->setObjectName("btnHelp");
    mHelp->setGeometry(794 - 80 - 16, 36, 80, 27);
    SetSource(2);
}

void HeaderBand::SetSource(int sourceApp)
{
    mApp->setText(SourceName(sourceApp));
}

}  // namespace velmora::ui

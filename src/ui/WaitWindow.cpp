#include "WaitWindow.h"

#include "platform/ConsoleUiHost.h"
#include "QtText.h"

#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace velmora::ui {

WaitWindow::WaitWindow(QWidget* owner) : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName("CommWaitWindow");
    setFixedSize(480, 150);
    setAttribute(Qt::WA_ShowWithoutActivating);
    connect(&mTimer, &QTimer::timeout, this, &WaitWindow::Tick);
}

void WaitWindow::Start()
{
    mText.clear();
    mStatusFile.clear();
    mTicks = 0;
    mElapsed.start();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    move(screen.center() - rect().center());
    show();
    raise();
    mTimer.start(100);
}

void WaitWindow::Stop()
{
    mTimer.stop();
    mStatusFile.clear();
    hide();
}

void WaitWindow::SetText(const QString& text)
{
    mText = text.left(1023);
    update();
}

void WaitWindow::Watch(const QString& path)
{
    QFile::remove(path);
    mStatusFile = path;
}

void WaitWindow::Tick()
{
    ++mTicks;
    if (!mStatusFile.isEmpty()) {
        const std::string status = platform::ReadStatusLine(mStatusFile.toStdString());
        if (!status.empty())
            mText = ToQt(status);
    }
    repaint();
}

void WaitWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(QColor(0xC0, 0xC0, 0xC0));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    QFont bold("Verdana");
    bold.setPixelSize(13);
    bold.setBold(true);
    QFont normal = bold;
    normal.setBold(false);
    painter.setPen(Qt::black);
    painter.setFont(bold);
    painter.drawText(QRect(20, 0, width() - 40, 50), Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
                     painter.fontMetrics().elidedText(mText, Qt::ElideRight, width() - 40));
    painter.drawText(QRect(20, 30, 120, 50), Qt::AlignVCenter | Qt::AlignLeft, "Time Elapsed:");
    painter.setFont(normal);
    painter.drawText(QRect(140, 30, 200, 50), Qt::AlignVCenter | Qt::AlignLeft,
                     QString("%1 seconds").arg(mElapsed.isValid() ? mElapsed.elapsed() / 1000 : 0));
    // Blocks of 20 x 12, 5 apart; the row fills and starts again.
    const int capacity = (width() - 40) / 25 + 1;
    const int blocks = mTicks % capacity;
    for (int i = 0; i < blocks; ++i)
        painter.fillRect(20 + i * 25, 100, 20, 12, QColor(0, 128, 192));
}

}  // namespace velmora::ui

#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QTimer>
#include <QWidget>

namespace velmora::ui {

// The small window shown while helpers run and readers load: the main text in bold, the time
// elapsed, and a row of progress blocks that fills and starts again. Every 100 ms it reads the
// first line of the watched status file, when there is one, and shows it as the main text.
// It lives on the GUI thread and paints while the core waits, because the core's waits go
// through the UI host's Pause and ProcessEvents.
class WaitWindow : public QWidget {
    Q_OBJECT

public:
    explicit WaitWindow(QWidget* owner);

    void Start();
    void Stop();
    void SetText(const QString& text);
    // Deletes the file and watches it from now on.
    void Watch(const QString& path);
    bool IsRunning() const { return mTimer.isActive(); }
    const QString& Text() const { return mText; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Tick();

    QTimer mTimer;
    QElapsedTimer mElapsed;
    QString mText;
    QString mStatusFile;
    int mTicks = 0;
};

}  // namespace velmora::ui

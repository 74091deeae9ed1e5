#pragma once

#include <QLabel>
#include <QString>
#include <QWidget>

namespace velmora::ui {

// Names a new widget (every control carries its name) and returns it.
template <class T>
T* Named(T* widget, const char* name)
{
    widget->setObjectName(name);
    return widget;
}

// A label that acts on a click, with the hand cursor (logos, support address, web links).
class ClickLabel : public QLabel {
    Q_OBJECT

public:
    ClickLabel(const QString& text, QWidget* parent) : QLabel(text, parent) { setCursor(Qt::PointingHandCursor); }

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent*) override { emit clicked(); }
};

// The standard open-file dialog; the chosen file, or an empty text when cancelled.
QString BrowseFile(QWidget* owner, const QString& title, const QString& initialFile, const QString& filters);

// True when `path` names an existing file (not a folder).
bool IsFile(const QString& path);

}  // namespace velmora::ui

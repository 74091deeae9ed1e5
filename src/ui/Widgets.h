#pragma once

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
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

// A "..." button beside an edit, 30 pixels wide.
QPushButton* BrowseButton(const char* name, QWidget* parent);

// The grid of an option page, with the page's margins and row spacing.
QGridLayout* OptionGrid(QWidget* page);

// The standard open-file dialog; the chosen file, or an empty text when cancelled.
QString BrowseFile(QWidget* owner, const QString& title, const QString& initialFile, const QString& filters);

// True when `path` names an existing file (not a folder).
bool IsFile(const QString& path);

}  // namespace velmora::ui

#include "Widgets.h"

#include <QFileDialog>
#include <QFileInfo>

namespace velmora::ui {

QPushButton* BrowseButton(const char* name, QWidget* parent)
{
    auto* button = Named(new QPushButton("...", parent), name);
    button->setFixedWidth(30);
    return button;
}

QGridLayout* OptionGrid(QWidget* page)
{
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(40, 24, 40, 24);
    grid->setVerticalSpacing(12);
    return grid;
}

QString BrowseFile(QWidget* owner, const QString& title, const QString& initialFile, const QString& filters)
{
    return QFileDialog::getOpenFileName(owner, title, initialFile, filters);
}

bool IsFile(const QString& path)
{
    const QFileInfo info(path);
    return !path.isEmpty() && info.exists() && info.isFile();
}

}  // namespace velmora::ui

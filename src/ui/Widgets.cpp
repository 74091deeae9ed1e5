#include "Widgets.h"

#include <QFileDialog>
#include <QFileInfo>

namespace velmora::ui {

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

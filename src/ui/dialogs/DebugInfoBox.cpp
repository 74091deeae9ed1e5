#include "DebugInfoBox.h"

#include "ui/QtText.h"
#include "ui/Widgets.h"

#include "core/AppCommon.h"
#include "platform/OpenDocument.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace velmora::ui {
namespace {

constexpr const char* kHomeAddress = "https://velmora.example/";

}  // namespace

DebugInfoBox::DebugInfoBox(QWidget* parent, const QString& intro) : QGroupBox(" Debug Information ", parent)
{
    auto* grid = new QGridLayout(this);
    int row = 0;
    if (!intro.isEmpty())
        grid->addWidget(Named(new QLabel(intro, this), "Label3"), row++, 0, 1, 3);
    grid->addWidget(Named(new QLabel("Log Folder:", this), "Label4"), row, 0);
    grid->addWidget(edtFolder = Named(new QLineEdit(this), "edtFolder"), row, 1);
    grid->addWidget(btnFolder = Named(new QPushButton("...", this), "btnFolder"), row++, 2);
    grid->addWidget(Named(new QLabel("Log File:", this), "Label5"), row, 0);
    grid->addWidget(edtFile = Named(new QLineEdit(this), "edtFile"), row, 1);
    grid->addWidget(btnFile = Named(new QPushButton("...", this), "btnFile"), row, 2);
    for (QLineEdit* edit : {edtFolder, edtFile}) {
        edit->setReadOnly(true);
        edit->setMinimumWidth(400);
        edit->setStyleSheet("QLineEdit { background: #ccffcc; }");
    }
    for (QPushButton* button : {btnFolder, btnFile})
        button->setFixedWidth(30);
    std::string folder;
    if (core::GetDataFolder(folder)) {
        edtFolder->setText(ToQt(folder));
        edtFile->setText(ToQt(folder + "appdebug.log"));
        edtFolder->setCursorPosition(0);
        edtFile->setCursorPosition(0);
    } else {
        btnFolder->setEnabled(false);
        btnFile->setEnabled(false);
    }
    connect(btnFolder, &QPushButton::clicked, this, [this] { platform::OpenDocument(FromQt(edtFolder->text())); });
    connect(btnFile, &QPushButton::clicked, this, [this] {
        if (!IsFile(edtFile->text())) {
            QMessageBox box(QMessageBox::Information, "Error", "Debug log file doesn't exist", QMessageBox::Ok, this);
            box.setObjectName("MessageBox");
            box.exec();
            return;
        }
        platform::OpenDocument(FromQt(edtFile->text()));
    });
}

QWidget* ProductLogo(QWidget* parent)
{
    auto* logo = Named(new ClickLabel("<span style='font-size:16pt; font-weight:bold; color:#00609a'>Velmora</span>", parent),
                       "imgText");
    logo->setToolTip("Velmora's home page");
    QObject::connect(logo, &ClickLabel::clicked, logo, [] { platform::OpenDocument(kHomeAddress); });
    return logo;
}

}  // namespace velmora::ui

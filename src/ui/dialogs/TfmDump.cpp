#include "TfmDump.h"

#include "DebugInfoBox.h"

#include "ui/Widgets.h"

#include "platform/OpenDocument.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora::ui {
namespace {

constexpr const char* kSupportAddress = "support@velmora.example";

}  // namespace

TfmDump::TfmDump(core::AppContext&, const QString& message, std::function<void()> debugOptions, QWidget* parent)
    : QDialog(parent)
{
    setObjectName("fmDump");
    setWindowTitle("Handle Velmora Exception");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ProductLogo(this));
    layout->addWidget(Named(new QLabel("We're sorry that an unhandled exception occurred in Velmora. ", this), "Label1"));
    if (!message.isEmpty()) {
        auto* what = Named(new QLabel(message, this), "lblMessage");
        what->setWordWrap(true);
        layout->addWidget(what);
    }
    auto* contact = new QHBoxLayout;
    contact->addWidget(Named(new QLabel("Please contact us at:", this), "Label2"));
    auto* support = Named(new ClickLabel(kSupportAddress, this), "lblSupport");
    support->setStyleSheet("color: #0060a0; text-decoration: underline;");
    connect(support, &ClickLabel::clicked, this, [] {
        platform::OpenDocument(std::string("mailto:") + kSupportAddress + "?subject=Velmora%20for%20ACT!%20Error%20Report");
    });
    contact->addWidget(support);
    contact->addStretch();
    layout->addLayout(contact);
    layout->addWidget(new DebugInfoBox(this, "It is very appreciated if you can include the debug information in your error report."));

    auto* buttons = new QHBoxLayout;
    auto* ok = Named(new QPushButton("&OK", this), "btnOK");
    auto* quit = Named(new QPushButton("Quit Velmora", this), "btnExit");
    auto* debug = Named(new QPushButton("&Debug Options", this), "btnDebug");
    buttons->addWidget(debug);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(quit);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(quit, &QPushButton::clicked, this, [this] { done(QuitResult); });
    connect(debug, &QPushButton::clicked, this, [debugOptions] { debugOptions(); });
}

}  // namespace velmora::ui

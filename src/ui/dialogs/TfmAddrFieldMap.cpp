#include "TfmAddrFieldMap.h"

#include "ui/QtText.h"
#include "ui/Widgets.h"

#include "core/FieldMapping.h"
#include "core/SessionManagers.h"
#include "platform/OpenDocument.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace velmora::ui {
namespace {

constexpr const char* kFieldsAddress = "https://velmora.example/help/field-migration";

struct Sheet {
    int app;
    const char* name;    // tGG ...
    const char* prefix;  // GG ...
    const char* caption;
    const char* source;  // "Google Contacts" ...
};

constexpr Sheet kSheets[] = {
    {core::AppType::Google, "tGG", "GG", "Google Contacts Field Mapping", "Google Contacts"},
    {core::AppType::LotusNotes, "tLN", "LN", "Lotus Notes Field Mapping", "Lotus Notes Contacts"},
    {core::AppType::Outlook, "tOL", "OL", "Outlook Contacts Field Mapping", "Outlook Contacts"},
    {core::AppType::PalmDesktop, "tPD", "PD", "Palm Desktop Contacts Field Mapping", "Palm Desktop Contacts"},
};

int SheetOf(int sourceApp)
{
    for (int i = 0; i < 4; ++i) {
        if (kSheets[i].app == sourceApp)
            return i;
    }
    return -1;
}

}  // namespace

TfmAddrFieldMap::TfmAddrFieldMap(core::AppSettings& settings, QWidget* parent) : QDialog(parent), mSettings(settings)
{
    setObjectName("fmAddrFieldMap");
    setWindowTitle("Contacts Custom Field Mapping");
    lblTitle = Named(new QLabel(this), "lblTitle");
    QFont bold = lblTitle->font();
    bold.setBold(true);
    lblTitle->setFont(bold);
    lblTopLine1 = Named(new QLabel(this), "lblTopLine1");
    auto* line2 = Named(new QLabel("custom fields. Otherwise, the specified fields here will be migrated to the custom fields..", this), "Label14");
    auto* more = Named(new QLabel("<a href='#'>More about migrating fields ...</a>", this), "lblRef");
    more->setCursor(Qt::PointingHandCursor);
    connect(more, &QLabel::linkActivated, this, [] { platform::OpenDocument(kFieldsAddress); });

    pMap = Named(new QTabWidget(this), "pMap");
    for (int sheet = 0; sheet < 4; ++sheet) {
        auto* page = Named(new QWidget(pMap), kSheets[sheet].name);
        auto* form = new QFormLayout(page);
        const std::string prefix = kSheets[sheet].prefix;
        for (int line = 0; line < 2; ++line) {
            const std::string name = "lbl" + prefix + "DetailLine" + std::to_string(line + 1);
            mDetailLines[static_cast<std::size_t>(sheet)][static_cast<std::size_t>(line)] = new QLabel(page);
            mDetailLines[static_cast<std::size_t>(sheet)][static_cast<std::size_t>(line)]->setObjectName(QString::fromStdString(name));
            form->addRow(mDetailLines[static_cast<std::size_t>(sheet)][static_cast<std::size_t>(line)]);
        }
        for (std::size_t slot = 0; slot < 9; ++slot) {
            auto* list = new QComboBox(page);
            list->setObjectName(QString::fromStdString("cb" + prefix + "Custom" + std::to_string(slot + 1)));
            list->setMinimumWidth(260);
            mLists[static_cast<std::size_t>(sheet)][slot] = list;
            form->addRow(QString("Custom %1:").arg(slot + 1), list);
        }
        pMap->addTab(page, kSheets[sheet].caption);
    }

    auto* buttons = new QDialogButtonBox(this);
    auto* ok = Named(buttons->addButton("&OK", QDialogButtonBox::AcceptRole), "btnOK");
    Named(buttons->addButton("&Cancel", QDialogButtonBox::RejectRole), "btnCancel");
    connect(ok, &QPushButton::clicked, this, [this] {
        UpdateData(true);
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    for (QWidget* widget : std::initializer_list<QWidget*>{lblTitle, lblTopLine1, line2, more, pMap, buttons})
        layout->addWidget(widget);
    UpdateData(false);
}

bool TfmAddrFieldMap::UpdateData(bool leaving)
{
    const int source = mSettings.SourceApp;
    const int sheet = SheetOf(source);
    if (sheet < 0)
        return true;
    std::array<int, 9>& keys = core::MappingSlots(mSettings, source);
    auto& lists = mLists[static_cast<std::size_t>(sheet)];
    if (leaving) {
        for (std::size_t slot = 0; slot < 9; ++slot)
            keys[slot] = lists[slot]->currentData().toInt();
        return true;
    }
    const QString sourceName = kSheets[sheet].source;
    const QString target = "ACT! Contacts";
    lblTitle->setText(QString("Set %1 and %2 custom fields mapping.").arg(sourceName, target));
    lblTopLine1->setText(QString("If the custom field mapping information is not set, the %1 fields will be copied to with %2").arg(sourceName, target));
    mDetailLines[static_cast<std::size_t>(sheet)][0]->setText(
        QString("In this sheet, you may choose which %1 fields should be mapped to %2 custom fields.").arg(sourceName, target));
    mDetailLines[static_cast<std::size_t>(sheet)][1]->setText(QString("%1 Fields ==> %2 Custom Fields").arg(sourceName, target));
    for (int i = 0; i < 4; ++i)
        pMap->setTabVisible(i, i == sheet);
    pMap->setCurrentIndex(sheet);
    const std::vector<core::FieldChoice> fields = core::MappableFields(source);
    for (std::size_t slot = 0; slot < 9; ++slot) {
        QComboBox* list = lists[slot];
        list->clear();
        list->addItem("[Not Set]", 0);
        for (const auto& field : fields)
            list->addItem(ToQt(field.label), field.key);
        const int index = list->findData(keys[slot]);
        list->setCurrentIndex(index < 0 ? 0 : index);
    }
    return true;
}

}  // namespace velmora::ui

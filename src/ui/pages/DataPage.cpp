#include "DataPage.h"

#include "ui/QtText.h"
#include "ui/Widgets.h"
#include "ui/dialogs/RecordDetailDialogs.h"

#include "core/LoadAndCompare.h"
#include "core/MigrateToTarget.h"
#include "core/PreviewColumns.h"
#include "core/SessionManagers.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace velmora::ui {
namespace {

struct SheetInfo {
    const char* name;
    const char* caption;
    const char* list;
    const char* count;
    const char* label;
    const char* countFormat;
    std::vector<std::pair<const char*, int>> columns;
};

const SheetInfo kSheets[] = {
    {"tAddr", "Contacts", "lvAddr", "lblAddrCount", "Label1", "%1 Contact records in total",
     {{"Display Name", 120}, {"Email", 120}, {"Primary Phone", 100}, {"Company", 100}, {"Title", 100}}},
    {"tDate", "Calendar", "lvDate", "lblDateCount", "Label2", "%1 Calendar records in total",
     {{"Subject", 200}, {"Start Time", 80}, {"End Time", 80}, {"All Day Event", 100}, {"Location", 150}}},
    {"tTask", "Task", "lvTask", "lblTaskCount", "Label3", "%1 Task records in total",
     {{"Subject", 200}, {"Importance", 80}, {"Due Date", 80}, {"Body", 240}}},
    {"tNote", "Notes", "lvNote", "lblNoteCount", "Label4", "%1 Note records in total", {{"Notes", 600}}},
};

// A settings colour is 0x00BBGGRR.
QColor ColourOf(int value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

constexpr int kStatusRole = Qt::UserRole + 1;

// Opens the detail dialog of one of the four sheets of a source whose slots hold all four
// data types, with the record and the slot's reader.
template <class AddrDialog, class DateDialog, class TaskDialog, class NoteDialog, class Slots>
void ShowSheetDetail(QWidget* owner, int sheet, void* record, const Slots& held, core::Session& session)
{
    switch (sheet) {
    case 0: AddrDialog::ShowRecordDetail(owner, static_cast<model::CommAddrRec*>(record), held.Addr.get(), session); break;
    case 1: DateDialog::ShowRecordDetail(owner, static_cast<model::CommDateRec*>(record), held.Date.get(), session); break;
    case 2: TaskDialog::ShowRecordDetail(owner, static_cast<model::CommTaskRec*>(record), held.Task.get(), session); break;
    default: NoteDialog::ShowRecordDetail(owner, static_cast<model::CommNoteRec*>(record), held.Note.get(), session); break;
    }
}

}  // namespace

DataPage::DataPage(WizardContext& context, const char* objectName, int sourceApp, QWidget* parent)
    : WizardPage(context, objectName, parent), mSource(sourceApp)
{
    pData = Named(new QTabWidget(this), "pData");
    for (std::size_t i = 0; i < 4; ++i) {
        const SheetInfo& info = kSheets[i];
        auto* sheet = Named(new QWidget(pData), info.name);
        auto* list = Named(new QTreeWidget(sheet), info.list);
        list->setRootIsDecorated(false);
        list->setSelectionBehavior(QAbstractItemView::SelectRows);
        QStringList headers;
        for (const auto& [caption, width] : info.columns)
            headers << caption;
        list->setHeaderLabels(headers);
        for (int c = 0; c < static_cast<int>(info.columns.size()); ++c)
            list->setColumnWidth(c, info.columns[static_cast<std::size_t>(c)].second);
        auto* count = Named(new QLabel(sheet), info.count);
        auto* hint = Named(new QLabel("You may double click the items in the above list to see more detail record information.", sheet), info.label);
        auto* layout = new QVBoxLayout(sheet);
        layout->addWidget(list, 1);
        layout->addWidget(count);
        layout->addWidget(hint);
        pData->addTab(sheet, info.caption);
        connect(list, &QTreeWidget::itemDoubleClicked, this, [this, i](QTreeWidgetItem* row) {
            if (row != nullptr && row->data(0, Qt::UserRole).value<void*>() != nullptr)
                ShowDetail(static_cast<Sheet>(i), row->data(0, Qt::UserRole).value<void*>());
        });
        mSheets[i] = sheet;
        mLists[i] = list;
        mCounts[i] = count;
    }
    auto* buttons = new QHBoxLayout;
    const std::pair<const char*, const char*> buttonNames[] = {
        {"btnRefresh", "&Refresh"}, {"btnSelAll", "Select All"}, {"btnClear", "Clear Selection"}, {"btnSelDiff", "Select Diff"}};
    std::array<QPushButton*, 4> made{};
    for (std::size_t i = 0; i < 4; ++i) {
        made[i] = Named(new QPushButton(buttonNames[i].second, this), buttonNames[i].first);
        made[i]->setMinimumWidth(110);
        buttons->addWidget(made[i]);
    }
    buttons->addStretch();
    connect(made[0], &QPushButton::clicked, this, &DataPage::Refresh);
    connect(made[1], &QPushButton::clicked, this, &DataPage::SelectAll);
    connect(made[2], &QPushButton::clicked, this, &DataPage::ClearSelection);
    connect(made[3], &QPushButton::clicked, this, &DataPage::SelectDiff);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 8);
    layout->addWidget(pData, 1);
    layout->addLayout(buttons);
}

bool DataPage::SheetShown(Sheet sheet) const
{
    const core::AppSettings& s = mContext.app.Settings;
    const bool sync[] = {s.SyncAddr, s.SyncDate, s.SyncTask, s.SyncNote};
    return sync[sheet];
}

bool DataPage::UpdateData(bool leaving)
{
    if (leaving) {
        FillSelections();
        return core::MigrateToTarget(mContext.app, mContext.ui, parentWidget(), core::AppType::Act);
    }
    for (int i = 0; i < 4; ++i)
        pData->setTabVisible(i, SheetShown(static_cast<Sheet>(i)));
    BuildVisible();
    return true;
}

// The Outlook page shows the readers' records only in Outlook mode 1.
bool DataPage::Served() const
{
    return mSource != core::AppType::Outlook || mContext.app.Settings.OLMode == 1;
}

void DataPage::Refresh()
{
    if (!Served())
        return;
    // Lotus Notes, Outlook and Palm Desktop are read again and marked again against the ACT!
    // records already loaded; Google's lists are rebuilt from what is loaded.
    if (mSource != core::AppType::Google)
        core::ReloadAndCompare(mContext.app, mContext.ui, parentWidget(), mSource, core::AppType::Act);
    BuildVisible();
}

void DataPage::BuildVisible()
{
    for (int i = 0; i < 4; ++i) {
        if (SheetShown(static_cast<Sheet>(i)))
            Build(static_cast<Sheet>(i));
    }
}

// A row per record of the source's manager, in its order, ticked when the record is New or
// Different, its text in the colour of its mark; the row keeps the record.
void DataPage::Build(Sheet sheet)
{
    core::Session& session = mContext.app.Session;
    const core::AppSettings& s = mContext.app.Settings;
    QTreeWidget* list = mLists[sheet];
    const auto fill = [&](auto* manager) {
        if (!Served()) {
            list->clear();
            return;
        }
        if (manager == nullptr)
            return;
        list->setUpdatesEnabled(false);
        list->clear();
        for (std::size_t i = 0; i < manager->Count(); ++i) {
            auto* record = manager->At(i);
            auto* row = new QTreeWidgetItem(list);
            const std::vector<std::string> columns = core::PreviewColumns(*record);
            for (int c = 0; c < static_cast<int>(columns.size()); ++c)
                row->setText(c, ToQt(columns[static_cast<std::size_t>(c)]).simplified());
            row->setCheckState(0, record->Status != 0 ? Qt::Checked : Qt::Unchecked);
            row->setData(0, Qt::UserRole, QVariant::fromValue(static_cast<void*>(record)));
            row->setData(0, kStatusRole, record->Status);
            const QColor colour = ColourOf(record->Status == 2 ? s.DiffColor : record->Status == 1 ? s.NewColor : s.SameColor);
            for (int c = 0; c < list->columnCount(); ++c)
                row->setForeground(c, colour);
        }
        list->setUpdatesEnabled(true);
        mCounts[sheet]->setText(QString(kSheets[sheet].countFormat).arg(manager->Count()));
    };
    switch (sheet) {
    case Addr: fill(core::ContactsOf(session, mSource)); break;
    case Date: fill(core::CalendarOf(session, mSource)); break;
    case Task: fill(core::TasksOf(session, mSource)); break;
    case Note: fill(core::NotesOf(session, mSource)); break;
    }
}

template <class Check>
void DataPage::CheckRows(Check check)
{
    for (int sheet = 0; sheet < 4; ++sheet) {
        if (!SheetShown(static_cast<Sheet>(sheet)))
            continue;
        QTreeWidget* list = mLists[static_cast<std::size_t>(sheet)];
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            QTreeWidgetItem* row = list->topLevelItem(i);
            row->setCheckState(0, check(row->data(0, kStatusRole).toInt()) ? Qt::Checked : Qt::Unchecked);
        }
    }
}

void DataPage::SelectAll()
{
    CheckRows([](int) { return true; });
}

void DataPage::ClearSelection()
{
    CheckRows([](int) { return false; });
}

void DataPage::SelectDiff()
{
    CheckRows([](int status) { return status != 0; });
}

void DataPage::ShowDetail(Sheet sheet, void* record)
{
    core::Session& session = mContext.app.Session;
    switch (mSource) {
    case core::AppType::Google:
        if (sheet == Addr)
            TfmGGAddrDetail::ShowRecordDetail(this, static_cast<model::CommAddrRec*>(record), session.Google.Addr.get(), session);
        else if (sheet == Date)
            TfmGGDateDetail::ShowRecordDetail(this, static_cast<model::CommDateRec*>(record), session.Google.Date.get(), session);
        break;
    case core::AppType::LotusNotes:
        ShowSheetDetail<TfmLNAddrDetail, TfmLNDateDetail, TfmLNTaskDetail, TfmLNNoteDetail>(this, sheet, record, session.Lotus, session);
        break;
    case core::AppType::Outlook:
        ShowSheetDetail<TfmOLAddrDetail, TfmOLDateDetail, TfmOLTaskDetail, TfmOLNoteDetail>(this, sheet, record, session.Outlook, session);
        break;
    case core::AppType::PalmDesktop:
        ShowSheetDetail<TfmPDAddrDetail, TfmPDDateDetail, TfmPDTaskDetail, TfmPDNoteDetail>(this, sheet, record, session.Palm, session);
        break;
    default: break;
    }
}

void DataPage::FillSelections()
{
    core::Session& session = mContext.app.Session;
    session.SelectedAddr.Clear(false);
    session.SelectedDate.Clear(false);
    session.SelectedTask.Clear(false);
    session.SelectedNote.Clear(false);
    const auto collect = [&](Sheet sheet, auto& selection) {
        using Record = std::remove_pointer_t<decltype(selection.At(0))>;
        if (!SheetShown(sheet))
            return;
        QTreeWidget* list = mLists[sheet];
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            QTreeWidgetItem* row = list->topLevelItem(i);
            if (row->checkState(0) == Qt::Checked)
                selection.Append(static_cast<Record*>(row->data(0, Qt::UserRole).value<void*>()));
        }
    };
    collect(Addr, session.SelectedAddr);
    collect(Date, session.SelectedDate);
    collect(Task, session.SelectedTask);
    collect(Note, session.SelectedNote);
}

}  // namespace velmora::ui

#include "TfmRecordDetail.h"

#include "ui/HeaderBand.h"
#include "ui/QtText.h"
#include "ui/Widgets.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace velmora::ui {
namespace {

using core::DetailField;
using Control = DetailField::Control;

constexpr QSize kDialogSize(700, 560);

// The names the contact dialogs give their fields above the tabs.
const char* TopFieldName(const std::string& caption)
{
    return caption == "Name:" ? "edtDisplayName" : caption == "Company:" ? "edtCompany" : caption == "Job Title:" ? "edtTitle" : "";
}

QLineEdit* ReadOnlyEdit(const std::string& value, QWidget* parent)
{
    auto* edit = new QLineEdit(ToQt(value), parent);
    edit->setReadOnly(true);
    edit->setCursorPosition(0);
    return edit;
}

// Check boxes and radio buttons show a state; clicks do not change it.
template <class Button>
Button* StateButton(const DetailField& field, QWidget* parent)
{
    auto* button = new Button(ToQt(field.Caption), parent);
    button->setAutoExclusive(false);
    button->setChecked(field.Checked);
    button->setAttribute(Qt::WA_TransparentForMouseEvents);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

// Lays fields out in a grid: caption, control, suffix. Check boxes and plain radio buttons that
// follow one another share rows, four to a row; a group frames the fields after it.
class FieldGrid {
public:
    explicit FieldGrid(QWidget* parent) : mParent(parent), mGrid(new QGridLayout) { mGrid->setColumnStretch(1, 1); }

    QGridLayout* Layout() const { return mGrid; }
    // Ends the last row of buttons.
    void Finish() { EndButtons(); }

    void Add(const DetailField& field)
    {
        switch (field.Kind) {
        case Control::Group: OpenGroup(field.Caption); return;
        case Control::Check: AddButton(StateButton<QCheckBox>(field, Host())); return;
        case Control::Radio: AddButton(StateButton<QRadioButton>(field, Host())); return;
        default: break;
        }
        EndButtons();
        QGridLayout* grid = Current();
        const int row = grid->rowCount();
        if (field.Kind == Control::RadioEdit) {
            grid->addWidget(StateButton<QRadioButton>(field, Host()), row, 0);
            grid->addWidget(ReadOnlyEdit(field.Value, Host()), row, 1);
            return;
        }
        if (field.Kind == Control::Memo) {
            auto* memo = new QPlainTextEdit(ToQt(field.Value), Host());
            memo->setReadOnly(true);
            memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            if (field.Caption.empty()) {
                grid->addWidget(memo, row, 0, 1, 3);
            } else {
                memo->setFixedHeight(72);
                grid->addWidget(new QLabel(ToQt(field.Caption), Host()), row, 0, Qt::AlignTop);
                grid->addWidget(memo, row, 1, 1, 2);
            }
            return;
        }
        grid->addWidget(new QLabel(ToQt(field.Caption), Host()), row, 0);
        if (field.Suffix.empty()) {
            grid->addWidget(ReadOnlyEdit(field.Value, Host()), row, 1);
            return;
        }
        // A count with its unit after it ("Every [2] weeks on:").
        auto* count = new QHBoxLayout;
        QLineEdit* edit = ReadOnlyEdit(field.Value, Host());
        edit->setFixedWidth(60);
        count->addWidget(edit);
        count->addWidget(new QLabel(ToQt(field.Suffix), Host()));
        count->addStretch();
        grid->addLayout(count, row, 1, 1, 2);
    }

private:
    QWidget* Host() const { return mGroup != nullptr ? static_cast<QWidget*>(mGroup) : mParent; }
    QGridLayout* Current() const { return mGroup != nullptr ? mGroupGrid : mGrid; }

    void OpenGroup(const std::string& caption)
    {
        EndButtons();
        mGroup = new QGroupBox(ToQt(caption), mParent);
        mGroupGrid = new QGridLayout(mGroup);
        mGroupGrid->setColumnStretch(1, 1);
        mGrid->addWidget(mGroup, mGrid->rowCount(), 0, 1, 3);
    }

    void AddButton(QWidget* button)
    {
        if (mButtons == nullptr || mButtonCount == 4) {
            mButtons = new QHBoxLayout;
            Current()->addLayout(mButtons, Current()->rowCount(), 0, 1, 3);
            mButtonCount = 0;
        }
        mButtons->addWidget(button);
        ++mButtonCount;
    }

    void EndButtons()
    {
        if (mButtons != nullptr)
            mButtons->addStretch();
        mButtons = nullptr;
    }

    QWidget* mParent;
    QGridLayout* mGrid;
    QGroupBox* mGroup = nullptr;
    QGridLayout* mGroupGrid = nullptr;
    QHBoxLayout* mButtons = nullptr;
    int mButtonCount = 0;
};

QTreeWidget* ReportList(const core::DetailList& list, QWidget* parent)
{
    auto* view = Named(new QTreeWidget(parent), list.Name.c_str());
    view->setRootIsDecorated(false);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QStringList headers;
    for (const std::string& column : list.Columns)
        headers << ToQt(column);
    view->setHeaderLabels(headers);
    for (const std::vector<std::string>& row : list.Rows) {
        auto* item = new QTreeWidgetItem(view);
        for (std::size_t c = 0; c < row.size(); ++c)
            item->setText(static_cast<int>(c), ToQt(row[c]));
    }
    const int columns = static_cast<int>(list.Columns.size());
    for (int c = 0; c + 1 < columns; ++c)
        view->setColumnWidth(c, columns == 3 && c == 0 && list.Name == "lvCustom" ? 50 : columns == 3 ? 170 : 190);
    return view;
}

QWidget* TabPage(const core::DetailTab& tab, QWidget* parent)
{
    auto* page = new QWidget(parent);
    auto* layout = new QVBoxLayout(page);
    if (!tab.Inner.empty()) {
        auto* inner = new QTabWidget(page);
        for (const core::DetailTab& innerTab : tab.Inner)
            inner->addTab(TabPage(innerTab, inner), ToQt(innerTab.Caption));
        inner->setCurrentIndex(0);
        layout->addWidget(inner, tab.Fields.empty() ? 1 : 0);
    }
    FieldGrid grid(page);
    bool memoOnly = !tab.Fields.empty();
    for (const DetailField& field : tab.Fields) {
        grid.Add(field);
        memoOnly = memoOnly && field.Kind == Control::Memo && field.Caption.empty();
    }
    grid.Finish();
    layout->addLayout(grid.Layout(), memoOnly ? 1 : 0);
    for (const core::DetailList& list : tab.Lists)
        layout->addWidget(ReportList(list, page), 1);
    if (!memoOnly && tab.Lists.empty())
        layout->addStretch();
    return page;
}

QWidget* Header(const core::RecordDetail& detail, QDialog* dialog)
{
    auto* band = Named(new QWidget(dialog), "pTop");
    band->setAutoFillBackground(true);
    QPalette white = band->palette();
    white.setColor(QPalette::Window, Qt::white);
    band->setPalette(white);
    band->setFixedHeight(64);
    auto* layout = new QHBoxLayout(band);
    QLabel* mark = SourceMark(band);
    mark->setText(SourceName(detail.SourceApp));
    mark->setFixedSize(150, 36);
    layout->addWidget(mark);
    auto* sentence = Named(new QLabel(ToQt(detail.Header), band), "lblHeader");
    sentence->setWordWrap(true);
    layout->addWidget(sentence, 1);
    auto* close = Named(new QPushButton("&Close", band), "btnClose");
    QObject::connect(close, &QPushButton::clicked, dialog, &QDialog::accept);
    layout->addWidget(close);
    return band;
}

}  // namespace

TfmRecordDetail::TfmRecordDetail(const core::RecordDetail& detail, QWidget* owner) : QDialog(owner)
{
    setObjectName("fmRecordDetail");
    setWindowTitle(ToQt(detail.Caption));
    setFixedSize(kDialogSize);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 8);
    layout->addWidget(Header(detail, this));
    if (!detail.Top.empty()) {
        auto* top = new QGridLayout;
        top->setContentsMargins(12, 4, 12, 0);
        top->setColumnStretch(1, 1);
        for (const DetailField& field : detail.Top) {
            const int row = top->rowCount();
            top->addWidget(new QLabel(ToQt(field.Caption), this), row, 0);
            top->addWidget(Named(ReadOnlyEdit(field.Value, this), TopFieldName(field.Caption)), row, 1);
        }
        layout->addLayout(top);
    }
    auto* tabs = Named(new QTabWidget(this), "pcDetail");
    for (const core::DetailTab& tab : detail.Tabs)
        tabs->addTab(TabPage(tab, tabs), ToQt(tab.Caption));
    tabs->setCurrentIndex(0);
    auto* body = new QVBoxLayout;
    body->setContentsMargins(12, 4, 12, 0);
    body->addWidget(tabs, 1);
    layout->addLayout(body, 1);
    if (const QScreen* screen = owner != nullptr ? owner->screen() : nullptr)
        move(screen->availableGeometry().center() - rect().center());
}

}  // namespace velmora::ui

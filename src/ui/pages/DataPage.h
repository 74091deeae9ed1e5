#pragma once

#include "ui/WizardPage.h"

#include <array>

class QLabel;
class QTabWidget;
class QTreeWidget;

namespace velmora::ui {

// The preview page of a source (one design for TfmGGData, TfmLNData, TfmOLData, TfmPDData):
// one sheet per selected data type listing the source's records in the colour of their mark,
// new and different ones ticked. Leaving fills the session's selection lists with the ticked
// records and migrates them to ACT!.
class DataPage : public WizardPage {
    Q_OBJECT

public:
    DataPage(WizardContext& context, const char* objectName, int sourceApp, QWidget* parent);
    bool UpdateData(bool leaving) override;

    void Refresh();
    void SelectAll();
    void ClearSelection();
    void SelectDiff();

private:
    enum Sheet { Addr, Date, Task, Note };
    void Build(Sheet sheet);
    void BuildVisible();
    bool Served() const;
    bool SheetShown(Sheet sheet) const;
    template <class Check>
    void CheckRows(Check check);
    void FillSelections();
    void ShowDetail(Sheet sheet, void* record);

    int mSource;
    QTabWidget* pData;
    std::array<QWidget*, 4> mSheets{};
    std::array<QTreeWidget*, 4> mLists{};
    std::array<QLabel*, 4> mCounts{};
};

}  // namespace velmora::ui

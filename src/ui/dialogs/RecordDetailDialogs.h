#pragma once

#include "TfmRecordDetail.h"

#include "core/Session.h"
#include "core/detail/DetailProviders.h"
#include "core/detail/RecordDifferences.h"

namespace velmora::ui {

// One detail dialog class per source and data type: the shared frame showing what its content
// provider makes of the record, plus the "Differences" tab of a record marked Different.
template <class Record, class Reader, core::RecordDetail (*Content)(const Record*)>
class RecordDetailDialog {
public:
    // What the dialog shows: empty without its reader.
    static core::RecordDetail Detail(const Record* record, const Reader* reader, core::Session& session)
    {
        const Record* shown = reader != nullptr ? record : nullptr;
        core::RecordDetail detail = Content(shown);
        if (shown != nullptr)
            core::AddDifferencesTab(detail, core::DifferencesOf(session, *shown));
        return detail;
    }

    // Shows the dialog modally, owned by the preview page.
    static void ShowRecordDetail(QWidget* owner, const Record* record, const Reader* reader, core::Session& session)
    {
        TfmRecordDetail dialog(Detail(record, reader, session), owner);
        dialog.exec();
    }
};

using TfmGGAddrDetail = RecordDetailDialog<model::CommAddrRec, connectors::CxGAddrUtil, &core::GGAddrDetail>;
using TfmGGDateDetail = RecordDetailDialog<model::CommDateRec, connectors::CxGDateUtil, &core::GGDateDetail>;
using TfmLNAddrDetail = RecordDetailDialog<model::CommAddrRec, connectors::CxLNAddrUtil, &core::LNAddrDetail>;
using TfmLNDateDetail = RecordDetailDialog<model::CommDateRec, connectors::CxLNDateUtil, &core::LNDateDetail>;
using TfmLNTaskDetail = RecordDetailDialog<model::CommTaskRec, connectors::CxLNTaskUtil, &core::LNTaskDetail>;
using TfmLNNoteDetail = RecordDetailDialog<model::CommNoteRec, connectors::CxLNNoteUtil, &core::LNNoteDetail>;
using TfmOLAddrDetail = RecordDetailDialog<model::CommAddrRec, outlook::OlAddrUtil, &core::OLAddrDetail>;
using TfmOLDateDetail = RecordDetailDialog<model::CommDateRec, outlook::OlDateUtil, &core::OLDateDetail>;
using TfmOLTaskDetail = RecordDetailDialog<model::CommTaskRec, outlook::OlTaskUtil, &core::OLTaskDetail>;
using TfmOLNoteDetail = RecordDetailDialog<model::CommNoteRec, outlook::OlNoteUtil, &core::OLNoteDetail>;
using TfmPDAddrDetail = RecordDetailDialog<model::CommAddrRec, palm::PmAddrInfo, &core::PDAddrDetail>;
using TfmPDDateDetail = RecordDetailDialog<model::CommDateRec, palm::PmDateInfo, &core::PDDateDetail>;
using TfmPDTaskDetail = RecordDetailDialog<model::CommTaskRec, palm::PmTodoInfo, &core::PDTaskDetail>;
using TfmPDNoteDetail = RecordDetailDialog<model::CommNoteRec, palm::PmMemoInfo, &core::PDNoteDetail>;

}  // namespace velmora::ui

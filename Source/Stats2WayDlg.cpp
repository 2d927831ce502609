#include "Private/Stats2WayDlg.h"

#include <iterator>
#include <type_traits>

namespace {

// Calls f(control, check) for each measure check of the record, in the record's order.
template <class F>
void ForEachMeasure(CStats2WayData& record, F f) {
    std::apply(
        [&](auto&... option) {
            std::size_t i = 0;
            auto visit = [&](auto& value) {
                if constexpr (std::is_same_v<std::remove_cvref_t<decltype(value)>, int>)
                    f(CStats2WayDlg::kMeasureChecks[i++], value);
            };
            (visit(option), ...);
        },
        record.Options());
}

}  // namespace

CStats2WayDlg::CStats2WayDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {}

void CStats2WayDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    ForEachMeasure(m_Data, [&](UINT control, int& check) { DDX_Check(pDX, control, check); });
    DDX_Range(pDX, IDC_CONFIDENCE_EDIT, m_Data.ConfidenceEdit, 0.0, 1.0, eExclusive, eExclusive);
}

void CStats2WayDlg::UpdateDependentWindows() {
    CGUIBaseDlg::UpdateDependentWindows();
    // What the boxes show now, not what the record holds.
    CStats2WayData shown;
    ForEachMeasure(shown, [&](UINT control, int& check) { check = IsCtrlChecked(control); });
    const BOOL interval = shown.AnyIntervalMeasure();
    EnableCtrl(IDC_CONFIDENCE_EDIT, interval);
    EnableCtrl(IDC_CONFIDENCE_LABEL, interval);
}

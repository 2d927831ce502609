#include "Private/TestTabDlg.h"

#include "TvkUseRes/CTvkAssertDlg.h"

void CTestingOneSampleTabDlg::SetDlgCaptionID(UINT captionId) {
    if (GetPageCaptions().count(captionId))
        CTestTabDlg::SetDlgCaptionID(captionId);
    else
        CGUIBaseDlg::SetDlgCaptionID(captionId);
}

template <class Tab, class ProportionDlg>
BOOL CProportionTabDlg<Tab, ProportionDlg>::IsBootStrapWindowEnabled() {
    if (!this->GetTab()) {
        CTvkAssertDlg(L"TestTabDlg.cpp", __LINE__).DoPrint();
        return 0;
    }
    const ProportionDlg& page = this->template PageDlg<0>();
    return page.IsAggregateChecked() || page.HasNoRawData() ? 0 : 1;
}

template <class Tab, class ProportionDlg>
BOOL CProportionTabDlg<Tab, ProportionDlg>::OnInitDialog() {
    CTestTabDlg<Tab, ProportionDlg>::OnInitDialog();
    EnableBootStrapPage();
    return 1;
}

template <class Tab, class ProportionDlg>
void CProportionTabDlg<Tab, ProportionDlg>::UserShowPage(int page) {
    CTestTabDlg<Tab, ProportionDlg>::UserShowPage(page);
    EnableBootStrapPage();
}

// The page's own rules first; then, while resampling is not offered, every control of it goes off.
template <class Tab, class ProportionDlg>
void CProportionTabDlg<Tab, ProportionDlg>::EnableBootStrapPage() {
    CBootStrapDlg& boot = this->template PageDlg<1>();
    if (!boot.HasWindow())
        return;
    boot.UpdateDependentWindows();
    if (IsBootStrapWindowEnabled())
        return;
    boot.SetCtrlChecked(CBootStrapDlg::IDC_BOOTSTRAP_CHECK, 0);
    for (UINT id : boot.GetCtrlIDs())
        boot.EnableCtrl(id, 0);
}

template class CProportionTabDlg<CTestingOneProportionTabData, CTestingOneProportionDlg>;
template class CProportionTabDlg<CTestingTwoProportionTabData, CTestingTwoProportionDlg>;

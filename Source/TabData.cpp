#include "Private/TabData.h"

#include "HostApi/HostServices.h"
#include "Source/CDlgStat1.h"
#include "Source/RecordRegistry.h"
#include "TvkDlgBase/CBootStrapData.h"
#include "TvkDlgBase/TvkDlgBase.h"
#include "TvkUseRes/CTvkAssertDlg.h"

void CTabDataBase::Serialize(CArchive& ar) {
    CGUIBaseObj::Serialize(ar);
    for (int i = 0; i < GetPageCount(); ++i)
        GetPage(i)->Serialize(ar);
}

void CTabDataBase::FillListSource() {
    for (int i = 0; i < GetPageCount(); ++i)
        GetPage(i)->FillListSource();
}

void CTabDataBase::OnReadBack() {
    for (int i = 0; i < GetPageCount(); ++i)
        GetPage(i)->OnReadBack();
}

void CTabDataBase::ReassignDefaultValue() {
    for (int i = 0; i < GetPageCount(); ++i)
        GetPage(i)->ReassignDefaultValue();
}

void CTabDataBase::SetParent(CGUIBaseObj* parent) {
    if (parent)
        CTvkAssertDlg(L"TabData.cpp", __LINE__).DoPrint();
    CGUIBaseObj::SetParent(parent);
    AdoptPages();
}

void CTabDataBase::AdoptPages() {
    for (int i = 0; i < GetPageCount(); ++i)
        GetPage(i)->SetParent(this);
}

void CTabDataBase::GetCommandInfoList(CCmdList& lines) const {
    const bool resetsPrint = ResetsPrintSetting();
    const int printSetting = resetsPrint ? ReadPrintSetting() : 0;

    const int count = GetPageCount();
    std::vector<int> order = GetAskOrder();
    std::vector<bool> seen(static_cast<std::size_t>(count), false);
    bool valid = order.empty() || static_cast<int>(order.size()) == count;
    for (int index : order) {
        valid = valid && index >= 0 && index < count && !seen[static_cast<std::size_t>(index)];
        if (valid)
            seen[static_cast<std::size_t>(index)] = true;
    }
    if (!valid)
        CTvkAssertDlg(L"TabData.cpp", __LINE__).DoPrint();
    if (order.empty() || !valid) {
        order.resize(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i)
            order[static_cast<std::size_t>(i)] = i;
    }

    for (int index : order) {
        const CGUIBaseObj* page = GetPage(index);
        if (page->GetWindowState())
            page->GetCommandInfoList(lines);
    }
    if (resetsPrint)
        CCommandUtil::GeneratePrintReset(lines, printSetting);
}

int CTabDataBase::ReadPrintSetting() {
    if (g_pDlgStat1 && g_pDlgStat1->GetKernel())
        return g_pDlgStat1->GetKernel()->GetPrintSetting();
    // Without a kernel the host's own copy of the setting is the best there is.
    IGlobal* global = GetHostGlobal();
    return global ? global->GetPrintSetting() : -1;
}

CTabDataBase* GetParentTab(const CGUIBaseObj& page) {
    return dynamic_cast<CTabDataBase*>(page.GetParent());
}

// The host's resampling page is a record like the module's own.
REGISTER_RECORD(CBootStrapData);

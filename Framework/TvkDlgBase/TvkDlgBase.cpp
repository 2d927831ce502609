#include "TvkDlgBase/TvkDlgBase.h"

#include "TvkUseRes/ResourceTables.h"

namespace {

class DlgBase final : public IDlgBase {
public:
    explicit DlgBase(IGlobal* global) : m_global(global) {}
    void Release() override { delete this; }

private:
    ~DlgBase() = default;
    [[maybe_unused]] IGlobal* m_global;  // kept for the services the dialog base will give
};

template <class Item>
const Item* At(const std::vector<Item>* items, int index) {
    if (!items || index < 0 || index >= static_cast<int>(items->size()))
        return nullptr;
    return &(*items)[static_cast<std::size_t>(index)];
}

}  // namespace

IDlgBase* CreateDlgBase(IGlobal* global) {
    return new DlgBase(global);
}

bool CCommandUtil::GetCommandFromIDS(UINT ids, CString& command) {
    const CString* text = ResourceTables::Get().FindString(ids);
    command = text ? *text : CString();
    return text != nullptr;
}

void CCommandUtil::GeneratePrintReset(CLIST<CCmdInfo>& lines, int level) {
    static const wchar_t* const kNames[] = {L"NONE", L"SHORT", L"MEDIUM", L"LONG"};
    const wchar_t* name = level >= 0 && level <= 3 ? kNames[level] : L"MEDIUM";
    lines.AddTail(CCmdInfo(CString(L"PLENGTH ") + name, 0));
}

int CComboUtil::GetComboCount(UINT comboId) {
    const auto* items = ResourceTables::Get().FindCombo(comboId);
    return items ? static_cast<int>(items->size()) : 0;
}

CString CComboUtil::GetComboString(UINT comboId, int index, int upper) {
    const ComboItem* item = At(ResourceTables::Get().FindCombo(comboId), index);
    CString text = item ? item->text : CString();
    if (upper)
        text.MakeUpper();
    return text;
}

UINT CComboUtil::GetComboItem(UINT comboId, int index) {
    const ComboItem* item = At(ResourceTables::Get().FindCombo(comboId), index);
    return item ? item->id : 0;
}

int CComboUtil::GetComboIndex(UINT comboId, UINT itemId) {
    const auto* items = ResourceTables::Get().FindCombo(comboId);
    for (int i = 0; items && i < static_cast<int>(items->size()); ++i)
        if ((*items)[static_cast<std::size_t>(i)].id == itemId)
            return i;
    return -1;
}

int CRadioUtil::GetRadioCount(UINT groupId) {
    const auto* items = ResourceTables::Get().FindRadio(groupId);
    return items ? static_cast<int>(items->size()) : 0;
}

UINT CRadioUtil::GetRadioItem(UINT groupId, int index) {
    const RadioItem* item = At(ResourceTables::Get().FindRadio(groupId), index);
    return item ? item->id : 0;
}

UINT CRadioUtil::GetRadioControl(UINT groupId, int index) {
    const RadioItem* item = At(ResourceTables::Get().FindRadio(groupId), index);
    return item ? item->control : 0;
}

CString CRadioUtil::GetRadioString(UINT groupId, int index) {
    const RadioItem* item = At(ResourceTables::Get().FindRadio(groupId), index);
    return item ? item->text : CString();
}

#include "Private/TrendAnalysisData.h"

#include <array>

#include "Source/RecordRegistry.h"
#include "Source/TimeSeriesCommon.h"
#include "TvkBaseGui/CBaseGui.h"
#include "TvkDlgBase/TvkDlgBase.h"
#include "TvkUseRes/CTvkAssertDlg.h"

UINT CTrendAnalysisData::GetAlternativeComboIDS(int index) {
    // Combo order, not resource order: the two-sided alternative comes first.
    static constexpr std::array<UINT, kAlternativeCount> kAlternatives = {12627, 12625, 12626};
    if (index < 0 || index >= kAlternativeCount) {
        CTvkAssertDlg(L"TrendAnalysisData.cpp", __LINE__).DoPrint();
        return 0;
    }
    return kAlternatives[static_cast<std::size_t>(index)];
}

void CTrendAnalysisData::GetAlternativeComboCommand(int index, CString& text) {
    CCommandUtil::GetCommandFromIDS(GetAlternativeComboIDS(index), text);
}

void CTrendAnalysisData::FillListSource() {
    // All variables are offered, since a season variable may be of any type; only a numeric one is
    // chosen as the series.
    CVariableList current;
    CBaseGui::GetSourceVariable(current, kSourceAllVariables, 0);
    UpdateCtrlList(ListOfVariablesList, current, 1);
    if (ListOfVariablesList.IsEmpty() || !SeriesVariableList.IsEmpty())
        return;
    for (const auto& variable : ListOfVariablesList)
        if (variable.GetVariableType() == kVariableTypeNumeric) {
            SeriesVariableList.Add(variable);
            return;
        }
}

void CTrendAnalysisData::GetCommandInfoList(CCmdList& lines) const {
    AddModuleCmd(kTimeSeriesModule, lines);

    CString text;
    const UINT test = CRadioUtil::GetRadioItem(kTestRadioGroup, TestsMkRadio);
    if (test == kMannKendallItem)
        text = L"MKTEST ";
    else if (test == kSeasonalItem)
        text = L"STEST ";
    AddVariables(text, SeriesVariableList, L" ");
    AddVariablesClause(text, L" * ", TimeVariableList);

    if (TestsMkRadio != 0) {
        struct TestKeyword {
            int CTrendAnalysisData::*check;
            const wchar_t* keyword;
        };
        static constexpr std::array<TestKeyword, 3> kTests = {{
            {&CTrendAnalysisData::TestsSkCheck, L"SK "},
            {&CTrendAnalysisData::TestsMkCheck, L"MSK "},
            {&CTrendAnalysisData::TestsHomogeneityCheck, L"HT "},
        }};
        text += L" / SEASON = ";
        AddVariables(text, SeasonVariableList, L" ");
        text += L" TEST = ";
        for (const auto& t : kTests)
            if (this->*t.check)
                text += t.keyword;
    } else {
        text += L" / ";
    }

    if (SlopeCheck)
        text += L"SLOPE CONFI = " + NumberText(ConfiEdit.GetValue());
    text += L" ALT = " + CComboUtil::GetComboString(kAlternativeCombo, AlternativeCombo);

    if (!text.IsEmpty())
        lines.AddTail(CCmdInfo(text, 0));
}

REGISTER_RECORD(CTrendAnalysisData);

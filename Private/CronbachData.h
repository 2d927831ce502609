#pragma once

#include "Private/TabData.h"
#include "TvkBaseGui/CRecordOptions.h"
#include "TvkDlgBase/CBootStrapData.h"

// Reliability: Cronbach's alpha over the selected item variables.
class CCronbachData : public CRecordOptions<CCronbachData> {
public:
    auto Options() { return std::tie(ListOfVariablesList, SelectedVariablesList); }

    void Serialize(CArchive& ar) override;
    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;

    CVariableList ListOfVariablesList;
    CVariableList SelectedVariablesList;
};

// The reliability composite: the reliability page, then resampling.
class CCronbachTabData : public CTabData<CCronbachData, CBootStrapData> {
public:
    static constexpr UINT kCaptionID = 2058;

    static CCronbachData GetDefaultCronbach() { return {}; }
    static CBootStrapData GetDefaultBootStrap() { return {}; }
};

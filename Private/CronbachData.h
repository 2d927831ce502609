#pragma once

#include "Private/TabData.h"
#include "Records/CronbachData.h"
#include "TvkBaseGui/CRecordOptions.h"
#include "TvkDlgBase/CBootStrapData.h"

// Reliability: Cronbach's alpha over the selected item variables.
class CCronbachData : public CRecordOptions<CCronbachData> {
public:
    TVK_OPTIONS(CRONBACH_OPTIONS)
    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;
};

// The reliability composite: the reliability page, then resampling.
class CCronbachTabData : public CTabData<CCronbachData, CBootStrapData>, public CCronbachTabDataValues {
public:
    static CCronbachData GetDefaultCronbach() { return {}; }
    static CBootStrapData GetDefaultBootStrap() { return {}; }
};

#pragma once

#include "TvkBaseGui/CRecordOptions.h"

// A stem line count of 0 leaves it to the kernel: neither range-checked nor forced out.
#define STEM_PLOT_OPTIONS(LIST, OPTION) \
    LIST(ListOfVariablesList)           \
    LIST(SelectedVariableList)          \
    OPTION(CGUIData<int>, StemLinesEdit, MarkedDefault(0, 2))

// The stem-and-leaf page of the column (variant 2048, "CLSTEM ") and row (2273, "RWSTEM ") composites.
class CStemPlotData : public CRecordOptions<CStemPlotData> {
public:
    static constexpr UINT kColumnStem = 2048;
    static constexpr UINT kRowStem = 2273;

    TVK_OPTIONS(STEM_PLOT_OPTIONS)
    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;
};

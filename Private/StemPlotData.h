#pragma once

#include "TvkBaseGui/CRecordOptions.h"

// The stem-and-leaf page of the column (variant 2048, "CLSTEM ") and row (2273, "RWSTEM ") composites.
class CStemPlotData : public CRecordOptions<CStemPlotData> {
public:
    static constexpr UINT kColumnStem = 2048;
    static constexpr UINT kRowStem = 2273;

    // 0 leaves the number of stem lines to the kernel: neither range-checked nor forced out.
    static CGUIData<int> GetDefaultStemLinesEdit() {
        CGUIData<int> lines(0);
        lines.SetSecond(2);
        return lines;
    }

    auto Options() { return std::tie(ListOfVariablesList, SelectedVariableList, StemLinesEdit); }

    void Serialize(CArchive& ar) override;
    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;

    CVariableList ListOfVariablesList;
    CVariableList SelectedVariableList;
    CGUIData<int> StemLinesEdit = GetDefaultStemLinesEdit();
};

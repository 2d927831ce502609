#pragma once

#include "TvkBaseGui/CGUIBaseObj.h"

// The stem-and-leaf page of the column (variant 2048, "CLSTEM ") and row (2273, "RWSTEM ") composites.
class CStemPlotData : public CGUIBaseObj {
public:
    static constexpr UINT kColumnStem = 2048;
    static constexpr UINT kRowStem = 2273;

    CStemPlotData();

    // 0 leaves the number of stem lines to the kernel.
    static CGUIData<int> GetDefaultStemLinesEdit() { return CGUIData<int>(0); }

    int GetAll(CVariableList& listOfVariables, CVariableList& selectedVariables,
               CGUIData<int>& stemLines) const;
    int SetAll(const CVariableList& listOfVariables, const CVariableList& selectedVariables,
               const CGUIData<int>& stemLines);

    void Serialize(CArchive& ar) override;
    void FillListSource() override;
    void SetEditAttribute() override;
    void GetCommandInfoList(CCmdList& lines) const override;

    CVariableList ListOfVariablesList;
    CVariableList SelectedVariableList;
    CGUIData<int> StemLinesEdit;
};

#pragma once

#include <vector>

#include "Records/LogLinZeroData.h"
#include "TvkBaseGui/CRecordOptions.h"

// The structural-zeros page of the loglinear composite: cells that are empty by design (an impossible
// combination of levels, not a sampling zero) and must be left out of the fit. They are given as a list
// of cells, each its factor levels in parentheses in the order of the table's factors ("(1,2) (2,1)"),
// or as an indicator variable of the data whose value 0 marks a structural zero, or both.
//
// Line, only when a kind of zero is asked for and given: "ZERO /", then " CELLS = " and the cells, then
// " VARIABLE = " and the indicator.
class CLogLinZeroData : public CRecordOptions<CLogLinZeroData> {
public:
    TVK_OPTIONS(LOGLIN_ZERO_OPTIONS)

    // Whether the text is a list of cells: each "(" positive integers separated by "," ")", blanks between.
    static bool IsCellList(const CString& text);
    // The levels of each cell of a cell list, in order (a level too large for an int as INT_MAX).
    static std::vector<std::vector<int>> GetCells(const CString& text);

    void Serialize(CArchive& ar) override {
        CGUIBaseObj::Serialize(ar);
        SerializeOptions(ar);
    }
    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;
};

#pragma once

#include <cstddef>
#include <string_view>

#include "Private/TabData.h"
#include "Records/MdsData.h"
#include "TvkBaseGui/CRecordOptions.h"

// Multidimensional scaling: the scaling page (model, estimation, saving).
class CMdsData : public CRecordOptions<CMdsData>, public CMdsDataValues {
public:
    TVK_OPTIONS(MDS_OPTIONS)

    int GetSelectedVariableListCount() const { return SelectedVariablesList.GetSize(); }
    // The dimensions as a whole number, as the typed configuration is checked against them (0 for a
    // value no count can be, from a damaged store).
    int GetDimensionCount() const;
    // Whether a weight may be written: always for a shape outside the group; else when the rows
    // exceed half the data's cases, or when the data is split.
    bool IsWeightCheckEnabled() const;

    void ReassignDefaultValue() override;
    void FillListSource() override;
    void SetEditAttribute() override { RowsEdit.SetSecond(2); }
    void GetCommandInfoList(CCmdList& lines) const override;
};

// The starting configuration of multidimensional scaling: none, a typed matrix (one row per
// variable, one number per dimension) or the last one the kernel computed.
class CMdsConfigData : public CRecordOptions<CMdsConfigData>, public CMdsConfigDataValues {
public:
    TVK_OPTIONS(MDS_CONFIG_OPTIONS)

    // Removes the next row from a typed matrix and returns it. Rows end at ";" or at a line end, whose
    // carriage return (the character before the line feed) is not part of the row.
    static CString GetNextDimension(CString& text);
    // The same on a view of the rest of the text, which it advances: a pass over a text of any size
    // reads each character a bounded number of times.
    static std::wstring_view NextRow(std::wstring_view& rest);
    // Whether a row holds exactly `count` numbers: each an optional "-", digits, and optionally "." and
    // digits, separated by blanks.
    static bool IsRowOfNumbers(std::wstring_view row, int count);
    // Calls `row` on each row of a typed matrix that counts, in order (a view into `text`): those holding
    // a digit, a point or ";" that hold exactly `dimensions` numbers. Returns their number.
    template <class F>
    static std::size_t ForEachCountedRow(std::wstring_view text, int dimensions, F&& row) {
        std::size_t count = 0;
        while (!text.empty()) {
            const std::wstring_view next = NextRow(text);
            if (next.find_first_of(L"0123456789.;") != std::wstring_view::npos &&
                IsRowOfNumbers(next, dimensions)) {
                row(next);
                ++count;
            }
        }
        return count;
    }
    // The typed matrix's rows that hold a number, joined by line feeds.
    CString GetConfigParseCommandsEdit() const;
    // The counted rows of the typed matrix joined by line feeds, "-0" written "0": what the CONFIG line
    // carries.
    CString GetCountedRowsText(int dimensions) const;
    // Inserts the CONFIG line in front of the scaling page's SAVE line, else its ESTIMATE line.
    void GetCommandInfoList(CCmdList& lines) const override;
};

// Multidimensional scaling: scaling page, configuration page; no resampling.
class CMdsTabData : public CTabData<CMdsData, CMdsConfigData>, public CMdsTabDataValues {
public:
    static CMdsData GetDefaultMds() { return {}; }
    static CMdsConfigData GetDefaultMdsConfig() { return {}; }
};

#pragma once

#include <span>

#include "TvkBaseGui/CRecordOptions.h"

// Series transformation: one transformation, chosen from a combo, applied to the selected series.
class CTransformData : public CRecordOptions<CTransformData> {
public:
    static constexpr UINT kTypeCombo = 5264;
    static constexpr UINT kSaveCombo = 5266;
    // The save combo's item that adds a command word to the save line; the word is this string's text.
    static constexpr UINT kSaveItemWithCommand = 13188;

    // What a transformation takes behind its variables.
    enum class Parameter { none, lag, base, proportion };
    struct Transformation {
        UINT item;  // item id in the type combo
        const wchar_t* keyword;
        Parameter parameter;
    };
    // Every transformation the record writes, in item order; the dialog enables its edits by them.
    static std::span<const Transformation> Transformations();
    // The transformation of a type-combo item, or null for an item the record does not know.
    static const Transformation* FindTransformation(UINT item);

    static CGUIData<int> GetDefaultSeriesLagEdit() { return CGUIData<int>(1); }
    static CGUIData<int> GetDefaultSeriesBaseEdit() { return CGUIData<int>(1); }
    static CGUIData<double> GetDefaultSeriesProportionEdit() { return CGUIData<double>(0.5); }
    static CString GetDefaultSaveFileEdit() { return {}; }
    static int GetDefaultSaveFileCheck() { return 0; }
    static int GetDefaultSeriesTypeCombo() { return 0; }
    static int GetDefaultSeriesSaveCombo() { return 0; }

    auto Options() {
        return std::tie(ListOfVariablesList, SelectedVariableList, SeriesLagEdit, SeriesBaseEdit,
                        SeriesProportionEdit, SaveFileEdit, SaveFileCheck, SeriesTypeCombo, SeriesSaveCombo);
    }

    void Serialize(CArchive& ar) override;
    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;

    CVariableList ListOfVariablesList;
    CVariableList SelectedVariableList;
    CGUIData<int> SeriesLagEdit = GetDefaultSeriesLagEdit();
    CGUIData<int> SeriesBaseEdit = GetDefaultSeriesBaseEdit();
    CGUIData<double> SeriesProportionEdit = GetDefaultSeriesProportionEdit();
    CString SaveFileEdit = GetDefaultSaveFileEdit();
    int SaveFileCheck = GetDefaultSaveFileCheck();
    int SeriesTypeCombo = GetDefaultSeriesTypeCombo();
    int SeriesSaveCombo = GetDefaultSeriesSaveCombo();
};

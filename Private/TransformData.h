#pragma once

#include <span>

#include "TvkBaseGui/CRecordOptions.h"

#define TRANSFORM_OPTIONS(LIST, OPTION)                 \
    LIST(ListOfVariablesList)                           \
    LIST(SelectedVariableList)                          \
    OPTION(CGUIData<int>, SeriesLagEdit, 1)             \
    OPTION(CGUIData<int>, SeriesBaseEdit, 1)            \
    OPTION(CGUIData<double>, SeriesProportionEdit, 0.5) \
    OPTION(CString, SaveFileEdit)                       \
    OPTION(int, SaveFileCheck, 0)                       \
    OPTION(int, SeriesTypeCombo, 0)                     \
    OPTION(int, SeriesSaveCombo, 0)

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

    TVK_OPTIONS(TRANSFORM_OPTIONS)

    void Serialize(CArchive& ar) override;
    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;
};

#pragma once

#include <span>

#include "Records/TransformData.h"
#include "TvkBaseGui/CRecordOptions.h"

// Series transformation: one transformation, chosen from a combo, applied to the selected series.
class CTransformData : public CRecordOptions<CTransformData>, public CTransformDataValues {
public:
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

    void FillListSource() override;
    void GetCommandInfoList(CCmdList& lines) const override;
};

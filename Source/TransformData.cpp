#include "Private/TransformData.h"

#include <array>

#include "Source/RecordRegistry.h"
#include "Source/TimeSeriesCommon.h"
#include "TvkDlgBase/TvkDlgBase.h"

namespace {

using Parameter = CTransformData::Parameter;

constexpr std::array<CTransformData::Transformation, 8> kTransformations = {{
    {12165, L"DIFF ", Parameter::lag},
    {12296, L"INDEX ", Parameter::base},
    {12352, L"LOG ", Parameter::none},
    {12386, L"MEAN ", Parameter::none},
    {12482, L"PCNTCHANGE ", Parameter::none},
    {12578, L"SQUARE ", Parameter::none},
    {12606, L"TAPER ", Parameter::proportion},
    {12624, L"TREND ", Parameter::none},
}};

}  // namespace

std::span<const CTransformData::Transformation> CTransformData::Transformations() {
    return kTransformations;
}

const CTransformData::Transformation* CTransformData::FindTransformation(UINT item) {
    for (const auto& t : kTransformations)
        if (t.item == item)
            return &t;
    return nullptr;
}

void CTransformData::FillListSource() {
    FillTimeSeriesSource(*this, ListOfVariablesList, SelectedVariableList);
}

void CTransformData::GetCommandInfoList(CCmdList& lines) const {
    CString saveCommand;
    if (CComboUtil::GetComboItem(kSaveCombo, SeriesSaveCombo) == kSaveItemWithCommand)
        CCommandUtil::GetCommandFromIDS(kSaveItemWithCommand, saveCommand);
    AddModuleAndSaveCmd(kTimeSeriesModule, SaveFileCheck, SaveFileEdit, lines, saveCommand);

    const Transformation* transformation =
        FindTransformation(CComboUtil::GetComboItem(kTypeCombo, SeriesTypeCombo));
    if (!transformation)
        return;
    CString text = transformation->keyword;
    AddVariables(text, SelectedVariableList, L" ");
    // The parameter is the transformation's own, so it is written whatever its holder's marks say.
    switch (transformation->parameter) {
        case Parameter::lag:
            text += L" /LAG=" + NumberText(SeriesLagEdit.GetValue());
            break;
        case Parameter::base:
            text += L" /BASE=" + NumberText(SeriesBaseEdit.GetValue());
            break;
        case Parameter::proportion:
            text += L" /P=" + NumberText(SeriesProportionEdit.GetValue());
            break;
        case Parameter::none:
            break;
    }
    lines.AddTail(CCmdInfo(text, 0));
}

REGISTER_RECORD(CTransformData);

#include "Private/LogLinStatsData.h"

#include "Source/RecordRegistry.h"
#include "Source/TablesCommon.h"

namespace {

using R = CLogLinStatsData;
constexpr CCheckKeyword<R> kKeywords[] = {
    {&R::FittedCheck, L" EXPECT"},        {&R::ResidualsCheck, L" RESID"},
    {&R::StdResidualsCheck, L" STDRES"},  {&R::AdjResidualsCheck, L" ADJRES"},
    {&R::GoodnessCheck, L" FIT"},         {&R::AicCheck, L" AIC"},
    {&R::PartialAssocCheck, L" PARTIAL"}, {&R::ParametersCheck, L" PARAM"},
    {&R::CorrelationCheck, L" CORR"},
};

}  // namespace

void CLogLinStatsData::GetCommandInfoList(CCmdList& lines) const {
    JoinPrintLine(
        lines, KeywordsOf(*this, kKeywords) + AddEditValueCmd(ConfidenceEdit, L" CONFI = ", ParametersCheck));
}

REGISTER_RECORD(CLogLinStatsData);

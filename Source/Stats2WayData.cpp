#include "Private/Stats2WayData.h"

#include "Private/XTabTabData.h"
#include "Source/RecordRegistry.h"
#include "Source/TablesCommon.h"
#include "TvkBaseGui/CStringUtil.h"
#include "TvkUseRes/CTvkAssertDlg.h"

namespace {

using R = CStats2WayData;
constexpr CCheckKeyword<R> kMeasures[] = {
    {&R::PearsonChiSquareCheck, L" CHISQ"},
    {&R::YatesChiSquareCheck, L" YATES"},
    {&R::FisherExactTestCheck, L" FISHER"},
    {&R::OddsRatioCheck, L" ODDS"},
    {&R::YuleQYCheck, L" YULE"},
    {&R::CochranCheck, L" COCHRAN"},
    {&R::McNemarCheck, L" MCNEM"},
    {&R::CohenKappaCheck, L" KAPPA"},
    {&R::PhiCheck, L" PHI"},
    {&R::CramerVCheck, L" CRAMER"},
    {&R::ContigencyCoeffCheck, L" CONT"},
    {&R::UncertaintyCoeffCheck, L" UNCE"},
    {&R::GoodmanKruskalLamCheck, L" LAMBDA"},
    {&R::LikelihoodChiSquareCheck, L" LRCHI"},
    {&R::SpearmanRhoCheck, L" RHO"},
    {&R::GoodmanKruskalGamCheck, L" GAMMA"},
    {&R::KendallTaubCheck, L" TAUB"},
    {&R::StuartTaucCheck, L" TAUC"},
    {&R::SomerDCheck, L" SOMERS"},
};

// The measures that come with a confidence interval.
constexpr CCheckKeyword<R> kIntervalMeasures[] = {
    {&R::OddsRatioCheck, L""},         {&R::YuleQYCheck, L""},
    {&R::CohenKappaCheck, L""},        {&R::UncertaintyCoeffCheck, L""},
    {&R::GoodmanKruskalLamCheck, L""}, {&R::SpearmanRhoCheck, L""},
    {&R::GoodmanKruskalGamCheck, L""}, {&R::KendallTaubCheck, L""},
    {&R::StuartTaucCheck, L""},        {&R::SomerDCheck, L""},
};

}  // namespace

bool CStats2WayData::AnyIntervalMeasure() const {
    return AnyChecked(*this, kIntervalMeasures);
}

void CStats2WayData::GetParent(CXTab2WayTabData*& parent) const {
    parent = dynamic_cast<CXTab2WayTabData*>(GetParent());
    if (!parent)
        CTvkAssertDlg(L"Stats2WayData.cpp", __LINE__).DoPrint();
}

void CStats2WayData::GetCommandInfoList(CCmdList& lines) const {
    JoinPrintLine(lines, KeywordsOf(*this, kMeasures));
    if (!AnyIntervalMeasure())
        return;
    CStringUtil::ConcatStringAt(lines, AddEditValueCmd(ConfidenceEdit, L" CONFI = ", 1),
                                CStringUtil::SearchString(lines, L"TABULATE"), nullptr);
}

REGISTER_RECORD(CStats2WayData);

#pragma once

#include "Records/ProbabilityData.h"
#include "TvkBaseGui/CRecordOptions.h"
#include "TvkDlgBase/CDistribManager.h"

// The probability calculator, continuous (variant identifier 2249) and discrete (2250).
//
// Archive, after the base part and the variant identifier of CDistribNewData: the value, only under 2249 and
// 2250, as an 8-byte double except in the discrete calculator with a function other than the inverse,
// where it is a 4-byte integer; the text; the function index (4 bytes); the distribution. The index that
// decides the value's width comes after it, so loading reads the width from the bytes: the width with
// which the rest reads as a text, an index that agrees with it and a distribution. Only when both
// widths would do (bytes made to look so) does the index the record holds before loading decide.
class CProbabilityData : public CRecordOptions<CProbabilityData, CDistribNewData>,
                         public CProbabilityDataValues {
public:
    enum Function { FunctionDF = 0, FunctionCF = 1, FunctionUpper = 2, FunctionIF = 3 };

    TVK_OPTIONS(PROBABILITY_OPTIONS, DistribManagerData)

    bool IsDiscrete() const { return GetVariantID() == kDiscrete; }
    // Whether the value is archived and typed as an integer.
    bool IsIntegerValue() const { return IsDiscrete() && FunctionRadio != FunctionIF; }
    // A value as an integer edit shows it and the archive keeps it (a value of the inverse function, or
    // one a store gave, may lie beyond the int range or be missing).
    static int WholeValue(double v);
    // Loading the discrete calculator: whether the value `ar` is at was stored as an integer.
    bool StoredValueIsInteger(const CArchive& ar) const;
    // The parameter values of the chosen distribution, in order.
    std::vector<double> GetParameters() const;
    // The parameters as the plot commands write them (reals with a decimal point, whatever the host's
    // symbol), joined by the type's separator.
    static CString ParameterList(int type, const std::vector<double>& values);

    void Serialize(CArchive& ar) override;
    void GetCommandInfoList(CCmdList& lines) const override;

    // Filled by the dialog when it computes; not archived.
    struct PlotValues {
        double xMin = 0, xMax = 0, xLimit = 0, densityMax = 0, yLimit = 0;
        bool missing = true;
    } Plot;
};

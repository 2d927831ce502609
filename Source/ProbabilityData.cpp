#include "Private/ProbabilityData.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

#include "HostApi/Numerics.h"
#include "Source/RecordRegistry.h"
#include "TvkDlgBase/TvkDlgBase.h"

int CProbabilityData::WholeValue(double v) {
    const double most = std::numeric_limits<int>::max();
    return std::isfinite(v) ? static_cast<int>(std::clamp(v, -most, most)) : 0;
}

std::vector<double> CProbabilityData::GetParameters() const {
    const std::vector<double>* values = DistribManagerData.FindValues(DistribManagerData.GetActiveType());
    return values ? *values : std::vector<double>();
}

CString CProbabilityData::ParameterList(int type, const std::vector<double>& values) {
    const DistribFact* fact = FindDistribFact(type);
    if (!fact)
        return {};
    CString list;
    for (std::size_t i = 0; i < fact->parameters.size() && i < values.size(); ++i) {
        if (i)
            list += fact->plotSeparator;
        const double v = values[i];
        if (fact->parameters[i].integer) {
            list += NumberText(static_cast<int>(v));
        } else {
            // A decimal point whatever the host's symbol: the plot command reads no other.
            CString text = PointNumberText(v);
            if (text.Find(L'.') < 0 && text.Find(L'e') < 0 && text.Find(L'n') < 0)
                text += L".0";
            list += text;
        }
    }
    return list;
}

namespace {

// How the rest of `ar` reads with the value `integer` (4 bytes) or not (8): whether the text, a function
// index that stores its value that wide and the distribution follow, and whether they end the archive.
// Reads a copy: `ar` stays where it is.
struct ValueReading {
    bool fits = false;
    bool endsArchive = false;
};

ValueReading ReadValueAs(const CArchive& ar, bool integer) {
    CArchive rest(std::span(ar.GetBuffer()).subspan(ar.GetPosition()));
    try {
        integer ? static_cast<void>(rest.ReadInt32("value")) : static_cast<void>(rest.ReadDouble("value"));
        rest.ReadString("text");
        const bool inverse = rest.ReadInt32("function") == CProbabilityData::FunctionIF;
        CDistribManagerData distribution;
        distribution.Serialize(rest);
        return {inverse != integer, rest.AtEnd()};
    } catch (const CArchiveException&) {
        return {};
    }
}

}  // namespace

bool CProbabilityData::StoredValueIsInteger(const CArchive& ar) const {
    const ValueReading asInteger = ReadValueAs(ar, true);
    const ValueReading asDouble = ReadValueAs(ar, false);
    if (asInteger.fits != asDouble.fits)
        return asInteger.fits;
    if (asInteger.fits && asInteger.endsArchive != asDouble.endsArchive)
        return asInteger.endsArchive;
    return IsIntegerValue();
}

void CProbabilityData::Serialize(CArchive& ar) {
    CDistribNewData::Serialize(ar);
    if (GetVariantID() == kContinuous || GetVariantID() == kDiscrete) {
        if (ar.IsLoading() ? IsDiscrete() && StoredValueIsInteger(ar) : IsIntegerValue()) {
            int value = WholeValue(Value);
            ar.Io(value);
            Value = value;
        } else {
            ar.Io(Value);
        }
    }
    ar.Io(Text, FunctionRadio, DistribManagerData);
}

namespace {

CString Fixed3(double v) {
    char text[64];
    std::snprintf(text, sizeof text, "%0.3lf", v);
    return CString::FromUtf8(text);
}

}  // namespace

void CProbabilityData::GetCommandInfoList(CCmdList& lines) const {
    if (IsDiscrete() || Plot.missing)
        return;
    for (double v : {Plot.xMin, Plot.xMax, Plot.xLimit, Plot.yLimit})
        if (!std::isfinite(v))
            return;
    const int type = DistribManagerData.GetActiveType();
    CString stem;
    const int ids = GetDistributionComboIDS(type);
    if (ids < 0 || !CCommandUtil::GetCommandFromIDS(static_cast<UINT>(ids), stem))
        return;
    const CString common = L"fplot y = " + stem + L"df" + L"(" + L"x ," +
                           ParameterList(type, GetParameters()) + L"); " + L"xmin = " + Fixed3(Plot.xMin) +
                           L" " + L"xmax = " + Fixed3(Plot.xMax) + L" " + L"xlimit = " + Fixed3(Plot.xLimit);
    lines.AddTail(CCmdInfo(common + L" ymin = 0 ymax = " + Fixed3(1.1 * Plot.densityMax) + L" ", 0));
    CString second = common;
    if (FunctionRadio == FunctionUpper) {
        const int equals = second.Find(L'=');
        second = second.Left(equals + 1) + L"1-" + second.Mid(equals + 1);
    }
    second.Replace(L"df", L"cf");
    lines.AddTail(CCmdInfo(second + L" ylimit = " + Fixed3(Plot.yLimit) + L" " + L"ymin = 0 ymax = 1", 0));
}

REGISTER_RECORD(CProbabilityData);

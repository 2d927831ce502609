#include "Private/ProbabilityDlg.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

#include "HostApi/Numerics.h"
#include "Private/DistribPanel.h"
#include "TvkBaseGui/CCanvas.h"
#include "TvkDlgBase/TvkDlgBase.h"
#include "TvkUseRes/CTvkAssertDlg.h"
#include "TvkUseRes/ResourceTables.h"

namespace {

INumericalService* NumericalService() {
    IGlobal* global = GetHostGlobal();
    return global ? dynamic_cast<INumericalService*>(global->FindModule(L"TvkNumerics")) : nullptr;
}

CString Printf(const char* format, double v) {
    char text[64];
    std::snprintf(text, sizeof text, format, v);
    return CString::FromUtf8(text);
}

bool IsBeta(int type) {
    return type == NmsEnum::BETA;
}

}  // namespace

CProbabilityDlg::CProbabilityDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {}

BOOL CProbabilityDlg::OnInitDialog() {
    FillRadioFromResource(CProbabilityData::kFunctionRadio);
    m_pManager = std::make_unique<CDistribManager>(this);
    const bool discrete = GetRecord() && GetRecord()->IsDiscrete();
    CDistribPanel::ReadDistribInfo(*m_pManager, discrete ? L"ProbabilityDiscreteDistribInfo.ini"
                                                         : L"ProbabilityContinuousDistribInfo.ini");
    m_pManager->SetDistribManagerData(&m_Data.DistribManagerData);
    // The buffer decides, as the record does, by the variant identifier whether the calculator is discrete.
    if (GetRecord())
        m_Data.SetVariantID(GetRecord()->GetVariantID());
    CGUIBaseDlg::OnInitDialog();
    m_pManager->FillupDistribInfoVecMap();
    m_pManager->CreateControls(IDC_PLACEHOLDER, 1);
    RefreshRangeText();
    return 1;
}

void CProbabilityDlg::DoDataExchange(CDataExchange* pDX) {
    CGUIBaseDlg::DoDataExchange(pDX);
    DDX_Radio(pDX, CProbabilityData::kFunctionRadio, m_Data.FunctionRadio);
    if (!pDX->m_bSaveAndValidate) {
        // The value is the user's: it comes back as the same number.
        SetCtrlWindowText(IDC_VALUE_EDIT, m_Data.IsIntegerValue()
                                              ? NumberText(CProbabilityData::WholeValue(m_Data.Value))
                                              : ExactNumberText(m_Data.Value));
    } else {
        const CString text = GetCtrlWindowText(IDC_VALUE_EDIT);
        std::optional<double> value = ParseDouble(text);
        if (m_Data.IsIntegerValue()) {
            const auto whole = ParseInt(text);
            value = whole ? std::optional<double>(*whole) : std::nullopt;
        }
        if (!value) {
            ChangeColor(IDC_VALUE_EDIT, kColorInvalid);
            SendStatusBarText(m_Data.IsIntegerValue() ? L"Enter an integer" : L"Enter a number");
            pDX->Fail(IDC_VALUE_EDIT);
        }
        if (m_Data.FunctionRadio == CProbabilityData::FunctionIF)
            CheckRange(pDX, IDC_VALUE_EDIT, *value, 0.0, 1.0, eExclusive, eExclusive, 0);
        pDX->Replace(m_Data.Value, *value);
    }
    if (m_pManager)
        m_pManager->DoDataExchange(pDX);
}

void CProbabilityDlg::OnCtrlChanged(UINT id) {
    CGUIBaseDlg::OnCtrlChanged(id);
    if (m_pManager && m_pManager->OnCommand(id))
        RefreshRangeText();
}

void CProbabilityDlg::OnCtrlClicked(UINT id) {
    CGUIBaseDlg::OnCtrlClicked(id);
    // The function decides the value's range (and, in the discrete calculator, whether it is whole).
    int function = m_Data.FunctionRadio;
    for (int i = 0; i < CRadioUtil::GetRadioCount(CProbabilityData::kFunctionRadio); ++i)
        if (IsCtrlChecked(CRadioUtil::GetRadioControl(CProbabilityData::kFunctionRadio, i)))
            function = i;
    m_Data.FunctionRadio = function;
    RefreshRangeText();
}

CString CProbabilityDlg::GetValueRangeText() const {
    if (m_Data.FunctionRadio == CProbabilityData::FunctionIF)
        return L"(0.0 , 1.0)";
    const DistribFact* fact = FindDistribFact(m_pManager ? m_pManager->GetActiveDBT() : -1);
    // A distribution of the other calculator, or none the calculator offers, is a fault of the file.
    if (fact && fact->discrete == m_Data.IsDiscrete() && !fact->ValueRangeText().IsEmpty())
        return fact->ValueRangeText();
    CTvkAssertDlg(L"ProbabilityDlg.cpp", __LINE__).DoPrint();
    return {};
}

void CProbabilityDlg::RefreshRangeText() {
    if (!m_pManager || m_pManager->GetActiveDBT() < 0)
        return;
    const CString range = GetValueRangeText();
    AddToolTip(IDC_VALUE_EDIT, range, 0);
    SetCtrlWindowText(IDC_VALUE_LABEL, L"Value " + range + L":");
}

CString CProbabilityDlg::CheckValue(int type, const std::vector<double>& p, double x) const {
    const DistribFact* fact = FindDistribFact(type);
    return fact ? fact->CheckValue(p, x) : CString();
}

std::unique_ptr<IDistribution> CProbabilityDlg::MakeDistribution() const {
    INumericalService* service = NumericalService();
    if (!service || !m_pManager)
        return nullptr;
    auto d = service->CreateDistribution(m_pManager->GetActiveDBT());
    if (!d || !d->SetParameters(m_Data.GetParameters()))
        return nullptr;
    return d;
}

void CProbabilityDlg::ClearResults() {
    SetCtrlWindowText(IDC_RESULT_EDIT, CString());
    SetCtrlWindowText(IDC_RESULTS_TABLE, CString());
    m_results.clear();
    m_Data.Plot = {};
    m_density.clear();
    m_cumulative.clear();
}

bool CProbabilityDlg::OnOK() {
    // What is shown belongs to the last computation; a refused one leaves none.
    if (!UpdateData(1)) {
        ClearResults();
        return false;
    }
    const int type = m_pManager ? m_pManager->GetActiveDBT() : -1;
    const std::vector<double> p = m_Data.GetParameters();
    const double x = m_Data.Value;
    const int function = m_Data.FunctionRadio;
    if (function != CProbabilityData::FunctionIF)
        if (const CString message = CheckValue(type, p, x); !message.IsEmpty()) {
            ClearResults();
            TKMessageBox(message);
            return false;
        }
    SetAll();
    const auto d = MakeDistribution();
    INumericalService* service = NumericalService();
    double result = kMissingValue;
    if (d) {
        switch (function) {
            case CProbabilityData::FunctionDF:
                result = d->Density(x);
                break;
            case CProbabilityData::FunctionCF:
                result = d->Cumulative(x);
                break;
            case CProbabilityData::FunctionUpper:
                result = 1 - d->Cumulative(x);
                break;
            default:
                result = d->Inverse(x);
                break;
        }
    }
    ClearResults();
    SetCtrlWindowText(IDC_RESULT_EDIT, Printf("%.10f", result));
    if (!service || service->IsMissing(result))
        TKMessageBox(GetString(13012));
    if (d)
        ComputePlotValues(*d, x, result);
    FillResults(result);
    // The dialog stays open, so its closing never hands the record to the host: each computation does,
    // and the host draws the continuous calculator's curves from the record's plot lines.
    if (CProbabilityData* record = GetRecord()) {
        record->Plot = m_Data.Plot;
        if (IGlobal* global = GetHostGlobal())
            global->RunDialogCommand(record->GetstrDialog(), GetDlgCaption());
    }
    return true;
}

void CProbabilityDlg::ComputePlotValues(const IDistribution& d, double x, double result) {
    auto& plot = m_Data.Plot;
    const int type = m_pManager->GetActiveDBT();
    const int function = m_Data.FunctionRadio;
    const bool cauchy = type == NmsEnum::CAUCHY && function != CProbabilityData::FunctionUpper;
    plot.xMin = d.Inverse(cauchy ? 0.05 : 0.001);
    plot.xMax = d.Inverse(cauchy ? 0.95 : 0.999);
    plot.xLimit = function == CProbabilityData::FunctionIF ? result : x;
    if (IsBeta(type) && plot.xLimit > CProbabilityData::kBetaCap)
        plot.xLimit = CProbabilityData::kBetaCap;
    plot.yLimit = function == CProbabilityData::FunctionIF      ? x
                  : function == CProbabilityData::FunctionUpper ? 1 - d.Cumulative(x)
                                                                : d.Cumulative(x);
    INumericalService* service = NumericalService();
    plot.missing = false;
    for (double v : {plot.xMin, plot.xMax, plot.xLimit, plot.yLimit})
        plot.missing = plot.missing || !service || service->IsMissing(v) || !std::isfinite(v);
    if (plot.missing)
        return;
    plot.densityMax = 0;
    // A continuous law in the calculator's steps; a discrete one at every integer of a short range, else
    // at as many evenly spread integers (a range of billions is never walked).
    constexpr int kDiscretePlotPoints = 300;
    const double width = plot.xMax - plot.xMin;
    int points = kPlotSteps;
    double step = width / kPlotSteps;
    if (d.IsDiscrete()) {
        step = std::max(1.0, std::ceil(width / kDiscretePlotPoints));
        points = static_cast<int>(std::min(width / step, static_cast<double>(kDiscretePlotPoints))) + 1;
    }
    if (!(step > 0) || !std::isfinite(step))
        points = 0;
    for (int i = 0; i < points; ++i) {
        const double at = d.IsDiscrete() ? std::floor(plot.xMin + i * step) : plot.xMin + i * step;
        const double density = d.Density(at);
        if (std::isfinite(density))
            plot.densityMax = std::max(plot.densityMax, density);
        m_density.emplace_back(at, density);
        m_cumulative.emplace_back(at, d.Cumulative(at));
    }
}

void CProbabilityDlg::FillResults(double result) {
    m_results.clear();
    const int type = m_pManager->GetActiveDBT();
    const DistribInfo* info = m_pManager->FindInfo(type);
    m_results.emplace_back(GetString(12987) + L":", info ? GetString(info->nameIds) : CString());
    CString parameters;
    const std::vector<double> p = m_Data.GetParameters();
    for (std::size_t i = 0; i < p.size(); ++i) {
        if (i)
            parameters += L", ";
        parameters += CProbabilityData::IsIntegerParameter(type, static_cast<int>(i))
                          ? NumberText(CProbabilityData::WholeValue(p[i]))
                          : NumberText(p[i]);
    }
    m_results.emplace_back(GetString(12988), parameters);
    const int function = m_Data.FunctionRadio;
    const bool inverse = function == CProbabilityData::FunctionIF;
    m_results.emplace_back(GetString(12989), m_Data.IsIntegerValue() ? Printf("%.0f", m_Data.Value)
                                                                     : Printf("%lf", m_Data.Value));
    m_results.emplace_back(GetString(12990),
                           CRadioUtil::GetRadioString(CProbabilityData::kFunctionRadio, function));
    const bool tail = function == CProbabilityData::FunctionCF || function == CProbabilityData::FunctionUpper;
    CString text;
    if (m_Data.IsDiscrete())
        text = inverse ? Printf("%.0f", result) : Printf(result < 0.1 ? "%e" : "%.10lf", result);
    else
        text = Printf(tail && result < 0.1 ? "%e" : "%.10lf", result);
    m_results.emplace_back(GetString(12991), text);
    CString table;
    for (const auto& [label, value] : m_results)
        table += (table.IsEmpty() ? L"" : L"; ") + label + L" " + value;
    SetCtrlWindowText(IDC_RESULTS_TABLE, table);
}

// ---- drawing ------------------------------------------------------------------------------------------

namespace {

constexpr int kPlotWidth = 420;
constexpr int kPlotHeight = 300;
constexpr int kPlotGap = 10;
// The frame of a plot's axes inside its area: room for the numbers left and below.
constexpr double kLeft = 46, kRight = 12, kTop = 12, kBottom = 26;

}  // namespace

std::vector<double> CProbabilityDlg::AxisTicks(double low, double high) {
    std::vector<double> ticks;
    if (!(high > low) || !std::isfinite(low) || !std::isfinite(high))
        return ticks;
    const double rough = (high - low) / 8;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    double step = power;
    for (double m : {1.0, 2.0, 2.5, 5.0, 10.0})
        if (m * power >= rough) {
            step = m * power;
            break;
        }
    for (double t = std::ceil(low / step) * step; t <= high + step * 1e-9; t += step)
        ticks.push_back(std::abs(t) < step * 1e-9 ? 0.0 : t);
    return ticks;
}

namespace {

std::string TickText(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4g", v);
    return text;
}

// One plot area (density or probability function left, cumulative right): its background, the region
// measured (density plot only), the curve, the marker lines, and the axes with their numbers.
void DrawPlot(CCanvas& canvas, double left, const std::vector<std::pair<double, double>>& points, double xMin,
              double xMax, double yMax, double xLimit, double yLimit, bool upperTail, bool discrete,
              bool density) {
    canvas.SetColor(122, 222, 125);
    canvas.Rectangle(left, 0, kPlotWidth, kPlotHeight);
    canvas.Fill();
    if (points.empty() || !(xMax > xMin) || !(yMax > 0))
        return;
    // A bar of the discrete plots stands right of its value and is 0.8 wide.
    const double xHigh = discrete ? xMax + 1 : xMax;
    const double plotLeft = left + kLeft, plotRight = left + kPlotWidth - kRight;
    const double plotTop = kTop, plotBottom = kPlotHeight - kBottom;
    const auto X = [&](double x) { return plotLeft + (x - xMin) / (xHigh - xMin) * (plotRight - plotLeft); };
    const auto Y = [&](double y) { return plotBottom - std::min(y / yMax, 1.0) * (plotBottom - plotTop); };
    const double limit = std::clamp(xLimit, xMin, xHigh);

    if (density) {
        canvas.SetColor(50, 195, 120);
        if (discrete) {
            for (const auto& [x, y] : points)
                if ((upperTail ? x >= xLimit : x <= xLimit) && std::isfinite(y)) {
                    canvas.Rectangle(X(x), Y(y), X(x + 0.8) - X(x), Y(0) - Y(y));
                    canvas.Fill();
                }
        } else if (const auto region = CProbabilityDlg::ShadedRegion(points, xLimit, upperTail);
                   !region.empty()) {
            canvas.MoveTo(X(region[0].first), Y(region[0].second));
            for (const auto& [x, y] : region)
                canvas.LineTo(X(x), Y(y));
            canvas.ClosePath();
            canvas.Fill();
        }
    }
    canvas.SetColor(255, 0, 0);
    canvas.SetLineWidth(2);
    bool first = true;
    for (const auto& [x, y] : points) {
        if (!std::isfinite(y))
            continue;
        if (discrete) {
            canvas.MoveTo(X(x), Y(y));
            canvas.LineTo(X(x + 0.8), Y(y));
        } else if (first) {
            canvas.MoveTo(X(x), Y(y));
        } else {
            canvas.LineTo(X(x), Y(y));
        }
        first = false;
    }
    canvas.Stroke();
    canvas.SetColor(41, 7, 209);
    canvas.SetLineWidth(1.5);
    canvas.MoveTo(X(limit), plotTop);
    canvas.LineTo(X(limit), plotBottom);
    if (!density) {
        canvas.MoveTo(plotLeft, Y(yLimit));
        canvas.LineTo(plotRight, Y(yLimit));
    }
    canvas.Stroke();

    // The axes, their ticks and numbers.
    canvas.SetColor(0, 0, 0);
    canvas.SetLineWidth(1);
    canvas.MoveTo(plotLeft, plotTop);
    canvas.LineTo(plotLeft, plotBottom);
    canvas.LineTo(plotRight, plotBottom);
    canvas.Stroke();
    for (double t : CProbabilityDlg::AxisTicks(xMin, xMax)) {
        if (discrete && t != std::floor(t))
            continue;
        // A discrete value's tick stands at the middle of its bar.
        const double at = X(discrete ? t + 0.4 : t);
        canvas.MoveTo(at, plotBottom);
        canvas.LineTo(at, plotBottom + 4);
        const std::string text = TickText(t);
        canvas.Text(std::clamp(at - CCanvas::TextWidth(text) / 2, left + 2,
                               left + kPlotWidth - 2 - CCanvas::TextWidth(text)),
                    plotBottom + 8, text);
    }
    for (double t : CProbabilityDlg::AxisTicks(0, yMax)) {
        canvas.MoveTo(plotLeft - 4, Y(t));
        canvas.LineTo(plotLeft, Y(t));
        const std::string text = TickText(t);
        canvas.Text(plotLeft - 7 - CCanvas::TextWidth(text), Y(t) - CCanvas::kTextHeight / 2, text);
    }
    canvas.Stroke();
}

}  // namespace

std::vector<std::pair<double, double>> CProbabilityDlg::ShadedRegion(
    const std::vector<std::pair<double, double>>& curve, double xLimit, bool upperTail) {
    std::vector<std::pair<double, double>> region;
    std::vector<std::pair<double, double>> finite;
    for (const auto& p : curve)
        if (std::isfinite(p.first) && std::isfinite(p.second))
            finite.push_back(p);
    if (finite.empty() || !std::isfinite(xLimit))
        return region;
    const double low = finite.front().first, high = finite.back().first;
    const double limit = std::clamp(xLimit, low, high);
    // The curve's height at the limit, between the points that stand either side of it.
    const auto next = std::lower_bound(finite.begin(), finite.end(), limit,
                                       [](const auto& p, double x) { return p.first < x; });
    double atLimit = next == finite.end() ? finite.back().second : next->second;
    if (next != finite.begin() && next != finite.end() && next->first > limit) {
        const auto& [x0, y0] = *(next - 1);
        const auto& [x1, y1] = *next;
        atLimit = y0 + (y1 - y0) * (limit - x0) / (x1 - x0);
    }
    const double from = upperTail ? limit : low;
    const double to = upperTail ? high : limit;
    if (!(to > from))
        return region;
    region.emplace_back(from, 0.0);
    if (upperTail)
        region.emplace_back(limit, atLimit);
    for (const auto& p : finite)
        if (p.first > from && p.first < to)
            region.push_back(p);
        else if (p.first == from && !upperTail)
            region.push_back(p);
    if (!upperTail)
        region.emplace_back(limit, atLimit);
    else if (finite.back().first == to)
        region.push_back(finite.back());
    region.emplace_back(to, 0.0);
    return region;
}

std::pair<int, int> CProbabilityDlg::PictureSize() const {
    return {2 * kPlotWidth + kPlotGap, kPlotHeight};
}

bool CProbabilityDlg::PicturePng(std::vector<unsigned char>& png) {
    png.clear();
    if (m_Data.Plot.missing || m_density.empty())
        return false;
    const auto [width, height] = PictureSize();
    CCanvas canvas(width, height);
    canvas.SetColor(255, 255, 255);
    canvas.Paint();
    const auto& plot = m_Data.Plot;
    const bool discrete = m_Data.IsDiscrete();
    const bool upper = m_Data.FunctionRadio == CProbabilityData::FunctionUpper;
    DrawPlot(canvas, 0, m_density, plot.xMin, plot.xMax, 1.1 * plot.densityMax, plot.xLimit, plot.yLimit,
             upper, discrete, true);
    DrawPlot(canvas, kPlotWidth + kPlotGap, m_cumulative, plot.xMin, plot.xMax, 1.0, plot.xLimit,
             upper ? 1 - plot.yLimit : plot.yLimit, upper, discrete, false);
    return canvas.AppendPng(png);
}

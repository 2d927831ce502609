#include "Private/ProbabilityDlg.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

#include "HostApi/Numerics.h"
#include "Private/DistribPanel.h"
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

// The value as an integer edit shows it (a value of the inverse function may lie beyond the int range).
int WholeValue(double v) {
    const double most = std::numeric_limits<int>::max();
    return std::isfinite(v) ? static_cast<int>(std::clamp(v, -most, most)) : 0;
}

}  // namespace

CProbabilityDlg::CProbabilityDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {
    SetBaseRunFlag(1);
}

BOOL CProbabilityDlg::OnInitDialog() {
    FillRadioFromResource(CProbabilityData::kFunctionRadio);
    m_pManager = std::make_unique<CDistribManager>(this);
    const bool discrete = GetRecord() && GetRecord()->IsDiscrete();
    CDistribPanel::ReadDistribInfo(*m_pManager, discrete ? L"ProbabilityDiscreteDistribInfo.ini"
                                                         : L"ProbabilityContinuousDistribInfo.ini");
    m_pManager->SetDistribManagerData(&m_Data.DistribManagerData);
    // The buffer decides, as the record does, by the dialog id whether the calculator is discrete.
    if (GetRecord())
        m_Data.SetDialogID(GetRecord()->GetDialogID());
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
        SetCtrlWindowText(IDC_VALUE_EDIT, m_Data.IsIntegerValue() ? NumberText(WholeValue(m_Data.Value))
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
    const double step = d.IsDiscrete() ? 1.0 : (plot.xMax - plot.xMin) / kPlotSteps;
    for (double at = plot.xMin; step > 0 && (at < plot.xMax || (d.IsDiscrete() && at <= plot.xMax));
         at += step) {
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
                          ? NumberText(WholeValue(p[i]))
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
constexpr double kMargin = 24;

void SetColor(cairo_t* cr, int r, int g, int b) {
    cairo_set_source_rgb(cr, r / 255.0, g / 255.0, b / 255.0);
}

// One plot area (density or probability function left, cumulative right; no text, which would bring
// in the font machinery and its caches): its background, the region measured, the curve and the marker lines.
void DrawPlot(cairo_t* cr, double left, const std::vector<std::pair<double, double>>& points, double xMin,
              double xMax, double yMax, double xLimit, double yLimit, bool shadeRight, bool discrete,
              bool markY) {
    SetColor(cr, 122, 222, 125);
    cairo_rectangle(cr, left, 0, kPlotWidth, kPlotHeight);
    cairo_fill(cr);
    if (points.empty() || !(xMax > xMin) || !(yMax > 0))
        return;
    const double span = discrete ? xMax - xMin + 1 : xMax - xMin;
    const auto X = [&](double x) { return left + kMargin + (x - xMin) / span * (kPlotWidth - 2 * kMargin); };
    const auto Y = [&](double y) {
        return kPlotHeight - kMargin - std::min(y / yMax, 1.0) * (kPlotHeight - 2 * kMargin);
    };
    const auto measured = [&](double x) { return shadeRight ? x >= xLimit : x <= xLimit; };
    SetColor(cr, 50, 195, 120);
    if (discrete) {
        for (const auto& [x, y] : points)
            if (measured(x) && std::isfinite(y)) {
                cairo_rectangle(cr, X(x), Y(y), X(x + 0.8) - X(x), Y(0) - Y(y));
                cairo_fill(cr);
            }
    } else {
        // The region as a polygon of the computed points cut at the limit.
        cairo_move_to(cr, X(std::clamp(xLimit, xMin, xMax)), Y(0));
        for (const auto& [x, y] : points)
            if (measured(x) && std::isfinite(y))
                cairo_line_to(cr, X(x), Y(y));
        cairo_line_to(cr, X(shadeRight ? points.back().first : std::clamp(xLimit, xMin, xMax)), Y(0));
        cairo_close_path(cr);
        cairo_fill(cr);
    }
    SetColor(cr, 255, 0, 0);
    cairo_set_line_width(cr, 2);
    bool first = true;
    for (const auto& [x, y] : points) {
        if (!std::isfinite(y))
            continue;
        if (discrete) {
            cairo_move_to(cr, X(x), Y(y));
            cairo_line_to(cr, X(x + 0.8), Y(y));
        } else if (first) {
            cairo_move_to(cr, X(x), Y(y));
        } else {
            cairo_line_to(cr, X(x), Y(y));
        }
        first = false;
    }
    cairo_stroke(cr);
    SetColor(cr, 41, 7, 209);
    cairo_set_line_width(cr, 1.5);
    cairo_move_to(cr, X(std::clamp(xLimit, xMin, xMax)), kMargin / 2);
    cairo_line_to(cr, X(std::clamp(xLimit, xMin, xMax)), Y(0));
    if (markY) {
        cairo_move_to(cr, left + kMargin, Y(yLimit));
        cairo_line_to(cr, left + kPlotWidth - kMargin, Y(yLimit));
    }
    cairo_move_to(cr, left + kMargin, Y(0));
    cairo_line_to(cr, left + kPlotWidth - kMargin, Y(0));
    cairo_stroke(cr);
}

}  // namespace

bool CProbabilityDlg::WritePicture(const std::string& pngPath) {
    if (m_Data.Plot.missing || m_density.empty())
        return false;
    cairo_surface_t* surface =
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, 2 * kPlotWidth + 10, kPlotHeight);
    cairo_t* cr = cairo_create(surface);
    SetColor(cr, 255, 255, 255);
    cairo_paint(cr);
    const auto& plot = m_Data.Plot;
    const bool discrete = m_Data.IsDiscrete();
    const bool right = m_Data.FunctionRadio == CProbabilityData::FunctionUpper;
    DrawPlot(cr, 0, m_density, plot.xMin, plot.xMax, 1.1 * plot.densityMax, plot.xLimit, plot.yLimit, right,
             discrete, false);
    DrawPlot(cr, kPlotWidth + 10, m_cumulative, plot.xMin, plot.xMax, 1.0, plot.xLimit,
             right ? 1 - plot.yLimit : plot.yLimit, right, discrete, true);
    cairo_destroy(cr);
    const bool written = cairo_surface_write_to_png(surface, pngPath.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    return written;
}

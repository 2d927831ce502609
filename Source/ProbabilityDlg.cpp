#include "Private/ProbabilityDlg.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "HostApi/Numerics.h"
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

// A message resource with its "%s" places taken by the values, in order.
CString Message(UINT ids, std::initializer_list<double> values = {}) {
    CString text = GetString(ids);
    for (double v : values) {
        const int at = text.Find(L"%s");
        if (at < 0)
            break;
        text = text.Left(at) + CGUIBaseObj::NumberText(v) + text.Mid(at + 2);
    }
    return text;
}

bool IsBeta(int type) {
    return type == NmsEnum::BETA;
}

}  // namespace

CProbabilityDlg::CProbabilityDlg(CGUIBaseDlg* parent) : CRecordDlg(IDD, parent) {}

BOOL CProbabilityDlg::OnInitDialog() {
    FillRadioFromResource(CProbabilityData::kFunctionRadio);
    m_pManager = std::make_unique<CDistribManager>(this);
    IGlobal* global = GetHostGlobal();
    const CString folder = global ? global->GetDistributionFolder() : CString();
    const bool discrete = GetRecord() && GetRecord()->IsDiscrete();
    m_pManager->ReadDistribInfo(folder + (discrete ? L"ProbabilityDiscreteDistribInfo.ini"
                                                   : L"ProbabilityContinuousDistribInfo.ini"));
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
        SetCtrlWindowText(IDC_VALUE_EDIT, m_Data.IsIntegerValue() ? NumberText(static_cast<int>(m_Data.Value))
                                                                  : NumberText(m_Data.Value));
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
        CheckParameters(pDX);
    }
    if (m_pManager)
        m_pManager->DoDataExchange(pDX);
}

// The manager's edits are judged as every range of the module is, in the status bar, before the manager
// takes them (it would accept nothing these checks refuse).
void CProbabilityDlg::CheckParameters(CDataExchange* pDX) {
    const DistribInfo* d = m_pManager ? m_pManager->FindInfo(m_pManager->GetActiveDBT()) : nullptr;
    if (!d)
        return;
    for (std::size_t i = 0; i < d->parameters.size(); ++i) {
        const UINT id = CDistribManager::kEditBase + static_cast<UINT>(i) + 1;
        if (!FindCtrl(id))
            continue;
        const DistribParameter& p = d->parameters[i];
        const CString text = GetCtrlWindowText(id);
        const auto whole = ParseInt(text);
        const std::optional<double> value =
            p.integer ? (whole ? std::optional<double>(*whole) : std::nullopt) : ParseDouble(text);
        if (!value) {
            ChangeColor(id, kColorInvalid);
            SendStatusBarText(p.integer ? L"Enter an integer" : L"Enter a number");
            pDX->Fail(id);
        }
        using C = DistribParameter::Check;
        switch (p.check) {
            case C::Positive:
                CheckRange(pDX, id, *value, 0.0, 0.0, eExclusive, eNoValidation, 0);
                break;
            case C::Unit:
                CheckRange(pDX, id, *value, 0.0, 1.0, eExclusive, eExclusive, 0);
                break;
            case C::AtLeast:
                CheckRange(pDX, id, *value, p.bound, 0.0, eInclusive, eNoValidation, 0);
                break;
            case C::Above:
                CheckRange(pDX, id, *value, p.bound, 0.0, eExclusive, eNoValidation, 0);
                break;
            case C::Any:
                break;
        }
    }
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
    const int type = m_pManager ? m_pManager->GetActiveDBT() : -1;
    if (m_Data.IsDiscrete()) {
        switch (type) {
            case 21:
                return L"{1, 2, ..., N}";
            case 22:
            case 24:
            case 25:
                return L"{0, 1, ...}";
            case 23:
                return L"{0, 1, ..., n}";
            case 26:
                return GetString(12981);
            case 27:
            case 38:
                return L"{1, 2, ...}";
            case 35:
                return L"{1, 2, ..B-1}";
            default:
                break;
        }
    } else {
        switch (type) {
            case 0:
            case 3:
                return L"[a , b]";
            case 1:
            case 2:
                return L"(0.0 , 1.0)";
            case 4:
            case 5:
            case 6:
            case 7:
            case 8:
            case 9:
            case 42:
            case 44:
                return GetString(13002);
            case 10:
            case 11:
            case 13:
            case 14:
            case 15:
            case 18:
            case 20:
            case 36:
            case 39:
            case 40:
            case 41:
            case 43:
                return GetString(13003);
            case 12:
                return GetString(13004);
            case 16:
                return GetString(12978);
            case 17:
                return GetString(12979);
            case 19:
                return GetString(12980);
            default:
                break;
        }
    }
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
    const auto P = [&](std::size_t i) { return i < p.size() ? p[i] : 0.0; };
    switch (type) {
        case 0:
        case 3:
            return P(0) <= x && x <= P(1) ? CString() : Message(12982, {P(0), P(1)});
        case 1:
        case 2:
            return 0 < x && x <= 1 ? CString() : Message(12973);
        case 10:
        case 11:
        case 13:
        case 14:
        case 15:
        case 17:
        case 18:
        case 20:
        case 36:
        case 39:
        case 40:
        case 41:
        case 43:
            return x > 0 ? CString() : Message(12983);
        case 12:
        case 25:
            return x >= 0 ? CString() : Message(13013);
        case 16:
        case 19:
            return x >= P(0) ? CString() : Message(13014, {P(0)});
        case 21:
            return 1 <= x && x <= P(0) ? CString() : Message(13015, {P(0)});
        case 22:
            return P(0) < 0 ? Message(13016) : CString();
        case 23:
            return 0 <= x && x <= P(0) ? CString() : Message(12984, {P(0)});
        case 26:
            return std::max(0.0, P(2) - P(0) + P(1)) <= x && x <= std::min(P(2), P(1)) ? CString()
                                                                                       : Message(13017);
        case 27:
        case 38:
            return x >= 1 ? CString() : Message(13018);
        case 35:
            return 1 <= x && x <= P(0) - 1 ? CString() : Message(13015, {P(0)});
        default:
            return {};
    }
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

bool CProbabilityDlg::OnOK() {
    if (!UpdateData(1))
        return false;
    const int type = m_pManager ? m_pManager->GetActiveDBT() : -1;
    const std::vector<double> p = m_Data.GetParameters();
    const double x = m_Data.Value;
    const int function = m_Data.FunctionRadio;
    if (function != CProbabilityData::FunctionIF)
        if (const CString message = CheckValue(type, p, x); !message.IsEmpty()) {
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
    SetCtrlWindowText(IDC_RESULT_EDIT, Printf("%.10f", result));
    if (!service || service->IsMissing(result))
        TKMessageBox(GetString(13012));
    m_Data.Plot = {};
    m_density.clear();
    m_cumulative.clear();
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
                          ? NumberText(static_cast<int>(p[i]))
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

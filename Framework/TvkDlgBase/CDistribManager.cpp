#include "TvkDlgBase/CDistribManager.h"

#include <ini.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <limits>
#include <sstream>

#include "TvkBaseGui/CGUIBaseDlg.h"
#include "TvkDlgBase/TvkDlgBase.h"
#include "TvkUseRes/EmbeddedResources.h"
#include "TvkUseRes/ResourceTables.h"

// ---- CDistribManagerData -----------------------------------------------------------------------------

const std::vector<double>* CDistribManagerData::FindValues(int type) const {
    const auto it = m_values.find(type);
    return it == m_values.end() ? nullptr : &it->second;
}

const std::vector<CString>* CDistribManagerData::FindTexts(int type) const {
    const auto it = m_texts.find(type);
    return it == m_texts.end() ? nullptr : &it->second;
}

void CDistribManagerData::Serialize(CArchive& ar) {
    int version = m_texts.empty() ? kFormatVersion : kTextFormatVersion;
    ar.Io(version);
    if (version != kFormatVersion && version != kTextFormatVersion)
        ar.Fail("distribution data of format version " + std::to_string(version));
    ar.Io(m_nActiveType);
    if (ar.IsStoring()) {
        ar.WriteCount(m_values.size());
        for (auto& [type, values] : m_values) {
            int t = type;
            ar.Io(t);
            ar.WriteCount(values.size());
            for (double& v : values)
                ar.Io(v);
            if (version == kTextFormatVersion) {
                const std::vector<CString>* texts = FindTexts(type);
                ar.WriteCount(texts ? texts->size() : 0);
                for (std::size_t i = 0; texts && i < texts->size(); ++i) {
                    CString text = (*texts)[i];
                    ar.Io(text);
                }
            }
        }
        return;
    }
    std::map<int, std::vector<double>> loaded;
    std::map<int, std::vector<CString>> loadedTexts;
    const std::size_t count = ar.ReadCount("distribution count", 6);
    for (std::size_t i = 0; i < count; ++i) {
        const int type = ar.ReadInt32("distribution type");
        std::vector<double>& values = loaded[type];
        values.resize(ar.ReadCount("parameter count", 8));
        for (double& v : values)
            ar.Io(v);
        if (version != kTextFormatVersion)
            continue;
        std::vector<CString> texts(ar.ReadCount("parameter text count", 4));
        for (CString& text : texts)
            ar.Io(text);
        // No entry for none, so that storing again gives the same form.
        if (!texts.empty())
            loadedTexts[type] = std::move(texts);
        else
            loadedTexts.erase(type);
    }
    m_values = std::move(loaded);
    m_texts = std::move(loadedTexts);
}

// ---- CDistribNewData ---------------------------------------------------------------------------------

void CDistribNewData::Serialize(CArchive& ar) {
    CGUIBaseObj::Serialize(ar);
    int dialog = static_cast<int>(GetDialogID());
    ar.Io(dialog);
    SetDialogID(static_cast<UINT>(dialog));
}

int CDistribNewData::GetDistributionComboIDS(int type) {
    // The command keywords are 24000 + n for the catalogue's types and 24100 + type for the others.
    static const std::map<int, int> kKeyword = {
        {0, 24041},  {1, 24002},  {2, 24023},  {3, 24040},  {4, 24022},  {5, 24009},  {6, 24039},
        {7, 24005},  {8, 24017},  {9, 24032},  {10, 24013}, {11, 24006}, {12, 24016}, {13, 24024},
        {14, 24012}, {15, 24042}, {16, 24033}, {17, 24035}, {18, 24019}, {19, 24011}, {20, 24038},
        {21, 24008}, {22, 24034}, {23, 24003}, {24, 24031}, {25, 24015}, {26, 24018}, {27, 24044},
        {28, 24128}, {29, 24026}, {30, 24004}, {31, 24007}, {32, 24027}, {33, 24043}, {35, 24135},
        {36, 24136}, {38, 24138}, {39, 24139}, {40, 24140}, {41, 24141}, {42, 24142}, {43, 24143},
        {44, 24144}};
    const auto it = kKeyword.find(type);
    return it == kKeyword.end() ? -1 : it->second + 300;
}

CString CDistribNewData::GetDistributionCommand(int type) {
    CString command;
    const int ids = GetDistributionComboIDS(type);
    if (ids >= 0)
        CCommandUtil::GetCommandFromIDS(static_cast<UINT>(ids), command);
    return command;
}

bool CDistribNewData::IsIntegerParameter(int type, int index) {
    switch (type) {
        case 6:   // T
        case 11:  // CHISQ
        case 14:  // F
        case 20:  // RANGE
        case 21:  // DUNIFORM
        case 26:  // HGEOMETRIC
        case 35:  // BENFORD
        case 43:  // SMM
            return true;
        case 23:  // BINOMIAL: trials, probability
        case 36:  // ERLANG: shape, scale
        case 31:  // DIRICHLET: dimension, parameters
        case 32:  // ZMNORMAL: dimension, means, covariance
        case 33:  // WISHART: dimension, degrees of freedom, matrices
            return index == 0;
        case 29:  // MULTINOMIAL: trials, categories, probabilities
            return index <= 1;
        default:
            return false;
    }
}

bool CDistribNewData::GetRowColData(int row, int col, CGUIData<double>& holder) const {
    const std::vector<double>* values = DistribManagerData.FindValues(DistribManagerData.GetActiveType());
    if (!values || col != CDistribManager::kValueColumn || row < 1 || row > static_cast<int>(values->size()))
        return false;
    holder.SetValue((*values)[static_cast<std::size_t>(row - 1)]);
    return true;
}

bool CDistribNewData::GetRowColData(int row, int col, CGUIData<int>& holder) const {
    CGUIData<double> value(0.0);
    if (!GetRowColData(row, col, value))
        return false;
    holder.SetValue(static_cast<int>(value.GetValue()));
    return true;
}

bool CDistribNewData::GetRowColData(int row, int col, CString& text, bool& isFile) const {
    const int type = DistribManagerData.GetActiveType();
    const std::vector<CString>* texts = DistribManagerData.FindTexts(type);
    CGUIData<double> flag(0.0);
    if (!texts || row > static_cast<int>(texts->size()) || !GetRowColData(row, col, flag))
        return false;
    text = (*texts)[static_cast<std::size_t>(row - 1)];
    isFile = flag.GetValue() != 0;
    return true;
}

int CDistribNewData::GetParameterCount() const {
    const std::vector<double>* values = DistribManagerData.FindValues(DistribManagerData.GetActiveType());
    return values ? static_cast<int>(values->size()) : 0;
}

// ---- parameters --------------------------------------------------------------------------------------

CString DistribParameter::RangeText() const {
    switch (check) {
        case Check::Positive:
            return L"( 0.0 , +inf )";
        case Check::Unit:
            return L"( 0.0 , 1.0 )";
        case Check::AtLeast:
            return L"[ " + CGUIBaseObj::NumberText(static_cast<int>(bound)) + L" , +inf )";
        case Check::Above:
            return L"( " + CGUIBaseObj::NumberText(bound) + (bound == std::floor(bound) ? L".0" : L"") +
                   L" , +inf )";
        case Check::Any:
            break;
    }
    return L"( -inf , +inf )";
}

bool DistribParameter::Accepts(double v) const {
    if (integer && v != std::floor(v))
        return false;
    switch (check) {
        case Check::Positive:
            return v > 0;
        case Check::Unit:
            return v > 0 && v < 1;
        case Check::AtLeast:
            return v >= bound && v <= std::numeric_limits<int>::max();
        case Check::Above:
            return v > bound;
        case Check::Any:
            break;
    }
    return true;
}

// ---- reading -----------------------------------------------------------------------------------------

namespace {

std::string Trimmed(std::string s) {
    const auto first = s.find_first_not_of(" \t");
    const auto last = s.find_last_not_of(" \t");
    return first == std::string::npos ? std::string() : s.substr(first, last - first + 1);
}

// A number of a description file, always with a decimal point.
bool ParseNumber(const std::string& text, double& out) {
    const auto value = CGUIBaseDlg::ParseDouble(CString::FromUtf8(text), L'.');
    if (value)
        out = *value;
    return value.has_value();
}

bool ParseParameter(const std::string& value, DistribParameter& p) {
    std::vector<std::string> parts;
    std::stringstream in(value);
    for (std::string part; std::getline(in, part, '|');)
        parts.push_back(Trimmed(part));
    if (parts.size() != 4 || parts[0].empty())
        return false;
    using K = DistribParameter::Kind;
    const std::string& kind = parts[1];
    if (kind != "real" && kind != "int" && kind != "list" && kind != "matrix")
        return false;
    p.label = CString::FromUtf8(parts[0]);
    p.integer = kind == "int";
    p.kind = kind == "list" ? K::List : kind == "matrix" ? K::Matrix : K::Number;
    if (p.IsText()) {
        p.defaultText = CString::FromUtf8(parts[2]);
        const bool valid = p.kind == K::List ? ParseNumberList(p.defaultText).has_value()
                                             : ParseNumberMatrix(p.defaultText).has_value();
        return valid && parts[3] == "any";
    }
    if (!ParseNumber(parts[2], p.defaultValue))
        return false;
    std::istringstream check(parts[3]);
    std::string word, bound;
    check >> word >> bound;
    using C = DistribParameter::Check;
    if (word == "any" || word == "positive" || word == "unit") {
        p.check = word == "any" ? C::Any : word == "positive" ? C::Positive : C::Unit;
        return bound.empty();
    }
    if (word != "atleast" && word != "above")
        return false;
    p.check = word == "atleast" ? C::AtLeast : C::Above;
    return ParseNumber(bound, p.bound);
}

struct ParseState {
    std::vector<DistribInfo> info;
    std::string section;
};

int OnEntry(void* user, const char* section, const char* name, const char* value) {
    auto& state = *static_cast<ParseState*>(user);
    if (state.info.empty() || state.section != section) {
        state.info.emplace_back();
        state.section = section;
    }
    DistribInfo& d = state.info.back();
    const std::string key = name;
    double number = 0;
    if (key == "Type" && ParseNumber(value, number) && number >= 0) {
        d.type = static_cast<int>(number);
        return 1;
    }
    if (key == "Name" && ParseNumber(value, number) && number > 0) {
        d.nameIds = static_cast<UINT>(number);
        return 1;
    }
    if (key == "Param" && d.parameters.size() < CDistribManager::kMaxParameters) {
        DistribParameter p;
        if (!ParseParameter(value, p))
            return 0;
        d.parameters.push_back(std::move(p));
        return 1;
    }
    return 0;
}

}  // namespace

std::optional<std::vector<double>> ParseNumberList(const CString& text, wchar_t decimal) {
    if (text.Find(L';') >= 0 || text.Find(L'\n') >= 0)
        return std::nullopt;
    auto rows = ParseNumberMatrix(text, decimal);
    if (!rows)
        return std::nullopt;
    return rows->empty() ? std::vector<double>() : std::move(rows->front());
}

std::optional<std::vector<std::vector<double>>> ParseNumberMatrix(const CString& text, wchar_t decimal) {
    const bool commaSeparates = decimal != L',';
    std::vector<std::vector<double>> rows(1);
    CString token;
    const auto endToken = [&]() {
        if (token.IsEmpty())
            return true;
        const auto value = CGUIBaseDlg::ParseDouble(token, decimal);
        token.Empty();
        if (value)
            rows.back().push_back(*value);
        return value.has_value();
    };
    for (const wchar_t c : text.str()) {
        const bool rowEnd = c == L';' || c == L'\n';
        const bool blank = c == L' ' || c == L'\t' || c == L'\r' || (commaSeparates && c == L',');
        if (!rowEnd && !blank) {
            token += c;
            continue;
        }
        if (!endToken())
            return std::nullopt;
        if (rowEnd && !rows.back().empty())
            rows.emplace_back();
    }
    if (!endToken())
        return std::nullopt;
    if (rows.back().empty())
        rows.pop_back();
    return rows;
}

namespace {

CString JoinNumbers(const std::vector<double>& numbers) {
    CString text;
    for (std::size_t i = 0; i < numbers.size(); ++i)
        text += (i ? L", " : L"") + CGUIBaseObj::NumberText(numbers[i]);
    return text;
}

}  // namespace

CString MatrixCommandText(const CString& text, bool isFile) {
    if (isFile) {
        CString name = CString(text).Trim();
        name.Replace(L"\"", L"\"\"");
        return L"\"" + name + L"\"";
    }
    // Read in the host's decimal symbol, as the user typed it.
    const auto rows = ParseNumberMatrix(text, GetDecimalSymbol());
    if (!rows)
        return L"[" + CString(text).Trim() + L"]";
    CString joined;
    for (std::size_t i = 0; i < rows->size(); ++i)
        joined += (i ? L"; " : L"") + JoinNumbers((*rows)[i]);
    return L"[" + joined + L"]";
}

int CDistribManager::ParseDistribInfo(const std::string& text) {
    ParseState state;
    int error = ini_parse_string(text.c_str(), OnEntry, &state);
    for (std::size_t i = 0; error == 0 && i < state.info.size(); ++i)
        if (state.info[i].type < 0 || state.info[i].nameIds == 0)
            error = -1;
    m_info = error == 0 ? std::move(state.info) : std::vector<DistribInfo>();
    return error;
}

bool CDistribManager::ReadDistribInfo(const CString& path) {
    const std::string file = path.ToUtf8();
    std::string text;
    if (std::ifstream in(file, std::ios::binary); in) {
        text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    } else {
        const std::string name = "distributions/" + file.substr(file.find_last_of("/\\") + 1);
        const EmbeddedResource* r = kEmbeddedResources;
        while (r->path && name != r->path)
            ++r;
        if (!r->path) {
            m_info.clear();
            return false;
        }
        text = std::string(r->bytes);
    }
    return ParseDistribInfo(text) == 0 && !m_info.empty();
}

// ---- state -------------------------------------------------------------------------------------------

const DistribInfo* CDistribManager::FindInfo(int type) const {
    for (const auto& d : m_info)
        if (d.type == type)
            return &d;
    return nullptr;
}

void CDistribManager::FillupDistribInfoVecMap() {
    if (!m_pData)
        return;
    for (const auto& d : m_info) {
        std::vector<double>& values = m_pData->Values(d.type);
        const bool hasTexts =
            std::any_of(d.parameters.begin(), d.parameters.end(), [](const auto& p) { return p.IsText(); });
        const std::vector<CString>* kept = m_pData->FindTexts(d.type);
        const bool textsFit = hasTexts ? kept && kept->size() == d.parameters.size() : !kept;
        if (values.size() == d.parameters.size() && textsFit)
            continue;
        values.clear();
        std::vector<CString> texts;
        for (const auto& p : d.parameters) {
            values.push_back(p.defaultValue);
            texts.push_back(p.defaultText);
        }
        if (hasTexts)
            m_pData->Texts(d.type) = std::move(texts);
    }
    if (!FindInfo(m_pData->GetActiveType()) && !m_info.empty())
        m_pData->SetActiveType(m_info.front().type);
}

int CDistribManager::GetActiveDBT() const {
    return m_pData && FindInfo(m_pData->GetActiveType()) ? m_pData->GetActiveType() : -1;
}

const std::vector<double>& CDistribManager::ActiveValues() const {
    static const std::vector<double> kNone;
    const std::vector<double>* values = m_pData ? m_pData->FindValues(GetActiveDBT()) : nullptr;
    return values ? *values : kNone;
}

bool CDistribManager::GetValue(int type, int, int, int index, CGUIData<double>& holder) const {
    const std::vector<double>* values = m_pData ? m_pData->FindValues(type) : nullptr;
    if (!values || index < 1 || index > static_cast<int>(values->size()))
        return false;
    holder.SetValue((*values)[static_cast<std::size_t>(index - 1)]);
    return true;
}

bool CDistribManager::GetValue(int type, int controlType, int reserved, int index,
                               CGUIData<int>& holder) const {
    CGUIData<double> value(0.0);
    if (!GetValue(type, controlType, reserved, index, value))
        return false;
    holder.SetValue(static_cast<int>(value.GetValue()));
    return true;
}

int CDistribManager::GetRowCount() const {
    const DistribInfo* d = FindInfo(GetActiveDBT());
    return d ? 1 + static_cast<int>(d->parameters.size()) : 0;
}

CString CDistribManager::GetRowColData(int row, int col) const {
    const DistribInfo* d = FindInfo(GetActiveDBT());
    if (!d || row < 0 || row >= GetRowCount() || col < kLabelColumn || col > kValueColumn)
        return {};
    if (row == 0)
        return col == kLabelColumn   ? CString(L"Distribution")
               : col == kValueColumn ? GetString(d->nameIds)
                                     : CString();
    const auto at = static_cast<std::size_t>(row - 1);
    const auto& p = d->parameters[at];
    if (col == kLabelColumn)
        return p.label;
    if (col == kRangeColumn)
        return p.IsText() ? CString() : p.RangeText();
    if (p.IsText()) {
        const std::vector<CString>* texts = m_pData ? m_pData->FindTexts(d->type) : nullptr;
        return texts && at < texts->size() ? (*texts)[at] : CString();
    }
    const double v = ActiveValues()[at];
    return p.integer ? CGUIBaseObj::NumberText(static_cast<int>(v)) : CGUIBaseObj::NumberText(v);
}

bool CDistribManager::SelectType(int type) {
    if (!m_pData || !FindInfo(type))
        return false;
    KeepTyped();
    m_pData->SetActiveType(type);
    if (m_pDlg && m_pDlg->FindCtrl(kDistribCombo)) {
        CTKCtrl& combo = m_pDlg->Ctrl(kDistribCombo);
        for (std::size_t i = 0; i < m_info.size(); ++i)
            if (m_info[i].type == type)
                combo.m_nComboIndex = static_cast<int>(i);
        ShowActive();
    }
    return true;
}

UINT CDistribManager::GetIDSFromString(const CString& name) const {
    CString wanted = name;
    wanted.MakeLower();
    for (const auto& d : m_info) {
        CString text = GetString(d.nameIds);
        if (text.MakeLower() == wanted)
            return d.nameIds;
    }
    return 0;
}

int CDistribManager::GetDistribTypeFromIDS(UINT ids) const {
    for (const auto& d : m_info)
        if (d.nameIds == ids)
            return d.type;
    return -1;
}

// ---- controls ----------------------------------------------------------------------------------------

void CDistribManager::CreateControls(UINT placeholder, int show) {
    if (!m_pDlg)
        return;
    m_nPlaceholder = placeholder;
    CTKCtrl& combo = m_pDlg->AddRuntimeCtrl(kDistribCombo, ControlKind::Combo, L"");
    for (const auto& d : m_info) {
        combo.m_comboItems.push_back(GetString(d.nameIds));
        if (d.type == GetActiveDBT())
            combo.m_nComboIndex = static_cast<int>(combo.m_comboItems.size()) - 1;
    }
    for (int i = 1; i <= kMaxParameters; ++i) {
        m_pDlg->AddRuntimeCtrl(kLabelBase + i, ControlKind::Static, L"");
        m_pDlg->AddRuntimeCtrl(kEditBase + i, ControlKind::DoubleEdit, L"");
        m_pDlg->AddRuntimeCtrl(kFileCheckBase + i, ControlKind::Check, L"From file").m_bVisible = false;
    }
    combo.m_bVisible = show != 0;
    ShowActive();
}

void CDistribManager::ShowActive() {
    const DistribInfo* d = FindInfo(GetActiveDBT());
    if (CTKCtrl* combo = m_pDlg->FindCtrl(kDistribCombo))
        for (std::size_t i = 0; d && i < m_info.size(); ++i)
            if (&m_info[i] == d)
                combo->m_nComboIndex = static_cast<int>(i);
    const std::vector<double>& values = ActiveValues();
    const std::vector<CString>* texts = d && m_pData ? m_pData->FindTexts(d->type) : nullptr;
    for (int i = 1; i <= kMaxParameters; ++i) {
        const auto at = static_cast<std::size_t>(i - 1);
        const bool shown = d && at < d->parameters.size() && at < values.size();
        const DistribParameter* p = shown ? &d->parameters[at] : nullptr;
        // A text parameter types into a plain edit; a number into a number edit.
        const ControlKind kind = p && p->IsText() ? ControlKind::Edit : ControlKind::DoubleEdit;
        if (m_pDlg->Ctrl(kEditBase + i).GetKind() != kind)
            m_pDlg->AddRuntimeCtrl(kEditBase + i, kind, L"");
        CTKCtrl& label = m_pDlg->Ctrl(kLabelBase + i);
        CTKCtrl& edit = m_pDlg->Ctrl(kEditBase + i);
        CTKCtrl& fromFile = m_pDlg->Ctrl(kFileCheckBase + i);
        label.m_bVisible = edit.m_bVisible = shown;
        fromFile.m_bVisible = p && p->kind == DistribParameter::Kind::Matrix;
        if (!p)
            continue;
        label.m_strText = p->label;
        edit.m_color = kColorWhite;
        if (p->IsText()) {
            edit.m_strText = texts && at < texts->size() ? (*texts)[at] : CString();
            edit.m_strToolTip = edit.m_strText;
            fromFile.m_nChecked = values[at] != 0 ? 1 : 0;
            continue;
        }
        edit.m_strText = p->integer ? CGUIBaseObj::NumberText(static_cast<int>(values[at]))
                                    : CGUIBaseObj::NumberText(values[at]);
        edit.m_strToolTip = p->RangeText();
    }
}

void CDistribManager::KeepTyped() {
    const DistribInfo* d = FindInfo(GetActiveDBT());
    if (!d || !m_pDlg || !m_pDlg->FindCtrl(kDistribCombo))
        return;
    std::vector<double>& values = m_pData->Values(d->type);
    for (std::size_t i = 0; i < d->parameters.size() && i < values.size(); ++i) {
        const UINT at = static_cast<UINT>(i) + 1;
        const DistribParameter& p = d->parameters[i];
        const CString typed = m_pDlg->GetCtrlWindowText(kEditBase + at);
        if (p.IsText()) {
            if (const auto* kept = m_pData->FindTexts(d->type); kept && kept->size() == d->parameters.size())
                m_pData->Texts(d->type)[i] = typed;
            if (p.kind == DistribParameter::Kind::Matrix)
                values[i] = m_pDlg->IsCtrlChecked(kFileCheckBase + at) ? 1 : 0;
        } else if (const auto parsed = CGUIBaseDlg::ParseDouble(typed); parsed && p.Accepts(*parsed)) {
            values[i] = *parsed;
        }
    }
}

bool CDistribManager::OnCommand(UINT id) {
    if (id != kDistribCombo || !m_pDlg || !m_pData)
        return false;
    const int index = m_pDlg->Ctrl(kDistribCombo).m_nComboIndex;
    if (index < 0 || index >= static_cast<int>(m_info.size()))
        return false;
    KeepTyped();
    m_pData->SetActiveType(m_info[static_cast<std::size_t>(index)].type);
    ShowActive();
    return true;
}

void CDistribManager::DoDataExchange(CDataExchange* pDX) {
    const DistribInfo* d = FindInfo(GetActiveDBT());
    if (!d || !m_pDlg || !m_pDlg->FindCtrl(kDistribCombo))
        return;
    if (!pDX->m_bSaveAndValidate) {
        ShowActive();
        return;
    }
    std::vector<double> values = ActiveValues();
    const std::vector<CString>* kept = m_pData->FindTexts(d->type);
    std::vector<CString> texts = kept ? *kept : std::vector<CString>();
    for (std::size_t i = 0; i < d->parameters.size() && i < values.size(); ++i) {
        const UINT id = kEditBase + static_cast<UINT>(i) + 1;
        const DistribParameter& p = d->parameters[i];
        const CString typed = m_pDlg->GetCtrlWindowText(id);
        if (p.IsText()) {
            const bool fromFile = p.kind == DistribParameter::Kind::Matrix &&
                                  m_pDlg->IsCtrlChecked(kFileCheckBase + static_cast<UINT>(i) + 1);
            bool valid = !CString(typed).Trim().IsEmpty();
            if (valid && !fromFile) {
                const auto rows = ParseNumberMatrix(typed);
                valid =
                    rows && !rows->empty() && (p.kind == DistribParameter::Kind::Matrix || rows->size() == 1);
            }
            if (!valid)
                m_pDlg->RefuseValue(pDX, id,
                                    fromFile ? CString(L"Enter a file name")
                                             : L"Enter numbers separated by blanks or commas" +
                                                   CString(p.kind == DistribParameter::Kind::Matrix
                                                               ? L", rows separated by \";\""
                                                               : L""));
            m_pDlg->ChangeColor(id, kColorWhite);
            values[i] = fromFile ? 1 : 0;
            if (texts.size() < d->parameters.size())
                texts.resize(d->parameters.size());
            texts[i] = typed;
            continue;
        }
        const auto parsed = CGUIBaseDlg::ParseDouble(typed);
        if (!parsed || !p.Accepts(*parsed))
            m_pDlg->RefuseValue(pDX, id, L"Enter a number in " + p.RangeText());
        m_pDlg->ChangeColor(id, kColorWhite);
        values[i] = *parsed;
    }
    pDX->Replace(m_pData->Values(d->type), std::move(values));
    if (!texts.empty())
        pDX->Replace(m_pData->Texts(d->type), std::move(texts));
}

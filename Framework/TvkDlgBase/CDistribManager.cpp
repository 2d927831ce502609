#include "TvkDlgBase/CDistribManager.h"

#include <fcntl.h>
#include <ini.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <limits>

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

namespace {

// What no dialog stores in a distribution's values; empty when they are such as a dialog stores.
std::string RefusedValues(int type, const std::vector<double>& values, const std::vector<CString>* texts,
                          bool chosen) {
    const DistribFact* fact = FindDistribFact(type);
    const std::string named = "distribution type " + std::to_string(type);
    if (!fact)
        return named + ", which is unknown";
    if (values.size() != fact->parameters.size())
        return named + " with " + std::to_string(values.size()) + " values for its " +
               std::to_string(fact->parameters.size()) + " parameters";
    for (std::size_t i = 0; i < values.size(); ++i)
        if (!fact->parameters[i].Accepts(values[i]))
            return named + ": parameter " + std::to_string(i + 1) + " refuses the value " +
                   CGUIBaseDlg::ExactNumberText(values[i]).ToUtf8();
    if (texts && texts->size() != values.size())
        return named + " with " + std::to_string(texts->size()) + " texts for its " +
               std::to_string(values.size()) + " parameters";
    if (chosen && fact->CheckTogether(values, texts ? *texts : std::vector<CString>()))
        return named + ": its values do not fit together";
    return {};
}

}  // namespace

void CDistribManagerData::Serialize(CArchive& ar) {
    int version = m_texts.empty() ? kFormatVersion : kTextFormatVersion;
    ar.Io(version);
    if (version != kFormatVersion && version != kTextFormatVersion)
        ar.Fail("distribution data of format version " + std::to_string(version));
    if (ar.IsStoring()) {
        ar.Io(m_nActiveType);
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
    const int active = ar.ReadInt32("chosen distribution type");
    std::map<int, std::vector<double>> loaded;
    std::map<int, std::vector<CString>> loadedTexts;
    const std::size_t count = ar.ReadCount("distribution count", 6);
    for (std::size_t i = 0; i < count; ++i) {
        const int type = ar.ReadInt32("distribution type");
        if (loaded.count(type))
            ar.Fail("distribution type " + std::to_string(type) + " kept twice");
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
    }
    if (active != -1 && !loaded.count(active))
        ar.Fail("chosen distribution type " + std::to_string(active) + " without values");
    for (const auto& [type, values] : loaded) {
        const auto texts = loadedTexts.find(type);
        const std::string refused = RefusedValues(
            type, values, texts == loadedTexts.end() ? nullptr : &texts->second, type == active);
        if (!refused.empty())
            ar.Fail(refused);
    }
    m_nActiveType = active;
    m_values = std::move(loaded);
    m_texts = std::move(loadedTexts);
}

// ---- CDistribNewData ---------------------------------------------------------------------------------

void CDistribNewData::Serialize(CArchive& ar) {
    CGUIBaseObj::Serialize(ar);
    int dialog = static_cast<int>(GetVariantID());
    ar.Io(dialog);
    SetVariantID(static_cast<UINT>(dialog));
}

int CDistribNewData::GetDistributionComboIDS(int type) {
    const DistribFact* fact = FindDistribFact(type);
    return fact ? fact->StemIds() : -1;
}

CString CDistribNewData::GetDistributionCommand(int type) {
    CString command;
    const int ids = GetDistributionComboIDS(type);
    if (ids >= 0)
        CCommandUtil::GetCommandFromIDS(static_cast<UINT>(ids), command);
    return command;
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
    // A value beyond the int range is no integer cell (a loaded record has none).
    const double most = std::numeric_limits<int>::max();
    if (!GetRowColData(row, col, value) || !(std::abs(value.GetValue()) <= most))
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

// ---- reading -----------------------------------------------------------------------------------------

namespace {

constexpr char kSection[] = "Distributions";
constexpr char kKey[] = "Distribution";
// inih reads a longer line in pieces, each as a line of its own.
constexpr std::size_t kMaxLineBytes = INI_MAX_LINE - 2;

struct ParseState {
    std::vector<DistribInfo> info;
    std::string error;  // the first, for the line inih reports
};

int OnEntry(void* user, const char* section, const char* name, const char* value) {
    auto& state = *static_cast<ParseState*>(user);
    const auto fail = [&](std::string what) {
        if (state.error.empty())
            state.error = std::move(what);
        return 0;
    };
    if (std::strcmp(section, kSection) != 0)
        return fail(*section
                        ? "a section [" + std::string(section) + "]; the file has one, [" + kSection + "]"
                        : "a line before the section [" + std::string(kSection) + "]");
    if (std::strcmp(name, kKey) != 0)
        return fail("an unknown key '" + std::string(name) + "' (a line is: " + kKey + " = NAME)");
    const DistribFact* fact = FindDistribFact(std::string_view(value));
    if (!fact)
        return fail("an unknown distribution '" + std::string(value) + "'");
    for (const DistribInfo& d : state.info)
        if (d.type == fact->type)
            return fail("'" + std::string(value) + "' offered twice");
    if (fact->parameters.size() > CDistribManager::kMaxParameters)
        return fail("'" + std::string(value) + "' has more parameters than the manager shows");
    state.info.push_back(*fact);
    return 1;
}

// What inih cannot say of a text: the line and what is wrong with it, or line 0.
std::pair<int, std::string> CheckText(const std::string& text) {
    if (text.size() >= 2 &&
        ((text[0] == '\xFF' && text[1] == '\xFE') || (text[0] == '\xFE' && text[1] == '\xFF')))
        return {1, "UTF-16 text; save the file as UTF-8"};
    int line = 1;
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        const bool end = i == text.size() || text[i] == '\n' || text[i] == '\r';
        if (!end) {
            if (text[i] == '\0')
                return {line, "a NUL byte: the file is not text"};
            continue;
        }
        if (i - lineStart > kMaxLineBytes)
            return {line, "a line longer than " + std::to_string(kMaxLineBytes) + " characters"};
        if (i < text.size() && text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        ++line;
        lineStart = i + 1;
    }
    return {0, {}};
}

std::string ErrorText(int error) {
    return error == 0 ? std::string() : std::strerror(error);
}

// The bytes of a file, at most `limit` of them, without blocking on a FIFO nor reading a device without
// end; an empty optional with `why` set when it cannot be read.
std::optional<std::string> ReadBounded(const std::string& path, std::size_t limit, std::string& why) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        why = "cannot be read: " + ErrorText(errno);
        return std::nullopt;
    }
    struct stat st {};
    std::optional<std::string> text;
    if (::fstat(fd, &st) != 0) {
        why = "cannot be read: " + ErrorText(errno);
    } else if (S_ISDIR(st.st_mode)) {
        why = "is a folder, not a description file";
    } else if (!S_ISREG(st.st_mode)) {
        why = "is no regular file";
    } else {
        std::string bytes(limit + 1, '\0');
        std::size_t got = 0;
        while (got < bytes.size()) {
            const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                why = "cannot be read: " + ErrorText(errno);
                break;
            }
            if (n == 0)
                break;
            got += static_cast<std::size_t>(n);
        }
        if (why.empty() && got > limit)
            why = "is larger than " + std::to_string(limit / 1024) +
                  " KiB, the most a description file may hold";
        if (why.empty())
            text = bytes.substr(0, got);
    }
    ::close(fd);
    return text;
}

}  // namespace

int CDistribManager::ParseDistribInfo(const std::string& text) {
    m_info.clear();
    auto [line, what] = CheckText(text);
    ParseState state;
    if (line == 0) {
        line = ini_parse_string(text.c_str(), OnEntry, &state);
        what = line > 0 && state.error.empty()
                   ? std::string("not a line of a description file (") + kKey + " = NAME)"
                   : state.error;
        if (line == 0 && state.info.empty()) {
            line = -1;
            what = "offers no distribution";
        }
    }
    m_error = line == 0  ? CString()
              : line > 0 ? CString::FromUtf8(std::to_string(line) + ": " + what)
                         : CString::FromUtf8(what);
    if (line == 0)
        m_info = std::move(state.info);
    return line;
}

bool CDistribManager::ReadDistribInfo(const CString& path) {
    const std::string file = path.ToUtf8();
    std::optional<std::string> text;
    std::string why;
    if (file.find('/') == std::string::npos) {
        // The module's own.
        if (const EmbeddedResource* r = FindRegisteredResource("distributions/" + file))
            text = std::string(r->bytes);
        else
            why = "the module has no such description file";
    } else {
        text = ReadBounded(file, kMaxFileBytes, why);
    }
    if (!text) {
        m_info.clear();
        m_error = path + L": " + CString::FromUtf8(why);
        return false;
    }
    const int line = ParseDistribInfo(*text);
    if (line != 0)
        m_error = path + (line > 0 ? L":" : L": ") + m_error;
    return line == 0;
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
    if (!GetValue(type, controlType, reserved, index, value) ||
        !(std::abs(value.GetValue()) <= std::numeric_limits<int>::max()))
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
    return ValueText(*d, at);
}

CString CDistribManager::ValueText(const DistribInfo& d, std::size_t at) const {
    const DistribParameter& p = d.parameters[at];
    const std::vector<double>& values = ActiveValues();
    const double v = at < values.size() ? values[at] : 0;
    if (p.IsText()) {
        const std::vector<CString>* texts = m_pData ? m_pData->FindTexts(d.type) : nullptr;
        const CString text = texts && at < texts->size() ? (*texts)[at] : CString();
        // A file's name is no list of numbers.
        return v != 0 ? text : ShownNumberText(text, GetDecimalSymbol());
    }
    return p.integer && std::abs(v) <= std::numeric_limits<int>::max()
               ? CGUIBaseObj::NumberText(static_cast<int>(v))
               : CGUIBaseDlg::ExactNumberText(v);
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
    for (int i = 1; i <= kMaxParameters; ++i) {
        const auto at = static_cast<std::size_t>(i - 1);
        const bool shown = d && at < d->parameters.size() && at < values.size();
        const DistribParameter* p = shown ? &d->parameters[at] : nullptr;
        // A text parameter types into a plain edit; a number into a number edit of its kind.
        const ControlKind kind = !p            ? ControlKind::DoubleEdit
                                 : p->IsText() ? ControlKind::Edit
                                 : p->integer  ? ControlKind::IntEdit
                                               : ControlKind::DoubleEdit;
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
        edit.m_strText = ValueText(*d, at);
        edit.m_strToolTip = p->IsText() ? edit.m_strText : p->RangeText();
        if (p->IsText())
            fromFile.m_nChecked = values[at] != 0 ? 1 : 0;
    }
}

namespace {

// A number typed into a parameter's edit: an integer parameter takes whole numbers only.
std::optional<double> ParseParameter(const DistribParameter& p, const CString& typed) {
    if (!p.integer)
        return CGUIBaseDlg::ParseDouble(typed);
    const auto whole = CGUIBaseDlg::ParseInt(typed);
    return whole ? std::optional<double>(*whole) : std::nullopt;
}

}  // namespace

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
            const bool fromFile =
                p.kind == DistribParameter::Kind::Matrix && m_pDlg->IsCtrlChecked(kFileCheckBase + at);
            if (const auto* kept = m_pData->FindTexts(d->type); kept && kept->size() == d->parameters.size())
                m_pData->Texts(d->type)[i] = fromFile ? typed : StoredNumberText(typed, GetDecimalSymbol());
            values[i] = fromFile ? 1 : 0;
        } else if (const auto parsed = ParseParameter(p, typed); parsed && p.Accepts(*parsed)) {
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
    if (!m_pDlg || !m_pDlg->FindCtrl(kDistribCombo))
        return;
    if (m_info.empty()) {
        // Nothing to choose from: say why rather than accept nothing.
        if (pDX->m_bSaveAndValidate) {
            TKMessageBox(m_error.IsEmpty() ? CString(L"No distribution is offered") : m_error);
            pDX->Fail(kDistribCombo);
        }
        return;
    }
    const DistribInfo* d = FindInfo(GetActiveDBT());
    if (!d)
        return;
    if (!pDX->m_bSaveAndValidate) {
        ShowActive();
        return;
    }
    std::vector<double> values = ActiveValues();
    const std::vector<CString>* kept = m_pData->FindTexts(d->type);
    std::vector<CString> texts = kept ? *kept : std::vector<CString>();
    const wchar_t decimal = GetDecimalSymbol();
    for (std::size_t i = 0; i < d->parameters.size() && i < values.size(); ++i) {
        const UINT id = kEditBase + static_cast<UINT>(i) + 1;
        const DistribParameter& p = d->parameters[i];
        const CString typed = m_pDlg->GetCtrlWindowText(id);
        if (p.IsText()) {
            const bool fromFile = p.kind == DistribParameter::Kind::Matrix &&
                                  m_pDlg->IsCtrlChecked(kFileCheckBase + static_cast<UINT>(i) + 1);
            bool valid = !CString(typed).Trim().IsEmpty();
            if (valid && !fromFile) {
                const auto rows = ParseNumberMatrix(typed, decimal);
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
            texts[i] = fromFile ? typed : StoredNumberText(typed, decimal);
            continue;
        }
        const auto parsed = ParseParameter(p, typed);
        if (!parsed)
            m_pDlg->RefuseValue(pDX, id, p.integer ? L"Enter an integer" : L"Enter a number");
        p.CheckRange(*m_pDlg, pDX, id, *parsed);
        values[i] = *parsed;
    }
    if (const auto refused = d->CheckTogether(values, texts)) {
        const UINT id = kEditBase + static_cast<UINT>(refused->parameter) + 1;
        m_pDlg->ChangeColor(id, kColorInvalid);
        TKMessageBox(GetString(refused->message));
        pDX->Fail(id);
    }
    pDX->Replace(m_pData->Values(d->type), std::move(values));
    if (!texts.empty())
        pDX->Replace(m_pData->Texts(d->type), std::move(texts));
}

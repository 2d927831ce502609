#include "Studio/StudioSession.h"

#include <fstream>

#include "Host/HostData.h"
#include "Host/HostScript.h"
#include "Host/HostText.h"
#include "Platform/CArchive.h"
#include "TvkBaseGui/CGUIBaseDlg.h"

StudioSession::StudioSession() : m_host(std::make_unique<HostApp>(m_out)) {
    m_host->Data().SetKeepCells(true);
    m_host->SetReportSink([this](const HostReport& report) { Dispatch(report); });
}

StudioSession::~StudioSession() = default;

void StudioSession::Dispatch(const HostReport& report) {
    if (report.kind == HostReport::Kind::Status)
        m_status = report.text;
    // The series module now treats missing values as the line says; the menu's check follows it.
    if (report.kind == HostReport::Kind::Line &&
        (report.text == "MISSING INTERPOLATE" || report.text == "MISSING DELETE"))
        m_host->Settings().interpolate = report.text == "MISSING INTERPOLATE";
    if (onReport)
        onReport(report);
}

void StudioSession::LoadData(const std::string& path) {
    m_host->Data().LoadCsv(path);
    m_script.AddFile("data", path);
}

void StudioSession::SaveRecords(const std::string& path) const {
    m_host->SaveRecordFile(path, path);
}

void StudioSession::OpenRecords(const std::string& path) {
    m_host->OpenRecordFile(path, path);
    m_script.AddFile("open", path);
}

void StudioSession::ApplySetting(const std::string& name, const std::string& value) {
    ApplyHostSetting(*m_host, name, value);
    m_script.Add({"set", name, value});
}

namespace {

std::string Number(UINT id) {
    return std::to_string(id);
}

std::vector<std::string> Words(std::vector<std::string> head, const std::vector<CString>& names) {
    for (const CString& name : names)
        head.push_back(name.ToUtf8());
    return head;
}

}  // namespace

void StudioSession::Choose(UINT command) {
    // Written first: the dialog's own steps follow while it runs.
    m_script.Add({"menu", Number(command)});
    m_host->RouteCommand(command);
}

void StudioSession::Text(CGUIBaseDlg& dlg, UINT id, const CString& text, bool lineEnds) {
    std::string plain = text.ToUtf8();
    for (std::size_t at = 0; lineEnds && (at = plain.find("\r\n", at)) != std::string::npos;)
        plain.replace(at, 2, "  ");
    if (const std::size_t at = FindControlCharacter(plain); at != std::string::npos)
        throw HostError("a control character (" + ControlCharacterShown(plain, at) +
                        ") in the typed text: a field takes plain text, and keeps what it held");
    dlg.UserTypeText(id, text);
    m_script.Update({"text", Number(id), text.ToUtf8()});
}

void StudioSession::Check(CGUIBaseDlg& dlg, UINT id, bool checked) {
    dlg.UserCheck(id, checked ? 1 : 0);
    m_script.Add({"check", Number(id), checked ? "1" : "0"});
}

void StudioSession::Radio(CGUIBaseDlg& dlg, UINT id) {
    dlg.UserRadio(id);
    m_script.Add({"radio", Number(id)});
}

void StudioSession::Combo(CGUIBaseDlg& dlg, UINT id, int index) {
    dlg.UserCombo(id, index);
    m_script.Add({"combo", Number(id), std::to_string(index)});
}

void StudioSession::Select(CGUIBaseDlg& dlg, UINT list, const std::vector<CString>& names) {
    dlg.UserSelect(list, names);
    m_script.Update(Words({"select", Number(list)}, names));
}

void StudioSession::Click(CGUIBaseDlg& dlg, UINT id) {
    dlg.UserClick(id);
    m_script.Add({"click", Number(id)});
}

void StudioSession::DblClick(CGUIBaseDlg& dlg, UINT list, const CString& name) {
    dlg.UserDblClick(list, name);
    m_script.Add({"dblclick", Number(list), name.ToUtf8()});
}

void StudioSession::Drag(CGUIBaseDlg& dlg, UINT from, const std::vector<CString>& names, UINT to) {
    dlg.UserDrag(from, names, to);
    std::vector<std::string> words = Words({"drag", Number(from)}, names);
    words.insert(words.end(), {"to", Number(to)});
    m_script.Add(std::move(words));
}

void StudioSession::Context(CGUIBaseDlg& dlg, UINT list, UINT command) {
    dlg.UserContext(list, command);
    m_script.Add({"context", Number(list), Number(command)});
}

void StudioSession::ShowPage(CGUIBaseDlg& dlg, int page) {
    dlg.UserShowPage(page);
    m_script.Add({"page", std::to_string(page)});
}

bool StudioSession::Ok(CGUIBaseDlg& dlg) {
    const bool accepted = dlg.OnOK();
    m_script.Add({"ok"});
    return accepted;
}

void StudioSession::Cancel(CGUIBaseDlg& dlg) {
    dlg.OnCancel();
    m_script.Add({"cancel"});
}

void StudioSession::SaveLog(const std::string& path) const {
    std::ofstream out(path, std::ios::trunc);
    for (const CString& line : m_host->KernelLog())
        out << line.ToUtf8() << "\n";
    out.close();
    if (!out)
        throw HostError(path + ": cannot write the command log");
}

namespace {

// What a store into the record may change of a control: its colour and tool tip (range checks), the
// text the dialog puts back, the checks that follow.
struct ControlState {
    CTKCtrl* ctrl;
    CString text;
    CString toolTip;
    COLORREF color;
    int checked;
    bool enabled;
    bool visible;
    int comboIndex;
};

}  // namespace

StudioSession::Preview StudioSession::PreviewLines(CGUIBaseDlg& dlg, const std::vector<CGUIBaseDlg*>& shown) {
    Preview preview;
    CGUIBaseObj* record = dlg.GetData();
    if (!record || dlg.IsEnded())
        return preview;
    CArchive saved;
    record->Serialize(saved);
    std::vector<ControlState> states;
    for (CGUIBaseDlg* d : shown)
        for (UINT id : d->GetCtrlIDs()) {
            CTKCtrl& c = d->Ctrl(id);
            states.push_back({&c, c.m_strText, c.m_strToolTip, c.m_color, c.m_nChecked, c.m_bEnabled,
                              c.m_bVisible, c.m_nComboIndex});
        }
    m_host->SetQuiet(true);
    m_host->TakeQuietReport();
    try {
        if (dlg.OKLike()) {
            CCmdList lines;
            record->GetCommandInfoList(lines);
            for (const auto& line : lines)
                preview.lines.push_back(line.GetCommand().ToUtf8());
        } else {
            preview.refused = true;
            preview.reason = m_host->TakeQuietReport();
        }
    } catch (...) {
        m_host->SetQuiet(false);
        throw;
    }
    m_host->SetQuiet(false);
    for (const ControlState& s : states) {
        s.ctrl->m_strText = s.text;
        s.ctrl->m_strToolTip = s.toolTip;
        // A check the value now passes takes its mark off at once (as OK would); a failing one paints
        // nothing before the user presses OK.
        if (s.ctrl->m_color != kColorWhite)
            s.ctrl->m_color = s.color;
        s.ctrl->m_nChecked = s.checked;
        s.ctrl->m_bEnabled = s.enabled;
        s.ctrl->m_bVisible = s.visible;
        s.ctrl->m_nComboIndex = s.comboIndex;
    }
    CArchive back(saved.GetBuffer());
    record->LoadFromArchive(back);
    return preview;
}

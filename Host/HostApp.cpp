#include "Host/HostApp.h"

#include <dlfcn.h>
#include <unistd.h>

#include <climits>
#include <filesystem>
#include <iostream>

#include "Host/HostText.h"
#include "Host/RecordStore.h"
#include "HostApi/HostServices.h"
#include "Platform/CArchive.h"
#include "TvkBaseGui/CGUIBaseDlg.h"
#include "TvkUseRes/CTvkAssertDlg.h"

namespace {

std::string ExecutableDir() {
    char buf[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0)
        return ".";
    buf[n] = '\0';
    return std::filesystem::path(buf).parent_path().string();
}

}  // namespace

HostApp::HostApp(std::ostream& out) : m_out(out) {
    InstallHost(this, &m_data);
    HostSinks sinks;
    sinks.assertion = [this](const CString& file, long line) {
        if (!IsQuiet())
            Report(HostReport::Kind::Assertion, file.ToUtf8() + ":" + std::to_string(line));
    };
    sinks.messageBox = [this](const CString& text, UINT, UINT) {
        Report(HostReport::Kind::Message, text.ToUtf8());
    };
    sinks.warning = [this](const CString& text) { Report(HostReport::Kind::Warning, text.ToUtf8()); };
    InstallSinks(std::move(sinks));
}

HostApp::~HostApp() {
    // Records and the module object are the module's code: release them while it is loaded. The
    // library itself stays loaded until the process ends, as a desktop host keeps its modules: what
    // the module keeps in its statics (the distribution tables) stays its own.
    m_records.clear();
    if (m_pModule)
        m_pModule->Release();
    InstallHost(nullptr, nullptr);
    InstallSinks({});
}

void HostApp::LoadModule(const std::string& path) {
    std::string file = path;
    if (file.empty()) {
        if (const char* env = std::getenv("TVKHOST_MODULE"))
            file = env;
        else
            file = ExecutableDir() + "/" + DLGSTAT1_LIBRARY_NAME;
    }
    m_library = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!m_library)
        throw ModuleLoadError(file + ": cannot load the module: " + dlerror());
    auto factory = reinterpret_cast<GetModuleFactoryFn>(dlsym(m_library, "GetModuleFactory"));
    if (!factory)
        throw ModuleLoadError(file + ": the module exports no GetModuleFactory");
    m_pModule = factory(this);
    // The module brought its menus with it.
    m_menuBar.LoadFromResources();
}

std::vector<CTKMsg*> HostApp::Groups() const {
    if (!m_pModule)
        return {};
    return {m_pModule->GetDescriptiveStatisticsMsg(),
            m_pModule->GetDesignofExperimentsMsg(),
            m_pModule->GetMonteCarloMsg(),
            m_pModule->GetNonparametricTestsMsg(),
            m_pModule->GetScaleMsg(),
            m_pModule->GetTablesMsg(),
            m_pModule->GetTestingHypothesesMsg(),
            m_pModule->GetTimeSeriesMsg(),
            m_pModule->GetStat1SingleMenuItemsMsg()};
}

void HostApp::ReportFault(const std::exception& fault) {
    CTvkAssertDlg(L"HostApp.cpp", __LINE__).DoPrint();
    if (!IsQuiet())
        std::cerr << "tvkhost: a fault in the module, reported as an assertion: " << Escaped(fault.what())
                  << std::endl;
}

bool HostApp::RouteCommand(UINT command) {
    // As the host's message maps do: only the group that owns the command sees it.
    try {
        for (CTKMsg* group : Groups())
            if (group && group->IsOwnCommand(command))
                return group->OnTKCommand(command) != 0;
    } catch (const HostError&) {
        throw;  // the host's own, from a dialog's driver
    } catch (const std::ios_base::failure&) {
        throw;
    } catch (const std::exception& e) {
        ReportFault(e);
        return true;
    }
    return false;
}

CCmdUI HostApp::UpdateCommand(UINT command) {
    CCmdUI ui(command);
    try {
        for (CTKMsg* group : Groups())
            if (group && group->IsOwnCommand(command))
                group->OnUpdateTKCommand(&ui);
    } catch (const std::exception& e) {
        ReportFault(e);
    }
    return ui;
}

bool HostApp::IsModuleCommand(UINT command) const {
    for (CTKMsg* group : Groups())
        if (group && group->IsOwnCommand(command))
            return true;
    return false;
}

CGUIBaseObj* HostApp::FindRecord(UINT command) const {
    auto it = m_records.find(command);
    return it == m_records.end() ? nullptr : it->second.get();
}

IModule* HostApp::FindModule(const CString& name) {
    if (name == L"TvkKernel")
        return &m_kernel;
    if (name == L"TvkData")
        return &m_data;
    if (name == L"TvkSeries")
        return m_settings.hasSeries ? &m_series : nullptr;
    if (name == L"TvkNumerics")
        return &m_numerics;
    return nullptr;
}

bool HostApp::FindDialogRecord(UINT command, CGUIBaseObj*& record) {
    record = FindRecord(command);
    return record != nullptr;
}

void HostApp::StoreDialogRecord(UINT command, CGUIBaseObj* record) {
    m_records[command].reset(record);
}

void HostApp::RunRecord(UINT command) {
    CGUIBaseObj* record = FindRecord(command);
    if (!record)
        return;
    CCmdList lines;
    record->GetCommandInfoList(lines);
    for (const auto& line : lines)
        SubmitCommandLine(line.GetCommand(), 0, 2);
}

void HostApp::RunDialogCommand(UINT command, const CString& title) {
    RunRecord(command);
}

void HostApp::SubmitCommandLine(const CString& line, int, int) {
    if (IsQuiet())
        return;
    m_log.push_back(line);
    Report(HostReport::Kind::Line, line.ToUtf8());
}

void HostApp::Report(HostReport::Kind kind, std::string text) {
    if (IsQuiet()) {
        if (kind != HostReport::Kind::Line)
            m_quietReport = std::move(text);
        return;
    }
    if (m_reportSink) {
        m_reportSink({kind, std::move(text)});
        return;
    }
    static constexpr const char* kMarks[] = {"", "status: ", "message: ", "warning: ", "assert: "};
    m_out << kMarks[static_cast<int>(kind)] << text << "\n";
}

bool HostApp::IsCurrentModule(const CString& name) {
    return !m_settings.current.empty() && name == m_settings.current;
}

void HostApp::SendRegisteredMessage(const CString& message, const CString& text, long) {
    if (message != L"UpdateStatusBar")
        return;
    Report(HostReport::Kind::Status, text.ToUtf8());
}

namespace {

// A dialog opened by the host itself, only to have the module make the command's record.
class CancellingDriver final : public IDialogDriver {
public:
    int Run(CGUIBaseDlg& dlg) override {
        dlg.OnCancel();
        return IDCANCEL;
    }
};

}  // namespace

std::vector<unsigned char> HostApp::SaveRecords() const {
    std::vector<std::pair<UINT, std::vector<std::uint8_t>>> records;
    for (const auto& [command, record] : m_records) {
        CArchive one;
        record->Serialize(one);
        records.emplace_back(command, one.GetBuffer());
    }
    return RecordStore::Encode(records);
}

void HostApp::SaveRecordFile(const std::string& path, const std::string& shownName) const {
    RecordStore::WriteFile(path, shownName, SaveRecords());
}

// Nothing reaches the kernel or the output while it lives.
struct HostApp::Unseen {
    HostApp& host;
    explicit Unseen(HostApp& h) : host(h) { host.SetQuiet(true); }
    ~Unseen() { host.SetQuiet(false); }
};

CGUIBaseObj* HostApp::MakeRecord(UINT command) {
    if (!IsModuleCommand(command))
        return nullptr;
    struct Making {
        HostApp& host;
        IDialogDriver* previous = GetDialogDriver();
        CancellingDriver cancel;
        explicit Making(HostApp& h) : host(h) {
            ++host.m_making;
            InstallDialogDriver(&cancel);
        }
        ~Making() {
            InstallDialogDriver(previous);
            --host.m_making;
        }
    } making(*this);
    Unseen unseen(*this);
    RouteCommand(command);
    return FindRecord(command);
}

void HostApp::OpenRecords(const std::vector<unsigned char>& bytes) {
    const std::vector<RecordStore::Stored> stored = RecordStore::Decode(bytes);
    // Each stored record is read into the record kept now, or one the module makes; if any is refused,
    // every record is put back as it was.
    std::map<UINT, std::vector<std::uint8_t>> snapshot;
    for (const auto& [command, record] : m_records) {
        CArchive one;
        record->Serialize(one);
        snapshot[command] = one.GetBuffer();
    }
    std::vector<UINT> made;
    try {
        for (const RecordStore::Stored& one : stored) {
            const std::string what = "record for command " + std::to_string(one.command);
            CGUIBaseObj* record = FindRecord(one.command);
            if (!record) {
                record = MakeRecord(one.command);
                if (!record)
                    throw HostError(what + ": the module keeps no record for this command");
                made.push_back(one.command);
            }
            RecordStore::Load(*record, one);
            // A defence behind the field checks: nothing a store holds may break a line.
            CCmdList lines;
            try {
                Unseen unseen(*this);
                record->GetCommandInfoList(lines);
            } catch (const std::exception& e) {
                throw HostError(what + ": its lines cannot be made: " + e.what());
            }
            for (const auto& line : lines) {
                const std::string text = line.GetCommand().ToUtf8();
                if (const std::size_t at = FindControlCharacter(text); at != std::string::npos) {
                    const std::size_t from = at > 30 ? at - 30 : 0;
                    throw HostError(what + ": a line it gives holds a control character: " +
                                    Shown(text.substr(from, at - from + 30)));
                }
            }
        }
    } catch (...) {
        for (UINT command : made)
            m_records.erase(command);
        for (const auto& [command, saved] : snapshot) {
            CArchive in(saved);
            m_records[command]->LoadFromArchive(in);
        }
        throw;
    }
    std::map<UINT, bool> named;
    for (const RecordStore::Stored& one : stored) {
        named[one.command] = true;
        m_records[one.command]->OnReadBack();
    }
    std::erase_if(m_records, [&named](const auto& entry) { return named.count(entry.first) == 0; });
}

void HostApp::OpenRecordFile(const std::string& path, const std::string& shownName, std::size_t limit) {
    const std::vector<unsigned char> bytes = RecordStore::ReadFile(path, shownName, limit);
    try {
        OpenRecords(bytes);
    } catch (const HostError& e) {
        throw HostError(shownName + ": " + e.what());
    }
}

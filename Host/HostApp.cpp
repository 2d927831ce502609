#include "Host/HostApp.h"

#include <dlfcn.h>
#include <unistd.h>

#include <climits>
#include <filesystem>

#include "Host/HostServices.h"
#include "Platform/CArchive.h"

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
    m_menuBar.LoadFromResources();
    InstallHost(this, &m_data);
    HostSinks sinks;
    sinks.assertion = [this](const CString& file, long line) {
        m_out << "assert: " << file.ToUtf8() << ":" << line << "\n";
    };
    sinks.messageBox = [this](const CString& text, UINT, UINT) {
        m_out << "message: " << text.ToUtf8() << "\n";
    };
    sinks.warning = [this](const CString& text) { m_out << "warning: " << text.ToUtf8() << "\n"; };
    InstallSinks(std::move(sinks));
}

HostApp::~HostApp() {
    // Records and the module object are the module's code: release them before unloading it.
    m_records.clear();
    if (m_pModule)
        m_pModule->Release();
    if (m_library)
        dlclose(m_library);
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
        throw HostError(file + ": cannot load the module: " + dlerror());
    auto factory = reinterpret_cast<GetModuleFactoryFn>(dlsym(m_library, "GetModuleFactory"));
    if (!factory)
        throw HostError(file + ": the module exports no GetModuleFactory");
    m_pModule = factory(this);
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

bool HostApp::RouteCommand(UINT command) {
    // As the host's message maps do: only the group that owns the command sees it.
    for (CTKMsg* group : Groups())
        if (group && group->IsOwnCommand(command))
            return group->OnTKCommand(command) != 0;
    return false;
}

CCmdUI HostApp::UpdateCommand(UINT command) {
    CCmdUI ui(command);
    for (CTKMsg* group : Groups())
        if (group && group->IsOwnCommand(command))
            group->OnUpdateTKCommand(&ui);
    return ui;
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
    m_log.push_back(line.str());
    m_out << line.ToUtf8() << "\n";
}

bool HostApp::IsCurrentModule(const CString& name) {
    return !m_settings.current.empty() && name == m_settings.current;
}

void HostApp::SendRegisteredMessage(const CString& message, const CString& text, long) {
    if (message == L"UpdateStatusBar")
        m_out << "status: " << text.ToUtf8() << "\n";
}

// Archive of the record store: a count, then for each record its command (4 bytes) and its archive.
std::vector<unsigned char> HostApp::SaveRecords() const {
    CArchive ar;
    ar.WriteCount(m_records.size());
    for (const auto& [command, record] : m_records) {
        ar.WriteUInt32(command);
        record->Serialize(ar);
    }
    return ar.GetBuffer();
}

void HostApp::OpenRecords(const std::vector<unsigned char>& bytes) {
    const std::vector<unsigned char> snapshot = SaveRecords();
    try {
        LoadRecords(bytes);
    } catch (...) {
        LoadRecords(snapshot);  // put back every record as it was
        throw;
    }
}

void HostApp::LoadRecords(const std::vector<unsigned char>& bytes) {
    CArchive ar(bytes);
    const std::size_t count = ar.ReadCount("record count", 4 + CGUIBaseObj::kBaseArchiveBytes);
    // Load into the records kept now, or into new ones made by opening the command's dialog record:
    // the module alone knows which record class a command has.
    for (std::size_t i = 0; i < count; ++i) {
        const UINT command = ar.ReadUInt32("record command");
        CGUIBaseObj* record = FindRecord(command);
        if (!record)
            ar.Fail("no record is kept for command " + std::to_string(command));
        record->LoadFromArchive(ar);
    }
    if (!ar.AtEnd())
        ar.Fail("unexpected bytes after the last record");
}

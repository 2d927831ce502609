#include "Host/HostApp.h"

#include <dlfcn.h>
#include <unistd.h>

#include <climits>
#include <filesystem>
#include <fstream>

#include "Host/HostText.h"
#include "HostApi/HostServices.h"
#include "Platform/CArchive.h"
#include "TvkBaseGui/CGUIBaseDlg.h"

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
        if (!IsQuiet())
            m_out << "assert: " << file.ToUtf8() << ":" << line << "\n";
    };
    sinks.messageBox = [this](const CString& text, UINT, UINT) {
        if (!IsQuiet())
            m_out << "message: " << text.ToUtf8() << "\n";
        else
            m_quietReport = text.ToUtf8();
    };
    sinks.warning = [this](const CString& text) {
        if (!IsQuiet())
            m_out << "warning: " << text.ToUtf8() << "\n";
        else
            m_quietReport = text.ToUtf8();
    };
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
    m_out << line.ToUtf8() << "\n";
}

bool HostApp::IsCurrentModule(const CString& name) {
    return !m_settings.current.empty() && name == m_settings.current;
}

void HostApp::SendRegisteredMessage(const CString& message, const CString& text, long) {
    if (message != L"UpdateStatusBar")
        return;
    if (!IsQuiet())
        m_out << "status: " << text.ToUtf8() << "\n";
    else
        m_quietReport = text.ToUtf8();
}

namespace {

constexpr char kStoreMark[4] = {'T', 'V', 'K', 'R'};
constexpr std::int32_t kStoreVersion = 1;

// A dialog opened by the host itself, only to have the module make the command's record.
class CancellingDriver final : public IDialogDriver {
public:
    int Run(CGUIBaseDlg& dlg) override {
        dlg.OnCancel();
        return IDCANCEL;
    }
};

// A variable of the data, or a term of a loglinear model (a name list of no data type).
bool IsStoredName(const std::string& name, int type) {
    if (IsValidVariableName(name))
        return true;
    return type != kVariableTypeNumeric && type != kVariableTypeString && IsValidModelTerm(name);
}

struct StoredRecord {
    UINT command;
    std::size_t offset;  // of its archive in the store
    std::vector<std::uint8_t> bytes;
};

}  // namespace

std::vector<unsigned char> HostApp::SaveRecords() const {
    CArchive ar;
    for (char c : kStoreMark)
        ar.WriteUInt8(static_cast<std::uint8_t>(c));
    ar.WriteInt32(kStoreVersion);
    ar.WriteCount(m_records.size());
    for (const auto& [command, record] : m_records) {
        CArchive one;
        record->Serialize(one);
        ar.WriteUInt32(command);
        ar.WriteUInt32(static_cast<std::uint32_t>(one.GetBuffer().size()));
        for (std::uint8_t b : one.GetBuffer())
            ar.WriteUInt8(b);
    }
    return ar.GetBuffer();
}

CGUIBaseObj* HostApp::MakeRecord(UINT command) {
    if (!IsModuleCommand(command))
        return nullptr;
    CancellingDriver cancel;
    IDialogDriver* previous = GetDialogDriver();
    InstallDialogDriver(&cancel);
    SetQuiet(true);
    try {
        RouteCommand(command);
    } catch (...) {
        SetQuiet(false);
        InstallDialogDriver(previous);
        throw;
    }
    SetQuiet(false);
    InstallDialogDriver(previous);
    return FindRecord(command);
}

void HostApp::OpenRecords(const std::vector<unsigned char>& bytes) {
    // Read the whole store before touching a record.
    CArchive ar(bytes);
    for (char c : kStoreMark)
        if (ar.ReadUInt8("record store mark") != static_cast<std::uint8_t>(c))
            throw HostError("not a record store (no TVKR mark at its start)");
    if (const std::int32_t version = ar.ReadInt32("record store version"); version != kStoreVersion)
        throw HostError("record store version " + std::to_string(version) + " is not known");
    const std::size_t count = ar.ReadCount("record count", 8);
    std::vector<StoredRecord> stored;
    std::map<UINT, std::size_t> named;
    for (std::size_t i = 0; i < count; ++i) {
        StoredRecord one{ar.ReadUInt32("record command"), 0, {}};
        const std::uint32_t length = ar.ReadUInt32("record length");
        if (length > ar.GetRemaining())
            ar.Fail("record for command " + std::to_string(one.command) + " longer than the store");
        one.offset = ar.GetPosition();
        one.bytes.assign(bytes.begin() + static_cast<std::ptrdiff_t>(one.offset),
                         bytes.begin() + static_cast<std::ptrdiff_t>(one.offset + length));
        for (std::uint32_t b = 0; b < length; ++b)
            ar.ReadUInt8("record");
        if (!named.emplace(one.command, i).second)
            ar.Fail("command " + std::to_string(one.command) + " stored twice");
        stored.push_back(std::move(one));
    }
    if (!ar.AtEnd())
        ar.Fail("unexpected bytes after the last record");

    // Load each into the record kept now or one the module makes; on any failure put the store back.
    std::map<UINT, std::vector<std::uint8_t>> snapshot;
    for (const auto& [command, record] : m_records) {
        CArchive one;
        record->Serialize(one);
        snapshot[command] = one.GetBuffer();
    }
    std::vector<UINT> made;
    try {
        for (const auto& one : stored) {
            const std::string what = "record for command " + std::to_string(one.command);
            CGUIBaseObj* record = FindRecord(one.command);
            if (!record) {
                record = MakeRecord(one.command);
                if (!record)
                    throw HostError(what + ": the module keeps no record for this command");
                made.push_back(one.command);
            }
            CArchive in(one.bytes);
            std::vector<CArchive::NameRead> names;
            in.SetNameLog(&names);
            try {
                record->LoadFromArchive(in);
                if (!in.AtEnd())
                    in.Fail("unexpected bytes after the record");
            } catch (const CArchiveException& e) {
                throw HostError(what + " (its archive starts at byte offset " + std::to_string(one.offset) +
                                "): " + e.what());
            }
            // Names reach the lines as they are: a store is held to the rule a data file is held to.
            for (const auto& name : names)
                if (const std::string text = name.name.ToUtf8(); !IsStoredName(text, name.type))
                    throw HostError(what + ": " + Shown(text) + " (at byte offset " +
                                    std::to_string(one.offset + name.offset) +
                                    ") is not a valid variable name");
            CCmdList lines;
            SetQuiet(true);
            record->GetCommandInfoList(lines);
            SetQuiet(false);
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
    std::erase_if(m_records, [&named](const auto& entry) { return named.count(entry.first) == 0; });
}

void HostApp::OpenRecordFile(const std::string& path, const std::string& shownName, std::size_t limit) {
    if (const std::string problem = FileProblem(path); !problem.empty())
        throw HostError(shownName + ": cannot open the record file: " + problem);
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw HostError(shownName + ": cannot open the record file");
    std::vector<unsigned char> bytes;
    try {
        std::streambuf& buf = *in.rdbuf();
        for (auto c = buf.sbumpc(); c != std::char_traits<char>::eof(); c = buf.sbumpc()) {
            if (bytes.size() < sizeof kStoreMark && static_cast<char>(c) != kStoreMark[bytes.size()])
                throw HostError(shownName + ": not a record store (no TVKR mark at its start)");
            if (bytes.size() == limit)
                throw HostError(shownName + ": the file is larger than " + SizeText(limit) +
                                " (the limit of a record store)");
            bytes.push_back(static_cast<unsigned char>(c));
        }
    } catch (const std::ios_base::failure&) {
        throw HostError(shownName + ": cannot read the record file");
    }
    try {
        OpenRecords(bytes);
    } catch (const std::runtime_error& e) {
        throw HostError(shownName + ": " + e.what());
    }
}

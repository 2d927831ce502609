#pragma once

#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "DlgStat1.h"
#include "Host/HostData.h"
#include "Host/HostText.h"
#include "HostApi/CModuleBase.h"
#include "HostApi/Interfaces.h"
#include "Numerics/NumericalService.h"
#include "TvkBaseGui/CGUIBaseObj.h"
#include "TvkBaseGui/CTKMsg.h"
#include "TvkXMenu/CTKMenuBar.h"

// The module library cannot be loaded or has no entry.
class ModuleLoadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Settings of the host that the module reads; set from scripts and flags.
struct HostSettings {
    // The data status the host reports: 1 (ready) while data with variables is loaded, else 0, unless
    // a script sets another.
    static constexpr int kDataStatusFollowsData = -1;
    wchar_t decimal = L'.';
    bool allValues = false;
    bool locked = false;
    int dataStatus = kDataStatusFollowsData;
    bool usesCaption = false;
    int print = 2;
    int rng = 0;
    bool hasSeries = true;
    int season = 12;
    bool interpolate = false;
    std::wstring current;  // the current module's name, empty for none
    bool query = true;     // the current-module service's boolean
    // The data holds aggregated counts, not cases: no raw-data input.
    bool aggregate = false;
};

// The host's kernel: it computes nothing and logs every line it receives.
class HostKernel final : public CModuleBase<IKernel> {
public:
    explicit HostKernel(HostSettings& settings) : CModuleBase(L"TvkKernel"), m_settings(settings) {}
    int GetPrintSetting() override { return m_settings.print; }
    int GetRandomGenerator() override { return m_settings.rng; }

private:
    HostSettings& m_settings;
};

// The host's series module, present unless `set season none`.
class HostSeries final : public CModuleBase<ISeries> {
public:
    explicit HostSeries(HostSettings& settings) : CModuleBase(L"TvkSeries"), m_settings(settings) {}
    int GetSeasonLength() override { return m_settings.season; }

private:
    HostSettings& m_settings;
};

// What the host reports, one item at a time: a line the kernel received, or a report of the module
// (the status bar's text, a message box, a warning, an assertion).
struct HostReport {
    enum class Kind { Line, Status, Message, Warning, Assertion };
    Kind kind;
    std::string text;
};

// The reference host: loads the module, keeps the dialog records, and reports what its kernel receives
// and what the module reports: printed, or to a sink a desktop host sets.
class HostApp final : public IGlobal, public IBaseGui, public IMainFrame {
public:
    explicit HostApp(std::ostream& out);
    ~HostApp();
    HostApp(const HostApp&) = delete;
    HostApp& operator=(const HostApp&) = delete;

    // Loads the module library and builds the module: the given path, else TVKHOST_MODULE, else the
    // library next to the executable.
    void LoadModule(const std::string& path = {});
    IDlgStat1* Module() const { return m_pModule; }

    HostSettings& Settings() { return m_settings; }
    HostData& Data() { return m_data; }
    std::ostream& Out() { return m_out; }
    // Reports go to `sink` instead of being printed ("status: TEXT" and the like; a kernel line as it
    // stands). An empty sink prints them again.
    void SetReportSink(std::function<void(const HostReport&)> sink) { m_reportSink = std::move(sink); }
    const std::vector<CString>& KernelLog() const { return m_log; }
    CTKMenuBar& MenuBar() { return m_menuBar; }

    // Routes a menu command to the group that owns it; false when no group does.
    bool RouteCommand(UINT command);
    // The state the owning group gives the menu item (enabled, unchecked when no group owns it).
    CCmdUI UpdateCommand(UINT command);
    bool IsModuleCommand(UINT command) const;
    std::vector<CTKMsg*> Groups() const;
    CGUIBaseObj* FindRecord(UINT command) const;
    std::size_t RecordCount() const { return m_records.size(); }
    // The kept records as a record store (RecordStore), and into a file. Both hosts save and open
    // stores through these.
    std::vector<unsigned char> SaveRecords() const;
    void SaveRecordFile(const std::string& path, const std::string& shownName) const;
    // Replaces the kept records by those of the store: each stored record is read into the record kept
    // under its command, or one the module makes (by opening the command unseen and cancelling), and
    // checked (RecordStore::Load); once all are read each is told it was read back (OnReadBack). The
    // records of commands the store does not name are dropped. Throws HostError on a store that is not
    // whole or holds a bad record, leaving the kept records as they were.
    void OpenRecords(const std::vector<unsigned char>& bytes);
    // Reads a record store file and opens its records. Throws HostError naming `shownName`.
    void OpenRecordFile(const std::string& path, const std::string& shownName,
                        std::size_t limit = kMaxStoreBytes);
    // A fault of the module (an exception that reached the host) goes through the assertion report, with
    // its text on standard error, and the run goes on. RouteCommand and UpdateCommand report their own.
    void ReportFault(const std::exception& fault);
    // Hands a record's lines to the kernel.
    void RunRecord(UINT command);
    // While quiet, nothing reaches the kernel or the output (used when the host opens dialogs itself).
    void SetQuiet(bool quiet) { m_quiet += quiet ? 1 : -1; }
    bool IsQuiet() const { return m_quiet > 0; }
    // The last status, message or warning text held back while quiet, taken once.
    std::string TakeQuietReport() { return std::exchange(m_quietReport, {}); }

    // IGlobal
    IModule* FindModule(const CString& name) override;
    bool FindDialogRecord(UINT command, CGUIBaseObj*& record) override;
    void StoreDialogRecord(UINT command, CGUIBaseObj* record) override;
    void RunDialogCommand(UINT command, const CString& title) override;
    void SubmitCommandLine(const CString& line, int flags, int mode) override;
    bool IsCurrentModule(const CString& name) override;
    bool IsHostLocked() override { return m_settings.locked; }
    int GetDataStatus() override {
        if (m_settings.dataStatus != HostSettings::kDataStatusFollowsData)
            return m_settings.dataStatus;
        return m_data.GetVariableCount() > 0 ? 1 : 0;
    }
    bool UsesDialogCaption() override { return m_settings.usesCaption; }
    void NotifyDialogOpening(int) override {}
    int GetPrintSetting() override { return m_settings.print; }
    IMainFrame* GetMainFrame() override { return this; }
    IBaseGui* GetBaseGui() override { return this; }
    // While the host makes a record for itself nothing is drawn: the launcher may go on.
    bool QueryCurrentModule() override { return m_making > 0 || m_settings.query; }
    bool GetInterpolationSetting() override { return m_settings.interpolate; }
    int GetDataCount(int kind, bool all, int sheet) override { return m_data.GetVariableCount(); }
    int GetDataCount() override { return m_data.GetVariableCount(); }
    // Empty: the module's own description files. TVKHOST_DISTRIBUTIONS names a folder to read them
    // from instead.
    CString GetDistributionFolder() override {
        const char* folder = std::getenv("TVKHOST_DISTRIBUTIONS");
        if (!folder || !*folder)
            return {};
        const std::string named = folder;
        return CString::FromUtf8(named.back() == '/' ? named : named + '/');
    }
    bool QueryAggregateData() override { return m_settings.aggregate; }

    // IBaseGui
    wchar_t GetDecimalSymbol() override { return m_settings.decimal; }
    bool GetAllValuesSwitch() override { return m_settings.allValues; }

    // IMainFrame
    void* GetDialogParent(UINT) override { return nullptr; }
    CTKMenuBar* GetMenuBar() override { return &m_menuBar; }
    void SendRegisteredMessage(const CString& message, const CString& text, long param2) override;

private:
    // A report, or kept as the quiet report while the host is quiet (a kernel line is then dropped).
    void Report(HostReport::Kind kind, std::string text);

    struct Unseen;
    CGUIBaseObj* MakeRecord(UINT command);

    int m_quiet = 0;
    int m_making = 0;  // records the host makes for itself (MakeRecord)
    std::string m_quietReport;
    std::function<void(const HostReport&)> m_reportSink;

    std::ostream& m_out;
    HostSettings m_settings;
    HostData m_data;
    HostKernel m_kernel{m_settings};
    HostSeries m_series{m_settings};
    CNumericalService m_numerics;
    CTKMenuBar m_menuBar;
    std::vector<CString> m_log;
    std::map<UINT, std::unique_ptr<CGUIBaseObj>> m_records;
    void* m_library = nullptr;
    IDlgStat1* m_pModule = nullptr;
};

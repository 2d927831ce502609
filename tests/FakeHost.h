#pragma once

// A host for tests: the interfaces the module reads, with every setting a plain member a test can set,
// and the sinks that capture what the framework reports. Make one FakeHost per test; it installs itself
// and takes itself out again when it goes.

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "HostApi/CModuleBase.h"
#include "HostApi/HostServices.h"
#include "HostApi/Interfaces.h"
#include "Numerics/NumericalService.h"
#include "TvkBaseGui/CGUIBaseObj.h"
#include "TvkBaseGui/CGUIDataVariable.h"
#include "TvkXMenu/CTKMenuBar.h"

// A module of the host with a name and nothing else (also what FindModule returns for a name that is
// neither kernel nor data, to show a lookup converting to the wrong interface).
class FakeModule : public CModuleBase<IModule> {
public:
    explicit FakeModule(CString name = L"TvkOther") : CModuleBase(std::move(name)) {}
    virtual ~FakeModule() = default;
    void Release() override { ++releases; }

    int releases = 0;
};

class FakeKernel final : public CModuleBase<IKernel> {
public:
    FakeKernel() : CModuleBase(L"TvkKernel") {}
    int GetPrintSetting() override { return print; }
    int GetRandomGenerator() override { return rng; }

    int print = 2;
    int rng = 0;
};

class FakeSeries final : public CModuleBase<ISeries> {
public:
    FakeSeries() : CModuleBase(L"TvkSeries") {}
    int GetSeasonLength() override { return season; }

    int season = 12;
};

class FakeData final : public CModuleBase<IData> {
public:
    FakeData() : CModuleBase(L"TvkData") {}
    int GetCaseCount() override { return cases; }
    int GetVariableCount() override { return static_cast<int>(variables.size()); }
    const std::vector<DataVariableInfo>& GetVariables() override { return variables; }
    int GetGroupCount(const CString& variable) override {
        for (const auto& v : variables)
            if (v.name == variable)
                return groups;
        return -1;
    }
    int GetDataSetCount() override { return dataSets; }

    void AddNumeric(const CString& name) { variables.push_back({name, kVariableTypeNumeric}); }
    void AddString(const CString& name) { variables.push_back({name, kVariableTypeString}); }

    int cases = 100;
    int groups = 2;
    int dataSets = 1;
    std::vector<DataVariableInfo> variables;
};

// What the framework reported through the host's sinks.
struct Assertion {
    std::wstring file;
    long line;
    friend bool operator==(const Assertion&, const Assertion&) = default;
};

class FakeHost final : public IGlobal, public IBaseGui, public IMainFrame {
public:
    // Installs the host and its sinks; `installed` false leaves the framework without a host (the
    // sinks are installed either way).
    explicit FakeHost(bool installed = true) {
        if (installed)
            InstallHost(this, &data);
        HostSinks sinks;
        sinks.assertion = [this](const CString& file, long line) {
            assertions.push_back({std::wstring(file.str()), line});
        };
        sinks.messageBox = [this](const CString& text, UINT, UINT) { messages.emplace_back(text.str()); };
        sinks.warning = [this](const CString& text) { warnings.emplace_back(text.str()); };
        InstallSinks(std::move(sinks));
    }
    ~FakeHost() {
        if (GetHostGlobal() == this)
            InstallHost(nullptr, nullptr);
        InstallSinks({});
        for (auto& [command, record] : records)
            delete record;
    }
    FakeHost(const FakeHost&) = delete;
    FakeHost& operator=(const FakeHost&) = delete;

    // ---- settings ---------------------------------------------------------------------------------
    FakeData data;
    FakeKernel kernel;
    FakeSeries series;
    FakeModule other;
    CNumericalService numerics;
    bool hasKernel = true;
    bool hasData = true;
    bool hasSeries = true;
    wchar_t decimal = L'.';
    bool allValues = false;
    bool locked = false;
    int dataStatus = 1;
    bool usesCaption = false;
    bool query = true;
    bool aggregate = false;
    bool interpolate = false;
    std::wstring currentModule;  // the text IsCurrentModule answers true for; empty for none
    CString distributionFolder;  // the module's own description files
    CTKMenuBar menuBar;          // empty unless a test fills it
    // FindModule answers these first (null to hide a module, another object to give the wrong kind).
    std::map<std::wstring, IModule*> modules;

    // ---- what the module did ----------------------------------------------------------------------
    std::vector<Assertion> assertions;
    std::vector<std::wstring> messages;
    std::vector<std::wstring> warnings;
    std::vector<std::wstring> submitted;                              // SubmitCommandLine
    std::vector<std::pair<UINT, std::wstring>> runs;                  // RunDialogCommand
    std::vector<std::pair<std::wstring, std::wstring>> sentMessages;  // registered message, text
    std::vector<std::wstring> lookups;                                // FindModule names
    std::map<UINT, CGUIBaseObj*> records;                             // owned

    // ---- IGlobal ----------------------------------------------------------------------------------
    IModule* FindModule(const CString& name) override {
        lookups.emplace_back(name.str());
        if (const auto it = modules.find(std::wstring(name.str())); it != modules.end())
            return it->second;
        if (name == L"TvkKernel")
            return hasKernel ? &kernel : nullptr;
        if (name == L"TvkData")
            return hasData ? &data : nullptr;
        if (name == L"TvkSeries")
            return hasSeries ? &series : nullptr;
        if (name == other.GetName())
            return &other;
        if (name == L"TvkNumerics")
            return &numerics;
        return nullptr;
    }
    bool FindDialogRecord(UINT command, CGUIBaseObj*& record) override {
        const auto it = records.find(command);
        if (it == records.end())
            return false;
        record = it->second;
        return true;
    }
    void StoreDialogRecord(UINT command, CGUIBaseObj* record) override {
        auto& slot = records[command];
        if (slot != record)
            delete slot;
        slot = record;
    }
    void RunDialogCommand(UINT command, const CString& title) override {
        runs.emplace_back(command, title.str());
    }
    void SubmitCommandLine(const CString& line, int, int) override { submitted.emplace_back(line.str()); }
    bool IsCurrentModule(const CString& name) override {
        return !currentModule.empty() && name.str() == currentModule;
    }
    bool IsHostLocked() override { return locked; }
    int GetDataStatus() override { return dataStatus; }
    bool UsesDialogCaption() override { return usesCaption; }
    void NotifyDialogOpening(int) override {}
    int GetPrintSetting() override { return kernel.print; }
    IMainFrame* GetMainFrame() override { return this; }
    IBaseGui* GetBaseGui() override { return this; }
    bool QueryCurrentModule() override { return query; }
    bool GetInterpolationSetting() override { return interpolate; }
    int GetDataCount(int, bool, int) override { return data.GetVariableCount(); }
    int GetDataCount() override { return data.GetVariableCount(); }
    CString GetDistributionFolder() override { return distributionFolder; }
    bool QueryAggregateData() override { return aggregate; }

    // ---- IBaseGui ---------------------------------------------------------------------------------
    wchar_t GetDecimalSymbol() override { return decimal; }
    bool GetAllValuesSwitch() override { return allValues; }

    // ---- IMainFrame -------------------------------------------------------------------------------
    void* GetDialogParent(UINT) override { return nullptr; }
    CTKMenuBar* GetMenuBar() override { return &menuBar; }
    void SendRegisteredMessage(const CString& message, const CString& text, long) override {
        sentMessages.emplace_back(message.str(), text.str());
    }
};

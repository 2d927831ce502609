#pragma once

#include <vector>

#include "Platform/CString.h"
#include "TvkApi.h"

class CGUIBaseObj;
class CTKMenuBar;
class IGlobal;
class IBinReader;
template <class T>
class CGUIArray;
class CGUIDataVariable;

// Interfaces are released through Release, never deleted through the interface; hence the protected,
// non-virtual destructors, which also keep each slot order exactly as declared.

// A module of the host (kernel, data, series, this dialog module, ...).
class TVK_API IModule {
public:
    virtual IGlobal* GetGlobal() = 0;               // slot 0
    virtual void Release() = 0;                     // slot 1
    virtual void Print() = 0;                       // slot 2
    virtual CString& GetName() = 0;                 // slot 3
    virtual void SetName(const CString& name) = 0;  // slot 4
    struct Holder {
        IModule* pObject;
        long nRefCount;
    };
    // Event codes: 1 drops one extra reference, 2 and 3 do nothing.
    virtual bool ReleaseHolder(Holder* holder, int eventCode) = 0;  // slot 5
    virtual void Reserved() = 0;                                    // slot 6
    virtual IBinReader* GetResourceHandle() = 0;                    // slot 7

protected:
    ~IModule() = default;
};

// The host's command kernel: receives command lines and knows the print setting.
class TVK_API IKernel : public IModule {
public:
    virtual int GetPrintSetting() = 0;
    // The random-number generator setting of the host.
    virtual int GetRandomGenerator() = 0;

protected:
    ~IKernel() = default;
};

// A variable of the current data as the host describes it.
struct TVK_API DataVariableInfo {
    CString name;
    int type;  // kVariableTypeString or kVariableTypeNumeric
};

// The host's current data.
class TVK_API IData : public IModule {
public:
    virtual int GetCaseCount() = 0;
    virtual int GetVariableCount() = 0;
    virtual const std::vector<DataVariableInfo>& GetVariables() = 0;
    // Distinct values (groups) of the named variable; -1 when the data has no such variable.
    virtual int GetGroupCount(const CString& variable) = 0;
    // Data sets the host holds open; raw-data input reads exactly one.
    virtual int GetDataSetCount() = 0;

protected:
    ~IData() = default;
};

// The host's time-series module.
class TVK_API ISeries : public IModule {
public:
    // The season length (period) the series module holds.
    virtual int GetSeasonLength() = 0;

protected:
    ~ISeries() = default;
};

// Settings of the host's base user interface.
class TVK_API IBaseGui {
public:
    virtual wchar_t GetDecimalSymbol() = 0;
    virtual bool GetAllValuesSwitch() = 0;

protected:
    ~IBaseGui() = default;
};

// The window messages and reports a dialog sends to the main window.
class TVK_API IMainFrame {
public:
    // The parent window for dialogs of the given command (opaque).
    virtual void* GetDialogParent(UINT command) = 0;
    virtual CTKMenuBar* GetMenuBar() = 0;
    // A registered window message sent to the main window, with a text as first parameter.
    virtual void SendRegisteredMessage(const CString& message, const CString& text, long param2) = 0;

protected:
    ~IMainFrame() = default;
};

// The host.
class TVK_API IGlobal {
public:
    virtual IModule* FindModule(const CString& name) = 0;
    // The dialog record store: records kept under their command identifiers, owned by the host.
    virtual bool FindDialogRecord(UINT command, CGUIBaseObj*& record) = 0;
    virtual void StoreDialogRecord(UINT command, CGUIBaseObj* record) = 0;
    virtual void RunDialogCommand(UINT command, const CString& title) = 0;
    virtual void SubmitCommandLine(const CString& line, int flags, int mode) = 0;
    virtual bool IsCurrentModule(const CString& name) = 0;
    virtual bool IsHostLocked() = 0;
    virtual int GetDataStatus() = 0;
    virtual bool UsesDialogCaption() = 0;
    virtual void NotifyDialogOpening(int code) = 0;
    virtual int GetPrintSetting() = 0;
    virtual IMainFrame* GetMainFrame() = 0;
    virtual IBaseGui* GetBaseGui() = 0;
    // The current-module service: the boolean it answers for the random-sampling items, and the
    // series interpolation setting.
    virtual bool QueryCurrentModule() = 0;
    virtual bool GetInterpolationSetting() = 0;
    // Number of data columns the host counts (arguments as the host defines them).
    virtual int GetDataCount(int kind, bool all, int sheet) = 0;
    virtual int GetDataCount() = 0;
    // The folder of the distribution description files, ending in a separator; empty for the module's
    // own (embedded) files.
    virtual CString GetDistributionFolder() = 0;
    // True while the current data holds aggregated counts rather than cases: no raw-data input then.
    virtual bool QueryAggregateData() = 0;

protected:
    ~IGlobal() = default;
};

// The dialog base the module makes from the host (framework-owned services for dialogs).
class TVK_API IDlgBase {
public:
    virtual void Release() = 0;

protected:
    ~IDlgBase() = default;
};

// The host's binary resource reader.
class TVK_API IBinReader {
public:
    virtual CString GetString(UINT id) = 0;

protected:
    ~IBinReader() = default;
};

#pragma once

#include <functional>
#include <string>

#include "HostApi/Interfaces.h"
#include "TvkApi.h"

// What the host installs into the framework at start: its interfaces and the sinks through which the
// framework reports assertions, message boxes and warnings. Records and dialogs of every module reach
// the host's settings through here, as the package's libraries reach their host.
struct TVK_API HostSinks {
    std::function<void(const CString& file, long line)> assertion;
    std::function<void(const CString& text, UINT type, UINT helpId)> messageBox;
    std::function<void(const CString& text)> warning;
};

TVK_API void InstallHost(IGlobal* global, IData* data);
TVK_API void InstallSinks(HostSinks sinks);
TVK_API IGlobal* GetHostGlobal();
TVK_API IData* GetHostData();
TVK_API HostSinks& GetHostSinks();

// The base user-interface settings; defaults ('.' and off) when no host is installed.
TVK_API IBaseGui* GetBaseGuiInterface();
TVK_API wchar_t GetDecimalSymbol();
TVK_API bool GetAllValuesSwitch();

// A message box through the host's sink; returns 1 (OK).
TVK_API int TKMessageBox(const CString& text, UINT type = 0, UINT helpId = 0);
TVK_API void TKWarning(const CString& text);

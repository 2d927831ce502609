#pragma once

#include "Platform/CString.h"
#include "TvkApi.h"

// Registered window messages: the same name gives the same identifier (0xC000 and above) for the life
// of the process.
TVK_API UINT RegisterWindowMessage(const CString& name);
// The identifier of an already registered message, or 0.
TVK_API UINT FindRegisteredWindowMessage(const CString& name);

// Libraries whose classes and dialog resources join the host's.
TVK_API void AfxRegisterExtensionLibrary(const CString& name);
TVK_API void AfxUnregisterExtensionLibrary(const CString& name);
TVK_API bool AfxIsExtensionLibraryRegistered(const CString& name);

#include "DlgStat1.h"

#include "Platform/Windowing.h"
#include "Private/DistribData.h"
#include "Source/CDlgStat1.h"
#include "TvkUseRes/CTvkAssertDlg.h"

namespace {

const wchar_t kLibraryName[] = L"DlgStat1";

// Loading the library joins its classes and dialogs to the host's and registers the message through
// which range checks reach the status bar.
__attribute__((constructor)) void OnLibraryLoad() {
    AfxRegisterExtensionLibrary(kLibraryName);
    RegisterWindowMessage(L"UpdateStatusBar");
}

// Unloading frees the distribution tables the module object filled when it started.
__attribute__((destructor)) void OnLibraryUnload() {
    CDistribData::CleanupOnDestroy();
    CDistribFittingData::CleanupOnDestroy();
    CDistribKSData::CleanupOnDestroy();
    AfxUnregisterExtensionLibrary(kLibraryName);
}

}  // namespace

extern "C" __attribute__((visibility("default"))) IDlgStat1* GetModuleFactory(IGlobal* global) {
    if (!global)
        CTvkAssertDlg(L"DlgStat1.cpp", 79).DoPrint();
    g_pDlgStat1 = nullptr;
    g_pDlgStat1 = new CDlgStat1(global);
    return g_pDlgStat1;
}

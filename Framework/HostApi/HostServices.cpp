#include "HostApi/HostServices.h"

namespace {

IGlobal* g_global = nullptr;
IData* g_data = nullptr;

HostSinks& Sinks() {
    static HostSinks sinks;
    return sinks;
}

}  // namespace

void InstallHost(IGlobal* global, IData* data) {
    g_global = global;
    g_data = data;
}

void InstallSinks(HostSinks sinks) {
    Sinks() = std::move(sinks);
}

IGlobal* GetHostGlobal() {
    return g_global;
}
IData* GetHostData() {
    return g_data;
}
HostSinks& GetHostSinks() {
    return Sinks();
}

IBaseGui* GetBaseGuiInterface() {
    return g_global ? g_global->GetBaseGui() : nullptr;
}

wchar_t GetDecimalSymbol() {
    IBaseGui* gui = GetBaseGuiInterface();
    return gui ? gui->GetDecimalSymbol() : L'.';
}

bool GetAllValuesSwitch() {
    IBaseGui* gui = GetBaseGuiInterface();
    return gui ? gui->GetAllValuesSwitch() : false;
}

int TKMessageBox(const CString& text, UINT type, UINT helpId) {
    if (Sinks().messageBox)
        Sinks().messageBox(text, type, helpId);
    return 1;
}

void TKWarning(const CString& text) {
    if (Sinks().warning)
        Sinks().warning(text);
}

#include "Platform/Windowing.h"

#include <map>
#include <set>

namespace {

// Never destroyed: a library still loaded at exit unregisters itself after the exit handlers that
// would destroy function-local statics have run.
std::map<CString, UINT>& Messages() {
    static auto* messages = new std::map<CString, UINT>;
    return *messages;
}

std::multiset<CString>& Libraries() {
    static auto* libraries = new std::multiset<CString>;
    return *libraries;
}

}  // namespace

UINT RegisterWindowMessage(const CString& name) {
    auto& messages = Messages();
    auto it = messages.find(name);
    if (it != messages.end())
        return it->second;
    const UINT id = 0xC000 + static_cast<UINT>(messages.size());
    messages.emplace(name, id);
    return id;
}

UINT FindRegisteredWindowMessage(const CString& name) {
    auto it = Messages().find(name);
    return it == Messages().end() ? 0 : it->second;
}

void AfxRegisterExtensionLibrary(const CString& name) {
    Libraries().insert(name);
}

void AfxUnregisterExtensionLibrary(const CString& name) {
    auto it = Libraries().find(name);
    if (it != Libraries().end())
        Libraries().erase(it);
}

bool AfxIsExtensionLibraryRegistered(const CString& name) {
    return Libraries().count(name) > 0;
}

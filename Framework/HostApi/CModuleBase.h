#pragma once

#include "HostApi/Interfaces.h"

// The slots every module of the host has, for modules that need nothing of them but a name: the host's
// kernel, data and series modules, and the fakes of tests.
template <class Interface>
class CModuleBase : public Interface {
public:
    explicit CModuleBase(CString name) : m_name(std::move(name)) {}

    IGlobal* GetGlobal() override { return nullptr; }
    void Release() override {}
    void Print() override {}
    CString& GetName() override { return m_name; }
    void SetName(const CString& name) override { m_name = name; }
    bool ReleaseHolder(IModule::Holder*, int) override { return false; }
    void Reserved() override {}
    IBinReader* GetResourceHandle() override { return nullptr; }

protected:
    ~CModuleBase() = default;

private:
    CString m_name;
};

#include "TvkUseRes/CTvkAssertDlg.h"

#include "HostApi/HostServices.h"
#include "TvkUseRes/ResourceTables.h"

void CTvkAssertDlg::DoPrint() {
    if (GetHostSinks().assertion)
        GetHostSinks().assertion(m_file, m_line);
}

namespace {

class ResourceReader final : public IBinReader {
public:
    CString GetString(UINT id) override { return ::GetString(id); }
};

}  // namespace

IBinReader* GetGlobalResourceHandle() {
    static ResourceReader reader;
    return &reader;
}

#include "TvkBaseGui/CGUIDataVariable.h"

void CGUIDataVariable::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteString(m_strName);
        ar.WriteInt32(m_nType);
        ar.WriteInt32(m_nFlags);
    } else {
        CString name = ar.ReadName("variable name");
        const int type = ar.ReadInt32("variable type");
        const int flags = ar.ReadInt32("variable flags");
        m_strName = std::move(name);
        m_nType = type;
        m_nFlags = flags;
    }
}

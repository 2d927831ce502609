#pragma once

#include "TvkBaseGui/CGUIBaseDlg.h"

// A dialog that edits one record class: the record it was given, and that record made new again as
// its defaults. Dialogs whose defaults keep something of the record override SetAllDefault.
template <class Record>
class CRecordDlg : public CGUIBaseDlg {
public:
    using CGUIBaseDlg::CGUIBaseDlg;

    Record* GetRecord() const { return dynamic_cast<Record*>(GetData()); }

    int SetAllDefault() override {
        if (Record* record = GetRecord())
            *record = Record();
        return 1;
    }
};

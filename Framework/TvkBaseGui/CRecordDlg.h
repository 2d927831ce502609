#pragma once

#include "TvkBaseGui/CGUIBaseDlg.h"

// A dialog that edits one record class: the record it was given, and that record made new again as
// its defaults. Dialogs whose defaults keep something of the record override SetAllDefault. `Base` is
// the dialog class it builds on.
template <class Record, class Base = CGUIBaseDlg>
class CRecordDlg : public Base {
public:
    using Base::Base;

    Record* GetRecord() const { return dynamic_cast<Record*>(this->GetData()); }

    int SetAllDefault() override {
        if (Record* record = GetRecord())
            *record = Record();
        return 1;
    }
};

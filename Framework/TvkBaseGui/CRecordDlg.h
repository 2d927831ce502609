#pragma once

#include <tuple>

#include "TvkBaseGui/CGUIBaseDlg.h"

// A dialog that edits one record class. The dialog's copies of the record's options are one record
// buffer, `m_Data`, that the controls are exchanged with; GetAll and SetAll move the buffer's options
// from and to the edited record through the record's own GetAll and SetAll. The defaults are a fresh
// record, less what KeepOnDefault keeps of what the dialog shows. `Base` is the dialog class it builds on.
template <class Record, class Base = CGUIBaseDlg>
class CRecordDlg : public Base {
public:
    using Base::Base;

    Record* GetRecord() const { return dynamic_cast<Record*>(this->GetData()); }

    int GetAll() override {
        Record* record = GetRecord();
        return record ? std::apply([record](auto&... option) { return record->GetAll(option...); },
                                   m_Data.Options())
                      : 0;
    }
    int SetAll() override {
        Record* record = GetRecord();
        return record ? std::apply([record](auto&... option) { return record->SetAll(option...); },
                                   m_Data.Options())
                      : 0;
    }
    // The buffer takes a fresh record's options (selected lists empty), keeping what KeepOnDefault
    // keeps, and the record follows.
    int GetAllDefault() override {
        Record fresh;
        KeepOnDefault(fresh);
        m_Data.Options() = fresh.Options();
        SetAll();
        GetAll();
        return 1;
    }
    int SetAllDefault() override {
        if (Record* record = GetRecord())
            *record = Record();
        return 1;
    }

protected:
    // What the dialog's defaults keep of what it shows now: the data's variables, where the record
    // has a source list; a dialog whose defaults depend on the data sets them here too.
    virtual void KeepOnDefault(Record& fresh) {
        if constexpr (requires { fresh.ListOfVariablesList; })
            fresh.ListOfVariablesList = m_Data.ListOfVariablesList;
    }

    Record m_Data;
};

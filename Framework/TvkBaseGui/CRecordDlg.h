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
    // TRANSITION: records not yet moved to an option list keep their hand-written forwarding.
    static constexpr bool kListsOptions = requires(Record& r) { r.Options(); };

    Record* GetRecord() const { return dynamic_cast<Record*>(this->GetData()); }

    int GetAll() override {
        if constexpr (!kListsOptions)
            return Base::GetAll();
        Record* record = GetRecord();
        if constexpr (kListsOptions)
            return record ? std::apply([record](auto&... option) { return record->GetAll(option...); },
                                       m_Data.Options())
                          : 0;
    }
    int SetAll() override {
        if constexpr (!kListsOptions)
            return Base::SetAll();
        Record* record = GetRecord();
        if constexpr (kListsOptions)
            return record ? std::apply([record](auto&... option) { return record->SetAll(option...); },
                                       m_Data.Options())
                          : 0;
    }
    // The buffer takes a fresh record's options (selected lists empty), keeping what KeepOnDefault
    // keeps, and the record follows.
    int GetAllDefault() override {
        if constexpr (!kListsOptions)
            return Base::GetAllDefault();
        Record fresh;
        KeepOnDefault(fresh);
        if constexpr (kListsOptions)
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

#pragma once

#include <tuple>

#include "TvkBaseGui/CGUIBaseDlg.h"
#include "TvkBaseGui/CRecordOptions.h"

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
    // The list pair most dialogs have, under its template's usual names (IDC_SOURCE_LIST,
    // IDC_SELECTED_LIST, IDC_ADD, IDC_REMOVE): the data's variables and the record's list `selected`,
    // with the source list's menu labelled by IDC_LIST_MENU_LABEL.
    template <class Template>
    CListPair& AddSelectedPair(CVariableList& selected, int typeFilter = kVariableTypeAny) {
        return this
            ->AddListPair({Template::IDC_SOURCE_LIST, Template::IDC_SELECTED_LIST, Template::IDC_ADD,
                           Template::IDC_REMOVE, typeFilter})
            .Lists(m_Data.ListOfVariablesList, selected)
            .Menu(Template::IDC_LIST_MENU_LABEL);
    }

    // What the dialog's defaults keep of what it shows now: the data's variables, where the record
    // has a source list; a dialog whose defaults depend on the data sets them here too.
    virtual void KeepOnDefault(Record& fresh) {
        if constexpr (requires { fresh.ListOfVariablesList; })
            fresh.ListOfVariablesList = m_Data.ListOfVariablesList;
    }

    Record m_Data;
};

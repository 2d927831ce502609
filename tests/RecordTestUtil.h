#pragma once

// Helpers of the record and dialog tests: lines and names as plain strings, variables, changed values.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ArchiveTestUtil.h"
#include "TvkBaseGui/CGUIBaseObj.h"

inline std::vector<std::wstring> LinesOf(const CGUIBaseObj& record) {
    CCmdList lines;
    record.GetCommandInfoList(lines);
    std::vector<std::wstring> out;
    for (const auto& l : lines) {
        EXPECT_EQ(l.GetKind(), 0);
        out.emplace_back(l.GetCommand().str());
    }
    return out;
}

inline std::vector<std::wstring> NamesOf(const CVariableList& list) {
    std::vector<std::wstring> names;
    for (const auto& v : list)
        names.emplace_back(v.GetVariableName().str());
    return names;
}

inline CGUIDataVariable Numeric(const wchar_t* name) {
    return CGUIDataVariable(name, kVariableTypeNumeric);
}

inline CVariableList Variables(std::initializer_list<const wchar_t*> names) {
    CVariableList list;
    for (const wchar_t* name : names)
        list.Add(Numeric(name));
    return list;
}

// A changed value, set field by field so that the archive tests fix every byte themselves.
template <class T>
void SetChanged(CGUIData<T>& holder, T value) {
    holder.SetValue(value);
    holder.SetDefault(0);
}
